// Any bytes read as items: every read moves on, and the end is always reached.
#include "platform/convert.h"
#include "platform/text_file.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quarn::ItemReader reader(std::string(reinterpret_cast<const char*>(data), size));
    std::size_t reads = 0;
    while (!reader.at_end()) {
        std::string item = reader.read_text();
        if (item.size() > size || ++reads > size + 1) std::abort();
        if (reads % 2 == 0) (void)quarn::text_to_number(reader.read_text());
    }
    return 0;
}
