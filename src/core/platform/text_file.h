// The small text files of the working directory: reading them item by item,
// building their lines, and replacing a file so that a crash never leaves a
// half-written one.
#pragma once
#include "items.h"

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
    // The next item through the text-to-number rule.
    double read_number();

    // True when the last item began with a quote that was never closed.
    bool last_item_unterminated() const { return unterminated_; }

private:
    std::string bytes_;
    std::size_t pos_ = 0;
    bool unterminated_ = false;
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
using WriteError = std::string;

// Writes the bytes to a temporary file beside the target, flushes it to disk
// and renames it over the target. On failure the old file is left untouched
// and the returned text says what went wrong.
WriteError replace_file(const std::filesystem::path& path, std::string_view bytes);

} // namespace quarn
