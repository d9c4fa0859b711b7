#pragma once
// Wide text as the handheld's default 8-bit code page (Windows-1252, Western European), for the
// code that draws text with 8-bit glyph tables.

#include "platform/types.h"

namespace velmora {

constexpr UINT CP_ACP = 0;

// Converts count characters (count < 0: up to and with the terminator) into out, writing at most
// outSize bytes: a longer text is cut. Characters the code page lacks become '?'. Returns the bytes
// written.
int WideCharToMultiByte(UINT codePage, const wchar_t* text, int count, char* out, int outSize);

} // namespace velmora
