// Feeds arbitrary bytes, scrambled or plain, to the BDD reader of the detection library. Every
// input must either be read or fail with DetectError; what is read must hold a value for
// every property in every entry, as detection relies on.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "detect/BddReader.h"
#include "detect/DetectError.h"

using sentrel::detect::BddContent;
using sentrel::detect::BddReader;
using sentrel::detect::DetectError;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    BddContent content;
    try {
        content = BddReader::readBytes(bytes, "fuzz");
    } catch (const DetectError&) {
        return 0;
    }
    for (const auto& entry : content.entries) {
        if (entry.values.size() != content.properties.size()) std::abort();
    }
    return 0;
}
