// Decoding, normal form and letters, on ICU's Unicode data.
#include "platform/letters.h"

#include "platform/eight_bytes.h"

#include <unicode/brkiter.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unorm2.h>
#include <unicode/utext.h>
#include <unicode/utf8.h>

#include <algorithm>
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
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
    const unsigned char lead = at(0);
    const std::size_t left = s.size() - i;
    auto trails = [&](std::size_t n) {
        if (left <= n) return false;
        for (std::size_t k = 1; k <= n; ++k)
            if ((at(k) & 0xC0) != 0x80) return false;
        return true;
    };
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return trails(1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (!trails(2)) return 0;
        if (lead == 0xE0 && at(1) < 0xA0) return 0; // overlong
        if (lead == 0xED && at(1) > 0x9F) return 0; // a surrogate
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (!trails(3)) return 0;
        if (lead == 0xF0 && at(1) < 0x90) return 0; // overlong
        if (lead == 0xF4 && at(1) > 0x8F) return 0; // past U+10FFFF
        return 4;
    }
    return 0;
}

// Which characters leave any text they are in composed as it stands: those
// that the composed form keeps as they are and that attach to nothing before
// them. A text made of these alone is in normal form, which saves the full
// check for nearly every word of a dictionary. Worked out from ICU's data
// the first time a text is not plain ASCII: the two-byte characters (Latin,
// Greek, Cyrillic ...) at once, the rest of the Basic Multilingual Plane
// when a text first holds one of them.
bool composes_as_it_stands(UChar32 c) {
    return u_getCombiningClass(c) == 0 && u_getIntPropertyValue(c, UCHAR_NFC_QUICK_CHECK) == UNORM_YES;
}

// The two-byte characters: by lead byte (0xC2 to 0xDF) and the low six bits
// of the trail byte; and the lead bytes all of whose characters compose as
// they stand (Cyrillic's, Latin-1's ...).
struct TwoByteTable {
    std::array<bool, 30 * 64> composed{};
    std::array<std::uint8_t, 256> whole_lead{};
};
const TwoByteTable& two_byte_composed() {
    static const TwoByteTable table = [] {
        TwoByteTable t;
        for (std::size_t i = 0; i < t.composed.size(); ++i)
            t.composed[i] = composes_as_it_stands(static_cast<UChar32>(0x80 + i));
        for (std::size_t lead = 0xC2; lead <= 0xDF; ++lead)
            t.whole_lead[lead] = std::all_of(t.composed.begin() + static_cast<std::ptrdiff_t>((lead - 0xC2) * 64),
                                             t.composed.begin() + static_cast<std::ptrdiff_t>((lead - 0xC1) * 64),
                                             [](bool c) { return c; });
        return t;
    }();
    return table;
}

const std::bitset<0x10000>& plane_composed() {
    static const std::bitset<0x10000> table = [] {
        std::bitset<0x10000> t;
        for (UChar32 c = 0; c < 0x10000; ++c) t[static_cast<std::size_t>(c)] = composes_as_it_stands(c);
        return t;
    }();
    return table;
}

// One look at a text: whether it is valid UTF-8, and whether it is in normal
// form for certain (when not, ICU has to look).
struct TextCheck {
    bool valid = true;
    bool surely_composed = true;
};

TextCheck check_text(std::string_view text) {
    // In a register, not in the result: it changes at every letter.
    bool composed = true;
    const auto* const begin = reinterpret_cast<const unsigned char*>(text.data());
    const auto* const end = begin + text.size();
    const TwoByteTable* two_byte = nullptr;
    for (const unsigned char* p = begin; p < end;) {
        if (end - p >= 8) {
            const std::uint64_t eight = load_eight(p);
            const std::uint64_t high = eight & high_bits;
            if (high == 0) {
                p += 8;
                continue;
            }
            // Four two-byte letters whose lead bytes need no closer look, as
            // most of a word of Cyrillic is.
            constexpr std::uint64_t lead_trail_mask = 0xC0E0C0E0C0E0C0E0ULL, lead_trail = 0x80C080C080C080C0ULL;
            if (two_byte != nullptr && (eight & lead_trail_mask) == lead_trail &&
                (two_byte->whole_lead[p[0]] & two_byte->whole_lead[p[2]] & two_byte->whole_lead[p[4]] &
                 two_byte->whole_lead[p[6]])) {
                p += 8;
                continue;
            }
            if (ascii(*p)) p += first_marked(high); // past plain letters to the first that is not
        }
        if (ascii(*p)) {
            ++p;
            continue;
        }
        if (two_byte == nullptr) two_byte = &two_byte_composed();
        if (end - p >= 2 && p[0] >= 0xC2 && p[0] <= 0xDF) {
            if ((p[1] & 0xC0) != 0x80) return {false, false};
            composed &= two_byte->composed[(p[0] - 0xC2u) * 64u + (p[1] & 0x3Fu)];
            p += 2;
            continue;
        }
        std::size_t at = static_cast<std::size_t>(p - begin);
        const std::size_t length = sequence_length(text, at);
        if (length == 0) return {false, false};
        UChar32 c = 0;
        U8_NEXT_UNSAFE(text.data(), at, c);
        composed = composed && c < 0x10000 && plane_composed()[static_cast<std::size_t>(c)];
        p += length;
    }
    return {true, composed};
}

// Windows-1252 from 0x80 to 0x9F; the five bytes it leaves undefined name
// no character. From 0xA0 on it is Latin-1.
constexpr std::array<char16_t, 32> windows_1252{
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

void append_windows_1252(std::string& out, std::string_view line) {
    for (char b : line) {
        const auto byte = static_cast<unsigned char>(b);
        if (ascii(byte)) {
            out += b;
            continue;
        }
        const char32_t c = byte < 0xA0 ? windows_1252[byte - 0x80] : char32_t{byte};
        char bytes[4];
        std::int32_t length = 0;
        U8_APPEND_UNSAFE(bytes, length, c);
        out.append(bytes, static_cast<std::size_t>(length));
    }
}

// Each line as UTF-8 where it is valid UTF-8, otherwise as Windows-1252: one
// stray byte spoils only its own line. Line ends are kept as they are.
std::string decode_lines(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 4);
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        const std::string_view line = bytes.substr(start, end - start);
        if (check_text(line).valid)
            text += line;
        else
            append_windows_1252(text, line);
        start = std::min(bytes.find_first_not_of("\r\n", end), bytes.size());
        text += bytes.substr(end, start - end);
    }
    return text;
}

void drop_byte_order_mark(std::string& bytes) {
    constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";
    if (std::string_view(bytes).starts_with(byte_order_mark)) bytes.erase(0, byte_order_mark.size());
}

std::string compose(std::string text) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status)) return text;
    std::string composed;
    icu::StringByteSink<std::string> sink(&composed, static_cast<std::int32_t>(text.size()));
    nfc->normalizeUTF8(0, icu::StringPiece(text.data(), static_cast<std::int32_t>(text.size())), sink, nullptr,
                       status);
    return U_SUCCESS(status) ? composed : text;
}

// The character boundaries ICU finds between letters, on a reused iterator:
// making one is costly.
icu::BreakIterator* letter_breaks() {
    thread_local std::unique_ptr<icu::BreakIterator> breaks = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::BreakIterator> it(
            icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
        return U_SUCCESS(status) ? std::move(it) : nullptr;
    }();
    return breaks.get();
}

bool plain_printable_ascii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= ' ' && c <= '~'; });
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
            const std::size_t n = std::max<std::size_t>(1, sequence_length(text, i));
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

std::string decode_file_text(std::string bytes) {
    drop_byte_order_mark(bytes);
    return check_text(bytes).valid ? std::move(bytes) : decode_lines(bytes);
}

std::string to_nfc(std::string text) {
    return check_text(text).surely_composed ? std::move(text) : compose(std::move(text));
}

std::string decode_composed(std::string bytes) {
    drop_byte_order_mark(bytes);
    const TextCheck check = check_text(bytes);
    if (check.valid && check.surely_composed) return bytes;
    return compose(check.valid ? std::move(bytes) : decode_lines(bytes));
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
        if (sequence_length(text, i) == 0) return false;
        UChar32 c = 0;
        U8_NEXT_UNSAFE(text.data(), i, c);
        if (c == 0xFFFD || !u_isgraph(c)) return false;
    }
    return true;
}

} // namespace quarn
