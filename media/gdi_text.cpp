#include "media/gdi_text.h"

#include "base/color.h"
#include "platform/drawing.h"
#include "platform/text.h"

#include <cwchar>

namespace velmora {

namespace {

constexpr uint8_t proportionalSansSerif = 0x20;
constexpr const wchar_t* defaultFace = L"Arial";

std::wstring_view faceOf(const FontRequest& request) {
    return request.face.empty() ? std::wstring_view(defaultFace) : request.face;
}

} // namespace

HFONT createFont(const FontRequest& request) {
    LOGFONTW logFont;
    logFont.lfHeight = request.height;
    logFont.lfWeight = request.weight;
    logFont.lfItalic = request.italic;
    logFont.lfUnderline = request.underline;
    logFont.lfPitchAndFamily = proportionalSansSerif;
    const std::wstring_view face = faceOf(request).substr(0, 31);
    face.copy(logFont.lfFaceName, face.size());
    logFont.lfFaceName[face.size()] = L'\0';
    HFONT font = CreateFontIndirectW(&logFont);
    return font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

bool fontMatches(HDC dc, const FontRequest& request) {
    LOGFONTW current;
    if (GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof current, &current) == 0)
        return false;
    return current.lfHeight == request.height && current.lfWeight == request.weight &&
           bool(current.lfItalic) == request.italic && bool(current.lfUnderline) == request.underline &&
           faceOf(request) == std::wstring_view(current.lfFaceName);
}

void useFont(HDC dc, const FontRequest& request) {
    if (fontMatches(dc, request))
        return;
    HGDIOBJ replaced = SelectObject(dc, createFont(request));
    if (replaced != GetStockObject(SYSTEM_FONT))
        DeleteObject(replaced);
}

void textOut(HDC dc, int x, int y, std::wstring_view text) {
    ExtTextOutW(dc, x, y, 0, nullptr, text.data(), static_cast<int>(text.size()), nullptr);
}

void textBox(HDC dc, RECT box, std::wstring_view text, UINT format) {
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &box, format);
}

TextMetrics textMetrics(HDC dc) {
    TEXTMETRICW metrics;
    if (!GetTextMetricsW(dc, &metrics))
        return {};
    return {static_cast<int>(metrics.tmAscent + metrics.tmDescent), static_cast<int>(metrics.tmAveCharWidth)};
}

SIZE textExtent(HDC dc, std::wstring_view text) {
    SIZE size;
    int fit = 0;
    if (!GetTextExtentExPointW(dc, text.data(), static_cast<int>(text.size()), 0, &fit, nullptr, &size))
        return SIZE{-1, -1};
    return size;
}

void fillWithColor(HDC dc, RECT rect, uint32_t color) {
    if (color == 0xFFFFFF || color == 0) {
        FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(color == 0 ? BLACK_BRUSH : WHITE_BRUSH)));
        return;
    }
    HBRUSH brush = CreateSolidBrush(rgbToColorRef(color));
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

} // namespace velmora
