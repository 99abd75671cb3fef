// Any dictionary file: the slots hold exactly the items the item reader
// reads, and the index answers exactly what the plain walk answers.
#include "platform/letters.h"
#include "platform/text_file.h"
#include "words/dictionary.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    quarn::Dictionary dictionary;
    dictionary.read(bytes);
    // The dictionary holds the file's text, decoded and composed.
    const std::string text_of_file = quarn::decode_composed(bytes);
    quarn::ItemReader reader(text_of_file);
    std::size_t slot = 1;
    for (; !reader.at_end(); ++slot)
        if (slot >= dictionary.size() || dictionary.word(slot) != reader.read_text()) std::abort();
    if (slot != dictionary.size()) std::abort();
    // Texts made of the input itself hit its words often.
    for (std::size_t start = 0; start < text_of_file.size() && start < 64; start += 3) {
        const quarn::LetterText text(std::string_view(text_of_file).substr(start, 1 + (start * 7) % 19));
        if (dictionary.contained_in(text) != dictionary.contained_in_linear(text)) std::abort();
        if (!text.text.empty() && dictionary.exact(text.text) != dictionary.exact_linear(text.text)) std::abort();
    }
    for (slot = 1; slot < dictionary.end_slot() && slot < 8; ++slot) {
        const std::string_view word = dictionary.word(slot);
        if (!word.empty() && dictionary.exact(word) != dictionary.exact_linear(word)) std::abort();
    }
    return 0;
}
