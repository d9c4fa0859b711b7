#pragma once
// The state of a drawing context, shared by the platform's drawing files.

#include "platform/gdi.h"

namespace velmora {

struct DeviceContext {
    HBITMAP bitmap = nullptr;      // selected bitmap, never null for a memory context
    HBITMAP defaultBitmap = nullptr; // the 1 x 1 bitmap a new context starts with; owned
    HGDIOBJ pen = nullptr;
    HGDIOBJ brush = nullptr;
    HGDIOBJ font = nullptr;
};

} // namespace velmora
