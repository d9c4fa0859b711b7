#pragma once
// Registration and shared drawing of the standard controls. Not for use outside platform/.

#include "platform/gdi.h"
#include "platform/types.h"

#include <string>
#include <vector>

namespace velmora {

void registerStandardControls();

LRESULT buttonProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT staticProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT editProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT listBoxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT comboBoxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Tells the parent: WM_COMMAND with the control's identifier and a notification code.
void notifyParent(HWND control, WORD code);
// Prepares a paint context: the font set on the control, the colours its parent chooses through
// colourMessage (white background and black text when it leaves them), and the background filled.
// Returns the brush the background was filled with.
HBRUSH prepareControlContext(HWND control, HDC dc, UINT colourMessage, HFONT font);
// A one-pixel frame inside the rectangle.
void drawFrame(HDC dc, const RECT& rect, COLORREF color);
int lineHeightOf(HDC dc);
// WM_SETFONT (redrawing when asked) and WM_GETFONT of a control that keeps its font in font; true
// when the message was one of them.
bool handleFontMessage(HWND control, HFONT& font, UINT message, WPARAM wParam, LPARAM lParam,
                       LRESULT& result);

// The items of a list box or combo box.
struct ListItem {
    std::wstring text;
    LRESULT data = 0;
};
struct ItemList {
    std::vector<ListItem> items;
    int selection = -1;
    int top = 0; // first item shown
};
// Handles the item messages shared by both controls (given as their LB_ numbers); true when the
// message was one of them.
bool handleItemMessage(ItemList& list, UINT listMessage, WPARAM wParam, LPARAM lParam, LRESULT& result);
// The LB_ message matching a CB_ message, or 0.
UINT listMessageFor(UINT comboMessage);

} // namespace velmora
