#pragma once
// Opening a document (the manual) with the desktop's default program for its kind.

#include <string_view>

namespace velmora {

// Joins folder and file name (a backslash between them unless the folder ends with one) and opens
// the result without waiting for the opener. False when the file is missing or cannot be opened.
bool openDocument(std::wstring_view folder, std::wstring_view fileName);

} // namespace velmora
