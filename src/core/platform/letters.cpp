// Decoding, normal form and letters, on ICU's Unicode data.
#include "platform/letters.h"

#include "platform/eight_bytes.h"

#include <unicode/brkiter.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unorm2.h>
#include <unicode/utext.h>
#include <unicode/utf8.h>

#include <array>
#include <bitset>
#include <memory>

namespace quarn {

namespace {

constexpr std::uint64_t high_bits = 0x8080808080808080ULL;

bool ascii(unsigned char c) { return c < 0x80; }

// The length of the valid UTF-8 sequence at i, or 0 when the bytes there
// are not one: no overlong forms, no surrogates, nothing past U+10FFFF.
std::size_t sequence_length(std::string_view s, std::size_t i) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = at(i);
    const std::size_t left = s.size() - i;
    auto trail = [&](std::size_t k) { return k < left && (at(i + k) & 0xC0) == 0x80; };
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return trail(1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (left < 3 || !trail(1) || !trail(2)) return 0;
        const unsigned char second = at(i + 1);
        if (lead == 0xE0 && second < 0xA0) return 0; // overlong
        if (lead == 0xED && second > 0x9F) return 0; // a surrogate
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (left < 4 || !trail(1) || !trail(2) || !trail(3)) return 0;
        const unsigned char second = at(i + 1);
        if (lead == 0xF0 && second < 0x90) return 0; // overlong
        if (lead == 0xF4 && second > 0x8F) return 0; // past U+10FFFF
        return 4;
    }
    return 0;
}

// Windows-1252 from 0x80 to 0x9F; the five bytes it leaves undefined name
// no character. From 0xA0 on it is Latin-1.
constexpr std::array<char16_t, 32> windows_1252{
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

void append_utf8(std::string& out, char32_t c) {
    char bytes[4];
    std::int32_t length = 0;
    U8_APPEND_UNSAFE(bytes, length, c);
    out.append(bytes, static_cast<std::size_t>(length));
}

void append_windows_1252(std::string& out, std::string_view line) {
    for (char b : line) {
        const auto byte = static_cast<unsigned char>(b);
        if (ascii(byte))
            out += b;
        else
            append_utf8(out, byte < 0xA0 ? windows_1252[byte - 0x80] : char32_t{byte});
    }
}

const icu::Normalizer2& nfc() {
    static const icu::Normalizer2* instance = [] {
        UErrorCode status = U_ZERO_ERROR;
        const icu::Normalizer2* n = icu::Normalizer2::getNFCInstance(status);
        return U_SUCCESS(status) ? n : nullptr;
    }();
    return *instance;
}

// Which characters of the Basic Multilingual Plane leave any text they are
// in composed as it stands: those that the composed form keeps as they are
// and that attach to nothing before them. A text made of these alone is in
// normal form, which saves the full check for nearly every word of a
// dictionary. Built from ICU's data the first time a text is not plain ASCII.
class SurelyComposed {
public:
    static const SurelyComposed& get() {
        static const SurelyComposed table;
        return table;
    }
    bool operator()(char32_t c) const { return c < 0x10000 && bits_[c]; }

private:
    SurelyComposed() {
        for (char32_t c = 0; c < 0x10000; ++c)
            bits_[c] = u_getCombiningClass(static_cast<UChar32>(c)) == 0 &&
                       u_getIntPropertyValue(static_cast<UChar32>(c), UCHAR_NFC_QUICK_CHECK) == UNORM_YES;
    }
    std::bitset<0x10000> bits_;
};

// True when the (valid UTF-8) text is in composed normal form for certain;
// false when ICU has to look.
bool surely_nfc(std::string_view s) {
    const SurelyComposed* composed = nullptr;
    std::size_t i = 0;
    while (i < s.size()) {
        if (i + 8 <= s.size() && (load_eight(s.data() + i) & high_bits) == 0) {
            i += 8;
            continue;
        }
        const auto lead = static_cast<unsigned char>(s[i]);
        if (ascii(lead)) {
            ++i;
            continue;
        }
        if (composed == nullptr) composed = &SurelyComposed::get();
        UChar32 c = 0;
        U8_NEXT_UNSAFE(s.data(), i, c);
        if (!(*composed)(static_cast<char32_t>(c))) return false;
    }
    return true;
}

// The character boundaries ICU finds between letters, on a reused iterator:
// making one is costly.
icu::BreakIterator* letter_breaks() {
    thread_local std::unique_ptr<icu::BreakIterator> breaks = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::BreakIterator> it(icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
        return U_SUCCESS(status) ? std::move(it) : nullptr;
    }();
    return breaks.get();
}

bool plain_printable_ascii(std::string_view text) {
    for (char c : text)
        if (c < ' ' || c > '~') return false;
    return true;
}

// Calls each(begin, end) for every letter of the text, in order, until it
// returns false.
template <class Each>
void for_each_letter(std::string_view text, Each each) {
    // Between two printable ASCII characters there is always a boundary.
    if (plain_printable_ascii(text)) {
        for (std::size_t i = 0; i < text.size(); ++i)
            if (!each(i, i + 1)) return;
        return;
    }
    icu::BreakIterator* breaks = letter_breaks();
    UErrorCode status = U_ZERO_ERROR;
    UText* ut = utext_openUTF8(nullptr, text.data(), static_cast<std::int64_t>(text.size()), &status);
    if (breaks == nullptr || U_FAILURE(status)) {
        // Without ICU's data every character stands alone.
        utext_close(ut);
        for (std::size_t i = 0; i < text.size();) {
            std::size_t n = std::max<std::size_t>(1, sequence_length(text, i));
            if (!each(i, std::min(text.size(), i + n))) return;
            i += n;
        }
        return;
    }
    breaks->setText(ut, status);
    std::int32_t begin = breaks->first();
    for (std::int32_t end = breaks->next(); end != icu::BreakIterator::DONE; begin = end, end = breaks->next())
        if (!each(static_cast<std::size_t>(begin), static_cast<std::size_t>(end))) break;
    utext_close(ut);
}

} // namespace

bool is_valid_utf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (i + 8 <= bytes.size() && (load_eight(bytes.data() + i) & high_bits) == 0) {
            i += 8;
            continue;
        }
        const std::size_t n = sequence_length(bytes, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

std::string decode_file_text(std::string bytes) {
    constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";
    if (std::string_view(bytes).starts_with(byte_order_mark)) bytes.erase(0, byte_order_mark.size());
    if (is_valid_utf8(bytes)) return bytes;
    // One stray byte spoils only its own line.
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 4);
    const std::string_view all(bytes);
    std::size_t start = 0;
    while (start < all.size()) {
        std::size_t end = all.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = all.size();
        const std::string_view line = all.substr(start, end - start);
        if (is_valid_utf8(line))
            text += line;
        else
            append_windows_1252(text, line);
        const std::size_t next = all.find_first_not_of("\r\n", end);
        text += all.substr(end, (next == std::string_view::npos ? all.size() : next) - end);
        start = next == std::string_view::npos ? all.size() : next;
    }
    return text;
}

std::string to_nfc(std::string text) {
    if (surely_nfc(text)) return text;
    UErrorCode status = U_ZERO_ERROR;
    std::string composed;
    icu::StringByteSink<std::string> sink(&composed, static_cast<std::int32_t>(text.size()));
    nfc().normalizeUTF8(0, icu::StringPiece(text.data(), static_cast<std::int32_t>(text.size())), sink, nullptr,
                        status);
    return U_SUCCESS(status) ? composed : text;
}

std::vector<std::string> split_letters(std::string_view text) {
    std::vector<std::string> letters;
    for_each_letter(text, [&](std::size_t begin, std::size_t end) {
        letters.emplace_back(text.substr(begin, end - begin));
        return true;
    });
    return letters;
}

std::size_t letter_count(std::string_view text, std::size_t limit) {
    std::size_t count = 0;
    for_each_letter(text, [&](std::size_t, std::size_t) { return ++count <= limit; });
    return count;
}

std::string first_letters(std::string_view text, std::size_t count) {
    std::size_t cut = 0, taken = 0;
    for_each_letter(text, [&](std::size_t, std::size_t end) {
        if (taken == count) return false;
        ++taken;
        cut = end;
        return true;
    });
    return std::string(text.substr(0, cut));
}

LetterText::LetterText(std::string_view whole) {
    for_each_letter(whole, [&](std::size_t begin, std::size_t end) {
        append(whole.substr(begin, end - begin));
        return true;
    });
}

bool all_visible(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = sequence_length(text, i);
        if (n == 0) return false;
        UChar32 c = 0;
        U8_NEXT_UNSAFE(text.data(), i, c);
        if (c == 0xFFFD || !u_isgraph(c)) return false;
    }
    return true;
}

} // namespace quarn
