#pragma once
// The builders of each template line type, called by buildTemplateLine. Each reads its line's
// items, builds the object and attaches it to its container when that exists and is of the kind
// that can hold it (an object whose container is missing or of another kind is dropped).

#include "gui/scene_loader.h"

#include <string>

namespace velmora {

class Canvas;

// How many objects a "number" item asks for: 1 for none or below 1, at most maxCopies.
inline constexpr int maxCopies = 256;
int copyCount(const TemplateLine& line);
// The name of object i of a line: the key itself when the line has no "number".
std::wstring copyName(const std::wstring& key, const TemplateLine& line, int index);

void loadSceneLine(Canvas& page, const std::wstring& key, const std::wstring& type, const TemplateLine& line);
void loadSpriteLine(Canvas& page, const std::wstring& key, const TemplateLine& line);
void loadAwtComponentLine(Canvas& page, const std::wstring& key, const TemplateLine& line);
void loadGroup2DLine(Canvas& page, const std::wstring& key, const TemplateLine& line);
void loadWaveSoundLine(Canvas& page, const std::wstring& key, const TemplateLine& line);
void loadBitmapFontLine(Canvas& page, const std::wstring& key, const TemplateLine& line);
// "Group3D" and "Chip3D".
void loadObject3DLine(Canvas& page, const std::wstring& key, const std::wstring& type,
                      const TemplateLine& line);
void loadLodLine(Canvas& page, const TemplateLine& line);
void loadLightLine(Canvas& page, const std::wstring& key, const TemplateLine& line);
void loadFogLine(Canvas& page, const TemplateLine& line);

} // namespace velmora
