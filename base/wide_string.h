#pragma once
// Wide-string routines on which the template format rests: trimming, splitting, replacing and
// the number and colour conversions of template values.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora {

inline constexpr std::wstring_view blanksAndTabs = L" \t";

// In place: remove trailing / leading characters that are in set; trim does both.
void trimRight(std::wstring& text, std::wstring_view set);
void trimLeft(std::wstring& text, std::wstring_view set);
void trim(std::wstring& text, std::wstring_view set);

// Cuts at the first separator after trimming blanks and tabs; the key loses trailing, the value
// leading blanks and tabs. No separator: none.
std::optional<std::pair<std::wstring, std::wstring>> splitKeyValue(std::wstring text, wchar_t separator);

// Cuts text at every delimiter. With a required character, a piece without it is joined (with
// the delimiter before it) to the previous item, and a first such piece is dropped; a trailing
// empty piece is dropped. A text of one piece is one item. required == 0 keeps every piece.
std::vector<std::wstring> splitList(std::wstring_view text, wchar_t delimiter, wchar_t required);

void replaceChar(std::wstring& text, wchar_t from, wchar_t to);
// Replaces every occurrence of needle, only when needle and replacement have the same length.
void replaceSameLength(std::wstring& text, std::wstring_view needle, std::wstring_view replacement);
void removeChars(std::wstring& text, std::wstring_view set);
// Every pair c c becomes c.
void removeDoubled(std::wstring& text, wchar_t c);
// First c within the first limit characters.
std::optional<size_t> findBefore(std::wstring_view text, size_t limit, wchar_t c);
// Last c, when it lies within the last limit characters.
std::optional<size_t> findLastWithin(std::wstring_view text, size_t limit, wchar_t c);

// Removes every "\..\" together with the folder before it: 'a\b\..\c' becomes 'a\c'.
void collapseDotDot(std::wstring& path);

// Leading blanks, an optional sign and decimal digits, as a 32-bit value (saturating); 0 when
// there are no digits. "12abc" gives 12.
int32_t parseLong(std::wstring_view text);
// Leading decimal floating-point text (C locale); 0 when there is none.
double parseDouble(std::wstring_view text);

// '(r;g;b)' with decimal components, packed as (r << 16) | (g << 8) | b.
int32_t parseColor(std::wstring_view text);

// UTF-8 at the boundary to the operating system and to files. Invalid sequences become U+FFFD.
std::string toUtf8(std::wstring_view text);
std::wstring fromUtf8(std::string_view text);

// printf-style formatting into a wide string: wide strings are passed with %ls, narrow with %s.
std::wstring formatWide(const wchar_t* format, ...);

} // namespace velmora
