#pragma once
// Texts made from names: a course's display name, the score against par as players read it, and
// player names cleaned of the characters that separate the items of the launch records, the
// best-score file and the saved games.

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

// "green_valley" becomes "Green Valley": every '_' a blank, the first letter and each letter after
// an '_' in upper case. Course names are lower-case ASCII words joined by '_'; other characters
// stay as they are.
std::wstring prettyCourseName(std::wstring_view courseName);

// Strokes against par: "E" for 0, "+5" above, "-2" below.
std::wstring resultText(int32_t strokesOverPar);

// The characters that split launch records, best-score lines and saved-game lines, the line breaks
// that end those lines, and the braces of a reference to another key.
inline constexpr std::wstring_view recordSeparators = L",=:;\r\n{}";
// The name without any of those characters, and with every run of '/' cut to one: "//" starts a
// comment in the files the game keeps, which would cut the rest of the line off.
std::wstring recordSafeName(std::wstring_view name);

} // namespace velmora
