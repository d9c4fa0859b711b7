#pragma once
// The state of a drawing context, shared by the platform's drawing files.

#include "platform/gdi.h"
#include "platform/types.h"

namespace velmora {

struct DeviceContext {
    HBITMAP bitmap = nullptr;        // selected bitmap; the device screen for a window's context
    HBITMAP defaultBitmap = nullptr; // the 1 x 1 bitmap a memory context starts with; owned
    HGDIOBJ pen = nullptr;
    HGDIOBJ brush = nullptr;
    HGDIOBJ font = nullptr;

    // A window's context draws onto the device screen, inside the window's visible area (its
    // children and the windows above it are left alone). A screen context (window null,
    // onScreen set) covers the whole screen.
    HWND window = nullptr;
    bool onScreen = false;
    bool limitedToPaint = false; // between BeginPaint and EndPaint: only the update rectangle
    RECT paintRect{};            // window coordinates

    COLORREF textColor = 0;
    COLORREF backgroundColor = 0xFFFFFF;
    int backgroundMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    int polyFillMode = ALTERNATE;
    POINT position{}; // current point of MoveToEx / LineTo
};

// Selects the stock pen, brush and font into a new context.
void selectDefaultObjects(DeviceContext& dc);
// A context that draws on the device screen for a window (null: the whole screen).
HDC createScreenContext(HWND window);

} // namespace velmora
