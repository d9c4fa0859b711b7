// The template reader on any bytes: reading, reference expansion, item lookups and item edits.
#include "gui/property_template.h"

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    std::FILE* stream = fmemopen(const_cast<uint8_t*>(data), size, "r");
    if (!stream)
        return 0;
    velmora::PropertyTemplate properties;
    properties.read(stream);
    std::fclose(stream);
    for (const std::wstring& key : properties.keys()) {
        if (!properties.get(key))
            __builtin_trap(); // every listed key has a value
        properties.getInt(key, L"selected", 0);
        properties.getColor(key, L"", -1);
        properties.setItem(key, L"status", L"1");
    }
    if (properties.count() != static_cast<int>(properties.keys().size()))
        __builtin_trap();
    return 0;
}
