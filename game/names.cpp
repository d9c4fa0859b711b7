#include "game/names.h"

#include "base/wide_string.h"

namespace velmora {

namespace {

wchar_t raised(wchar_t c) {
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - (L'a' - L'A')) : c;
}

} // namespace

std::wstring prettyCourseName(std::wstring_view courseName) {
    std::wstring pretty(courseName);
    bool wordStart = true;
    for (wchar_t& c : pretty) {
        if (c == L'_') {
            c = L' ';
            wordStart = true;
        } else {
            if (wordStart)
                c = raised(c);
            wordStart = false;
        }
    }
    return pretty;
}

std::wstring resultText(int32_t strokesOverPar) {
    if (strokesOverPar == 0)
        return L"E";
    return formatWide(strokesOverPar > 0 ? L"+%d" : L"%d", strokesOverPar);
}

std::wstring recordSafeName(std::wstring_view name) {
    std::wstring safe(name);
    removeChars(safe, recordSeparators);
    for (size_t at = safe.find(L"//"); at != std::wstring::npos; at = safe.find(L"//", at))
        safe.erase(at, 1);
    return safe;
}

} // namespace velmora
