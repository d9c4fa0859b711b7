// Automation scripts are text files from outside: any bytes must parse without harm.
#include "platform/script.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> errors;
    const std::string text(reinterpret_cast<const char*>(data), size);
    velmora::parseScript(text, errors);
    return 0;
}
