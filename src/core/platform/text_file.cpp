// Item reader, line builders and atomic file replacement.
#include "text_file.h"

#include "convert.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace quarn {

std::string ItemReader::read_text() {
    const ItemSpan item = next_item(bytes_, pos_);
    return bytes_.substr(item.begin, item.size);
}

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

// The file a name stands for: a save through a symbolic link replaces the
// link's target and leaves the link where the player put it.
std::filesystem::path follow_links(std::filesystem::path path) {
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(path, ec)) return path;
        std::filesystem::path target = std::filesystem::read_symlink(path, ec);
        if (ec) return path;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path; // still a link: a loop, which the save refuses
}

// Whether the running user may change a file or folder that exists. Root
// may write anything, so for root the owner's write bit decides: a file the
// player has marked read-only is left alone whoever runs the program. Anyone
// else gets the system's own answer, which knows groups and access lists.
bool may_write(const std::filesystem::path& path) {
    if (::geteuid() == 0) {
        struct stat info {};
        return ::stat(path.c_str(), &info) != 0 || (info.st_mode & S_IWUSR) != 0;
    }
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0 || errno == ENOENT;
}

// A temporary file beside the target under a name nobody else holds: made
// exclusively, so it never opens through a planted link or another
// writer's file. Returns the descriptor, or -1 with errno set.
int create_temporary(const std::filesystem::path& target, std::string& name) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto stamp = static_cast<unsigned long long>(
            std::chrono::steady_clock::now().time_since_epoch().count());
        name = target.string() + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(++counter) + "-" +
               std::to_string(stamp % 1000000);
        int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// After a rename the folder itself must reach the disk, or a power cut can
// bring back the old name. Nothing can be undone by then, so a failure here
// is not reported.
void sync_folder(const std::filesystem::path& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}

} // namespace

WriteError replace_file(const std::filesystem::path& requested, std::string_view bytes) {
    const std::filesystem::path path = follow_links(requested);
    // The rename would not follow a link, and would put a plain file in the
    // place of one link of the loop.
    if (std::error_code ec; std::filesystem::is_symlink(path, ec))
        return say("cannot follow the file's links: %1", std::strerror(ELOOP));
    struct stat old {};
    const bool existed = ::stat(path.c_str(), &old) == 0;
    if (existed && !may_write(path)) return say("the file is read-only");
    const std::filesystem::path folder = path.parent_path().empty() ? std::filesystem::path(".") : path.parent_path();
    if (!may_write(folder)) return say("the folder is read-only");

    std::string temp;
    int fd = create_temporary(path, temp);
    if (fd < 0) return say("cannot create a new copy in the folder: %1", std::strerror(errno));
    // words: the failure, with %1 for the system's reason, which is read
    // before anything else can change it.
    auto fail = [&](const char* words) {
        const int reason = errno;
        WriteError error = say(words, std::strerror(reason));
        ::close(fd);
        ::unlink(temp.c_str());
        return error;
    };
    if (existed) {
        // The new copy keeps what the player set on the old one. Only root
        // may give a file to another owner; for anyone else this changes
        // nothing, so its failure is no reason to stop.
        (void)::fchown(fd, old.st_uid, old.st_gid);
        if (::fchmod(fd, old.st_mode & 07777) != 0) return fail(QUARN_TEXT("cannot keep the file's permissions: %1"));
    }
    std::size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(QUARN_TEXT("cannot write: %1"));
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) return fail(QUARN_TEXT("cannot flush: %1"));
    if (::close(fd) != 0) {
        WriteError error = say("cannot close: %1", std::strerror(errno));
        ::unlink(temp.c_str());
        return error;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        WriteError error = say("cannot replace: %1", std::strerror(errno));
        ::unlink(temp.c_str());
        return error;
    }
    sync_folder(folder);
    return {};
}

} // namespace quarn
