#include "base/wide_string.h"

#include <cerrno>
#include <climits>
#include <clocale>
#include <cstdarg>
#include <cwchar>
#include <cwctype>

namespace velmora {

void trimRight(std::wstring& text, std::wstring_view set) {
    const size_t last = text.find_last_not_of(set.data(), std::wstring::npos, set.size());
    text.erase(last == std::wstring::npos ? 0 : last + 1);
}

void trimLeft(std::wstring& text, std::wstring_view set) {
    const size_t first = text.find_first_not_of(set.data(), 0, set.size());
    text.erase(0, first == std::wstring::npos ? text.size() : first);
}

void trim(std::wstring& text, std::wstring_view set) {
    trimRight(text, set);
    trimLeft(text, set);
}

std::optional<std::pair<std::wstring, std::wstring>> splitKeyValue(std::wstring text, wchar_t separator) {
    trim(text, blanksAndTabs);
    const size_t at = text.find(separator);
    if (at == std::wstring::npos)
        return std::nullopt;
    std::wstring key = text.substr(0, at);
    std::wstring value = text.substr(at + 1);
    trimRight(key, blanksAndTabs);
    trimLeft(value, blanksAndTabs);
    return std::make_pair(std::move(key), std::move(value));
}

std::vector<std::wstring> splitList(std::wstring_view text, wchar_t delimiter, wchar_t required) {
    std::vector<std::wstring_view> pieces;
    for (size_t start = 0;;) {
        const size_t end = text.find(delimiter, start);
        if (end == std::wstring_view::npos) {
            pieces.push_back(text.substr(start));
            break;
        }
        pieces.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (pieces.size() == 1)
        return {std::wstring(pieces.front())};
    if (pieces.back().empty())
        pieces.pop_back();

    std::vector<std::wstring> items;
    for (std::wstring_view piece : pieces) {
        if (required == 0 || piece.find(required) != std::wstring_view::npos) {
            items.emplace_back(piece);
        } else if (!items.empty()) {
            items.back() += delimiter;
            items.back() += piece;
        }
    }
    return items;
}

void replaceChar(std::wstring& text, wchar_t from, wchar_t to) {
    for (wchar_t& c : text) {
        if (c == from)
            c = to;
    }
}

void replaceSameLength(std::wstring& text, std::wstring_view needle, std::wstring_view replacement) {
    if (needle.empty() || needle.size() != replacement.size())
        return;
    for (size_t at = text.find(needle); at != std::wstring::npos; at = text.find(needle, at + needle.size()))
        text.replace(at, needle.size(), replacement);
}

void removeChars(std::wstring& text, std::wstring_view set) {
    std::erase_if(text, [set](wchar_t c) { return set.find(c) != std::wstring_view::npos; });
}

void removeDoubled(std::wstring& text, wchar_t c) {
    std::wstring result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        result += text[i];
        if (text[i] == c && i + 1 < text.size() && text[i + 1] == c)
            ++i;
    }
    text = std::move(result);
}

std::optional<size_t> findBefore(std::wstring_view text, size_t limit, wchar_t c) {
    const size_t at = text.substr(0, limit).find(c);
    return at == std::wstring_view::npos ? std::nullopt : std::optional<size_t>(at);
}

std::optional<size_t> findLastWithin(std::wstring_view text, size_t limit, wchar_t c) {
    const size_t at = text.rfind(c);
    if (at == std::wstring_view::npos || text.size() - at > limit)
        return std::nullopt;
    return at;
}

void collapseDotDot(std::wstring& path) {
    constexpr std::wstring_view dotDot = L"\\..\\";
    for (size_t at = path.find(dotDot); at != std::wstring::npos; at = path.find(dotDot)) {
        const size_t folderStart = at == 0 ? std::wstring::npos : path.rfind(L'\\', at - 1);
        const size_t keep = folderStart == std::wstring::npos ? 0 : folderStart + 1;
        path.erase(keep, at + dotDot.size() - keep);
    }
}

int32_t parseLong(std::wstring_view text) {
    size_t i = 0;
    while (i < text.size() && std::iswspace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-'))
        negative = text[i++] == L'-';
    int64_t value = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        value = value * 10 + (text[i] - L'0');
        if (value > int64_t(INT32_MAX) + 1)
            break;
    }
    if (negative)
        value = -value;
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(value);
}

double parseDouble(std::wstring_view text) {
    // Template numbers always use '.', whatever locale the process runs in.
    std::string narrow;
    for (wchar_t c : text) {
        if (c > 0x7F)
            break;
        narrow += static_cast<char>(c);
    }
    const char* begin = narrow.c_str();
    char* end = nullptr;
    locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr));
    const double value = cLocale ? strtod_l(begin, &end, cLocale) : std::strtod(begin, &end);
    if (cLocale)
        freelocale(cLocale);
    return end == begin ? 0.0 : value;
}

int32_t parseColor(std::wstring_view text) {
    std::wstring inner(text);
    trim(inner, L" \t()");
    const std::vector<std::wstring> parts = splitList(inner, L';', 0);
    int32_t channels[3] = {0, 0, 0};
    for (size_t i = 0; i < 3 && i < parts.size(); ++i)
        channels[i] = parseLong(parts[i]);
    return static_cast<int32_t>((static_cast<uint32_t>(channels[0]) << 16) |
                                (static_cast<uint32_t>(channels[1]) << 8) | static_cast<uint32_t>(channels[2]));
}

std::string toUtf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (wchar_t wide : text) {
        auto c = static_cast<uint32_t>(wide);
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = 0xFFFD;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::wstring fromUtf8(std::string_view text) {
    std::wstring out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        uint32_t c = length == 1 ? lead : length == 2 ? (lead & 0x1F) : length == 3 ? (lead & 0x0F) : (lead & 0x07);
        bool valid = length > 0 && i + length <= text.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        const uint32_t minimum[] = {0, 0, 0x80, 0x800, 0x10000};
        if (valid && (c < minimum[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)))
            valid = false;
        if (!valid) {
            out += wchar_t(0xFFFD);
            ++i;
            continue;
        }
        out += static_cast<wchar_t>(c);
        i += length;
    }
    return out;
}

std::wstring formatWide(const wchar_t* format, ...) {
    std::wstring buffer(256, L'\0');
    for (;;) {
        va_list arguments;
        va_start(arguments, format);
        const int written = std::vswprintf(buffer.data(), buffer.size(), format, arguments);
        va_end(arguments);
        if (written >= 0 && static_cast<size_t>(written) < buffer.size()) {
            buffer.resize(written);
            return buffer;
        }
        if (buffer.size() > (1u << 20))
            return L"";
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace velmora
