// Value lists and the number and colour conversions of their items, on any text.
#include "base/value_list.h"
#include "base/wide_string.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::wstring text = velmora::fromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
    const velmora::ValueList list = velmora::parseValueList(text);
    for (const std::wstring* name : list.keys()) {
        const std::wstring& value = *list.get(*name);
        velmora::parseLong(value);
        velmora::parseDouble(value);
        velmora::parseColor(value);
    }
    velmora::parseValueList(text, L',', L'=');
    return 0;
}
