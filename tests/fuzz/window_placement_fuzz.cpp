// The remembered window placement from any file: whatever is read stays within the sizes a window
// may be made at, and writing it back reads back the same.
#include "platform/desktop_window.h"

#include <cstdint>
#include <string_view>

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const WindowPlacement placement =
        parseWindowPlacement(std::string_view(reinterpret_cast<const char*>(data), size));
    const bool known = placement.width != 0 && placement.height != 0;
    const bool unknown = placement.width == 0 && placement.height == 0;
    if (!(unknown || (known && placement.width >= 64 && placement.width <= 16384 && placement.height >= 64 &&
                      placement.height <= 16384)))
        __builtin_trap();
    if (!(parseWindowPlacement(formatWindowPlacement(placement)) == placement))
        __builtin_trap();
    return 0;
}
