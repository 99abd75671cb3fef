// Item reader, line builders and atomic file replacement.
#include "text_file.h"

#include "convert.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace quarn {

namespace {
bool is_line_end(char c) { return c == '\r' || c == '\n'; }
} // namespace

void ItemReader::skip_separator() {
    if (pos_ >= bytes_.size()) return;
    char c = bytes_[pos_];
    if (c == ',') {
        ++pos_;
    } else if (c == '\r') {
        ++pos_;
        if (pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
    } else if (c == '\n') {
        ++pos_;
    }
}

std::string ItemReader::read_text() {
    unterminated_ = false;
    while (pos_ < bytes_.size() && (bytes_[pos_] == ' ' || bytes_[pos_] == '\t')) ++pos_;
    if (pos_ >= bytes_.size()) return {};
    std::string item;
    if (bytes_[pos_] == '"') {
        std::size_t close = bytes_.find('"', pos_ + 1);
        if (close == std::string::npos) {
            // An unclosed quote takes the rest of the file, as the quote rule says.
            item = bytes_.substr(pos_ + 1);
            pos_ = bytes_.size();
            unterminated_ = true;
            return item;
        }
        item = bytes_.substr(pos_ + 1, close - pos_ - 1);
        pos_ = close + 1;
        // Anything between the closing quote and the separator is dropped.
        while (pos_ < bytes_.size() && bytes_[pos_] != ',' && !is_line_end(bytes_[pos_])) ++pos_;
        skip_separator();
        return item;
    }
    std::size_t end = pos_;
    while (end < bytes_.size() && bytes_[end] != ',' && !is_line_end(bytes_[end])) ++end;
    item = bytes_.substr(pos_, end - pos_);
    while (!item.empty() && (item.back() == ' ' || item.back() == '\t')) item.pop_back();
    pos_ = end;
    skip_separator();
    return item;
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
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return std::move(content).str();
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
