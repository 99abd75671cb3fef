// Item reader, line builders and atomic file replacement.
#include "text_file.h"

#include "convert.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace quarn {

std::string ItemReader::read_text() {
    const ItemSpan item = next_item(bytes_, pos_);
    unterminated_ = item.unterminated;
    return bytes_.substr(item.begin, item.size);
}

double ItemReader::read_number() { return text_to_number(read_text()); }

std::string quoted_record(std::initializer_list<std::string_view> items) {
    std::string line;
    bool first = true;
    for (std::string_view item : items) {
        if (!first) line += ',';
        first = false;
        line += '"';
        line += item;
        line += '"';
    }
    line += "\r\n";
    return line;
}

std::string plain_line(std::string_view text) {
    std::string line(text);
    line += "\r\n";
    return line;
}

std::string plain_number(long long value) { return to_signed_text(value) + " "; }

std::optional<std::string> read_whole_file(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    // Straight into one buffer of the file's size: the dictionary is megabytes
    // and is read at every start.
    std::string bytes(info.st_size > 0 ? static_cast<std::size_t>(info.st_size) : 0, '\0');
    std::size_t filled = 0;
    auto read_some = [&](char* into, std::size_t room) {
        ssize_t n;
        do n = ::read(fd, into, room);
        while (n < 0 && errno == EINTR);
        return n;
    };
    ssize_t n = 1;
    while (filled < bytes.size() && (n = read_some(bytes.data() + filled, bytes.size() - filled)) > 0)
        filled += static_cast<std::size_t>(n);
    bytes.resize(filled);
    // A file that grew meanwhile, or one that tells no size, is read to its end all the same.
    char more[4096];
    while (n > 0 && (n = read_some(more, sizeof more)) > 0) bytes.append(more, static_cast<std::size_t>(n));
    ::close(fd);
    if (n < 0) return std::nullopt;
    return bytes;
}

bool write_file(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

namespace {
// Permission bits are looked at directly rather than asking access(), which
// says yes to everything for root: a file or folder the player has made
// read-only is left alone whoever runs the program.
bool marked_read_only(const std::filesystem::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && (info.st_mode & S_IWUSR) == 0;
}
} // namespace

WriteError replace_file(const std::filesystem::path& path, std::string_view bytes) {
    if (marked_read_only(path)) return "the file is read-only";
    std::filesystem::path folder = path.parent_path().empty() ? std::filesystem::path(".") : path.parent_path();
    if (marked_read_only(folder)) return "the folder is read-only";
    std::filesystem::path temp = path;
    temp += ".tmp";
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return "cannot create " + temp.filename().string() + ": " + std::strerror(errno);
    auto fail = [&](const char* what) {
        WriteError error = std::string(what) + ": " + std::strerror(errno);
        ::close(fd);
        ::unlink(temp.c_str());
        return error;
    };
    std::size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail("cannot write");
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) return fail("cannot flush");
    if (::close(fd) != 0) {
        WriteError error = std::string("cannot close: ") + std::strerror(errno);
        ::unlink(temp.c_str());
        return error;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        WriteError error = std::string("cannot replace: ") + std::strerror(errno);
        ::unlink(temp.c_str());
        return error;
    }
    return {};
}

} // namespace quarn
