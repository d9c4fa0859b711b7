#pragma once
// Text helpers of the course checks: breach sentences formatted printf-style, game text as UTF-8,
// and the comma-separated lists of the course template.

#include "base/wide_string.h"

#include <cstdarg>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::tool {

[[gnu::format(printf, 1, 2)]] inline std::string format(const char* pattern, ...) {
    char text[512];
    va_list arguments;
    va_start(arguments, pattern);
    std::vsnprintf(text, sizeof text, pattern, arguments);
    va_end(arguments);
    return text;
}

inline std::string narrow(std::wstring_view text) {
    return toUtf8(text);
}

// The items of "a, b, c", each stripped of blanks and tabs; empty items are left out.
inline std::vector<std::wstring> splitList(const std::wstring& text) {
    std::vector<std::wstring> items;
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(L',', start);
        if (comma == std::wstring::npos)
            comma = text.size();
        std::wstring item = text.substr(start, comma - start);
        item.erase(0, item.find_first_not_of(L" \t"));
        item.erase(item.find_last_not_of(L" \t") + 1);
        if (!item.empty())
            items.push_back(item);
        start = comma + 1;
    }
    return items;
}

} // namespace velmora::tool
