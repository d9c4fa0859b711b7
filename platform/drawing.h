#pragma once
// Drawing into a context: blits with raster operations, the keyed stretch, rectangle fills with
// brushes, and lines, rectangles, ellipses and polygons with the selected pen and brush. Coordinates
// are the context's; right and bottom edges are exclusive, as the game's code expects.

#include "platform/gdi.h"
#include "platform/types.h"

namespace velmora {

// Raster operations of BitBlt, StretchBlt and PatBlt.
enum RasterOp : DWORD {
    SRCCOPY = 0x00CC0020,
    SRCPAINT = 0x00EE0086,  // source OR destination
    SRCAND = 0x008800C6,    // source AND destination
    SRCINVERT = 0x00660046, // source XOR destination
    NOTSRCCOPY = 0x00330008,
    DSTINVERT = 0x00550009,
    PATCOPY = 0x00F00021, // the selected brush
    BLACKNESS = 0x00000042,
    WHITENESS = 0x00FF0062,
};

// Copies the area (x, y, width, height) from the source context at (sourceX, sourceY). The source
// may be at another depth (pixels are converted) and may be the destination itself. Operations
// that take no source (DSTINVERT, PATCOPY, BLACKNESS, WHITENESS) accept a null source.
bool BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
            DWORD rop);
// Scales the source rectangle to the destination rectangle, nearest pixel; a negative width or
// height on one side mirrors the picture.
bool StretchBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                int sourceWidth, int sourceHeight, DWORD rop);
// StretchBlt with source copy that leaves out source pixels of the key colour (compared at the
// source's depth).
bool TransparentImage(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                      int sourceY, int sourceWidth, int sourceHeight, COLORREF transparent);
bool PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);

// Fills with the brush, whatever the context's raster operation.
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);
// CLR_INVALID outside the drawing area.
COLORREF GetPixel(HDC dc, int x, int y);
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// Lines use the selected pen and the context's binary raster operation; a line leaves out its end
// point, so that joined lines draw each pixel once. Pens wider than one pixel are solid with round
// ends.
bool MoveToEx(HDC dc, int x, int y, POINT* previous);
bool LineTo(HDC dc, int x, int y);
bool Polyline(HDC dc, const POINT* points, int count);
// Shapes fill their inside with the selected brush and outline it with the selected pen, both
// under the raster operation; each pixel of one shape is written once.
bool Rectangle(HDC dc, int left, int top, int right, int bottom);
bool Ellipse(HDC dc, int left, int top, int right, int bottom);
bool Polygon(HDC dc, const POINT* points, int count);

} // namespace velmora
