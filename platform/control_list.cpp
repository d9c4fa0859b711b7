// The list box and the drop-down combo box, which shows the same kind of list below its field
// while it is open.
#include "platform/controls.h"
#include "platform/drawing.h"
#include "platform/messages.h"
#include "platform/native_window.h"
#include "platform/paint.h"
#include "platform/standard_controls.h"
#include "platform/text.h"
#include "platform/window_state.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr int scrollBarWidth = 10;
constexpr int droppedItems = 5; // rows of an open combo box created no taller than its field

struct ListBoxState : WindowExtra {
    HFONT font = nullptr;
    ItemList list;
};

struct ComboBoxState : WindowExtra {
    HFONT font = nullptr;
    ItemList list;
    bool dropped = false;
    int droppedHeight = 0; // the height asked for at creation: field and open list
};

int itemHeight(HWND window, HFONT font) {
    HDC dc = GetDC(window);
    SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    const int height = lineHeightOf(dc) + 2;
    ReleaseDC(window, dc);
    return height;
}

// Draws the items from list.top into area; the selected one inverted. With a scroll bar when
// they do not all fit.
void drawItems(HDC dc, const RECT& area, const ItemList& list, int rowHeight) {
    const int rows = std::max(1, static_cast<int>(area.bottom - area.top) / rowHeight);
    const int count = static_cast<int>(list.items.size());
    const bool scrolling = count > rows;
    const int right = scrolling ? area.right - scrollBarWidth : area.right;
    HBRUSH selected = CreateSolidBrush(RGB(0, 0, 128));
    for (int i = list.top; i < count && i < list.top + rows; ++i) {
        RECT row{area.left, area.top + (i - list.top) * rowHeight, right,
                 area.top + (i - list.top + 1) * rowHeight};
        const bool isSelected = i == list.selection;
        if (isSelected)
            FillRect(dc, &row, selected);
        const COLORREF previous = SetTextColor(dc, isSelected ? RGB(255, 255, 255) : GetTextColor(dc));
        RECT textArea{row.left + 2, row.top, row.right - 2, row.bottom};
        DrawTextW(dc, list.items[static_cast<size_t>(i)].text.c_str(), -1, &textArea,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        SetTextColor(dc, previous);
    }
    DeleteObject(selected);
    if (scrolling) {
        const RECT bar{right, area.top, area.right, area.bottom};
        drawFrame(dc, bar, RGB(128, 128, 128));
        const int track = static_cast<int>(bar.bottom - bar.top);
        const int thumbTop = bar.top + track * list.top / count;
        const int thumbBottom = bar.top + track * std::min(count, list.top + rows) / count;
        RECT thumb{bar.left + 2, thumbTop + 1, bar.right - 2, std::max(thumbTop + 3, thumbBottom - 1)};
        FillRect(dc, &thumb, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    }
}

void keepSelectionVisible(ItemList& list, int rows) {
    if (list.selection < 0)
        return;
    if (list.selection < list.top)
        list.top = list.selection;
    if (list.selection >= list.top + rows)
        list.top = list.selection - rows + 1;
}

// A press at y inside a list area: on the scroll bar it pages, on an item it selects it. Returns
// true when the selection changed.
bool pressList(ItemList& list, const RECT& area, int x, int y, int rowHeight) {
    const int rows = std::max(1, static_cast<int>(area.bottom - area.top) / rowHeight);
    const int count = static_cast<int>(list.items.size());
    if (count > rows && x >= area.right - scrollBarWidth) {
        const bool up = y < (area.top + area.bottom) / 2;
        list.top = std::clamp(list.top + (up ? -rows : rows), 0, count - rows);
        return false;
    }
    const int index = list.top + (y - static_cast<int>(area.top)) / rowHeight;
    if (y < area.top || index >= count || index == list.selection)
        return false;
    list.selection = index;
    return true;
}

bool moveSelection(ItemList& list, WPARAM key, int rows) {
    const int count = static_cast<int>(list.items.size());
    if (count == 0)
        return false;
    int selection = list.selection;
    if (key == VK_UP)
        selection = std::max(0, selection - 1);
    else if (key == VK_DOWN)
        selection = std::min(count - 1, selection + 1);
    else if (key == VK_HOME)
        selection = 0;
    else if (key == VK_END)
        selection = count - 1;
    else
        return false;
    if (selection == list.selection)
        return false;
    list.selection = selection;
    keepSelectionVisible(list, rows);
    return true;
}

int fieldHeight(HWND window, const ComboBoxState& state) {
    return itemHeight(window, state.font) + 4;
}

void showDropDown(HWND window, ComboBoxState& state, bool drop) {
    if (state.dropped == drop)
        return;
    state.dropped = drop;
    RECT rect;
    GetWindowRect(window, &rect);
    POINT origin{rect.left, rect.top};
    if (HWND parent = GetParent(window))
        ScreenToClient(parent, &origin);
    const int field = fieldHeight(window, state);
    const int open = std::max(state.droppedHeight, field + droppedItems * itemHeight(window, state.font));
    MoveWindow(window, origin.x, origin.y, rect.right - rect.left, drop ? open : field, true);
}

} // namespace

LRESULT listBoxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ListBoxState* state = extraOf<ListBoxState>(window);
    if (!state)
        return 0;
    LRESULT result = 0;
    if (handleFontMessage(window, state->font, message, wParam, lParam, result))
        return result;
    if (handleItemMessage(state->list, message, wParam, lParam, result)) {
        InvalidateRect(window, nullptr, true);
        return result;
    }
    RECT client;
    GetClientRect(window, &client);
    const RECT area{client.left + 1, client.top + 1, client.right - 1, client.bottom - 1};
    const int rowHeight = itemHeight(window, state->font);
    const bool notify = GetWindowLongW(window, GWL_STYLE) & LBS_NOTIFY;
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        if (HDC dc = BeginPaint(window, &paint)) {
            prepareControlContext(window, dc, WM_CTLCOLORLISTBOX, state->font);
            drawFrame(dc, client, RGB(128, 128, 128));
            drawItems(dc, area, state->list, rowHeight);
            EndPaint(window, &paint);
        }
        return 0;
    }
    case WM_LBUTTONDOWN: {
        SetFocus(window);
        const bool changedSelection =
            pressList(state->list, area, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), rowHeight);
        InvalidateRect(window, nullptr, false);
        if (changedSelection && notify)
            notifyParent(window, LBN_SELCHANGE);
        return 0;
    }
    case WM_KEYDOWN:
        if (moveSelection(state->list, wParam,
                          std::max(1, static_cast<int>(area.bottom - area.top) / rowHeight))) {
            InvalidateRect(window, nullptr, false);
            if (notify)
                notifyParent(window, LBN_SELCHANGE);
        }
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT comboBoxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ComboBoxState* state = extraOf<ComboBoxState>(window);
    if (!state)
        return 0;
    LRESULT result = 0;
    if (const UINT listMessage = listMessageFor(message)) {
        handleItemMessage(state->list, listMessage, wParam, lParam, result);
        InvalidateRect(window, nullptr, true);
        return result;
    }
    RECT client;
    GetClientRect(window, &client);
    const int field = fieldHeight(window, *state);
    const int rowHeight = itemHeight(window, state->font);
    const RECT listArea{client.left + 1, field, client.right - 1, client.bottom - 1};
    switch (message) {
    case WM_CREATE: {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        state->droppedHeight = create ? create->cy : 0;
        return 0;
    }
    case WM_SIZE:
        // Closed, the box is only as tall as its field.
        if (!state->dropped && HIWORD(static_cast<uintptr_t>(lParam)) != field) {
            state->dropped = true;
            showDropDown(window, *state, false);
        }
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        if (HDC dc = BeginPaint(window, &paint)) {
            prepareControlContext(window, dc, WM_CTLCOLORLISTBOX, state->font);
            const RECT box{0, 0, client.right, field};
            drawFrame(dc, box, RGB(128, 128, 128));
            const int selection = state->list.selection;
            RECT text{3, 0, client.right - field, field};
            if (selection >= 0)
                DrawTextW(dc, state->list.items[static_cast<size_t>(selection)].text.c_str(), -1, &text,
                          DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
            // The drop-down arrow.
            const int cx = client.right - field / 2, cy = field / 2;
            const POINT arrow[] = {{cx - 4, cy - 2}, {cx + 4, cy - 2}, {cx, cy + 2}};
            SelectObject(dc, GetStockObject(BLACK_BRUSH));
            SelectObject(dc, GetStockObject(NULL_PEN));
            Polygon(dc, arrow, 3);
            if (state->dropped) {
                drawFrame(dc, {0, field - 1, client.right, client.bottom}, RGB(0, 0, 0));
                drawItems(dc, listArea, state->list, rowHeight);
            }
            EndPaint(window, &paint);
        }
        return 0;
    }
    case WM_SETFONT:
        handleFontMessage(window, state->font, message, wParam, lParam, result);
        if (!state->dropped)
            showDropDown(window, *state, false); // the field's height follows the font
        return 0;
    case WM_GETFONT:
        handleFontMessage(window, state->font, message, wParam, lParam, result);
        return result;
    case CB_SHOWDROPDOWN:
        showDropDown(window, *state, wParam != 0);
        return 1;
    case WM_LBUTTONDOWN: {
        SetFocus(window);
        const int y = GET_Y_LPARAM(lParam);
        if (!state->dropped || y < field) {
            showDropDown(window, *state, !state->dropped);
            return 0;
        }
        const bool changedSelection = pressList(state->list, listArea, GET_X_LPARAM(lParam), y, rowHeight);
        if (GET_X_LPARAM(lParam) < listArea.right - scrollBarWidth ||
            static_cast<int>(state->list.items.size()) * rowHeight <= listArea.bottom - listArea.top)
            showDropDown(window, *state, false);
        InvalidateRect(window, nullptr, false);
        if (changedSelection)
            notifyParent(window, CBN_SELCHANGE);
        return 0;
    }
    case WM_KILLFOCUS:
        showDropDown(window, *state, false);
        return 0;
    case WM_KEYDOWN:
        if (moveSelection(state->list, wParam, droppedItems)) {
            InvalidateRect(window, nullptr, false);
            notifyParent(window, CBN_SELCHANGE);
        }
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace velmora
