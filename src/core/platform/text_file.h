// The small text files of the working directory: reading them item by item,
// building their lines, and replacing a file so that a crash never leaves a
// half-written one.
#pragma once
#include "items.h"
#include "text.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quarn {

// Reads a text as a sequence of items, by the rules of next_item.
class ItemReader {
public:
    explicit ItemReader(std::string bytes) : bytes_(std::move(bytes)) {}

    // True once no further item can be read.
    bool at_end() const { return pos_ >= bytes_.size(); }
    // The next item; the empty text when at the end.
    std::string read_text();

private:
    std::string bytes_;
    std::size_t pos_ = 0;
};

// A line of items between double quotes, separated by commas, CR LF at the end.
std::string quoted_record(std::initializer_list<std::string_view> items);
// A line holding the text unchanged, CR LF at the end.
std::string plain_line(std::string_view text);
// A number in the signed form followed by one blank, as a plain line item.
std::string plain_number(long long value);

// The whole file, or nothing when it cannot be opened.
std::optional<std::string> read_whole_file(const std::filesystem::path& path);

// Creates or empties the file and writes the bytes, for logs that nothing
// reads back; false when it cannot be written.
bool write_file(const std::filesystem::path& path, std::string_view bytes);

// Why a file could not be written, in words a player can act on; empty on success.
using WriteError = Text;

// Writes the bytes to a temporary file beside the target, flushes it to disk,
// renames it over the target and flushes the folder. The new file keeps the
// old one's permission bits, and a symbolic link is written through to its
// target. A file or folder the running user may not write is refused. On
// failure the old file is left untouched and the returned text says what
// went wrong.
WriteError replace_file(const std::filesystem::path& path, std::string_view bytes);

} // namespace quarn
