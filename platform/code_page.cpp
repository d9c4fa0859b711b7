#include "platform/code_page.h"

#include <cwchar>

namespace velmora {

namespace {

// The characters of bytes 0x80 to 0x9F; 0 where the code page has none.
constexpr char16_t windows1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char toWindows1252(wchar_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i) {
        if (windows1252High[i] != 0 && static_cast<wchar_t>(windows1252High[i]) == c)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

int WideCharToMultiByte(UINT, const wchar_t* text, int count, char* out, int outSize) {
    if (!text || !out || outSize <= 0)
        return 0;
    const size_t length = count < 0 ? std::wcslen(text) + 1 : static_cast<size_t>(count);
    int written = 0;
    for (size_t i = 0; i < length && written < outSize; ++i)
        out[written++] = toWindows1252(text[i]);
    return written;
}

} // namespace velmora
