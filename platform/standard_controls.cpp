#include "platform/standard_controls.h"

#include "platform/controls.h"
#include "platform/drawing.h"
#include "platform/messages.h"
#include "platform/native_window.h"
#include "platform/paint.h"
#include "platform/text.h"

#include <algorithm>
#include <cwctype>

namespace velmora {

namespace {

void registerControl(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSW windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = name;
    RegisterClassW(&windowClass);
}

bool startsWithIgnoringCase(const std::wstring& text, const wchar_t* prefix) {
    for (size_t i = 0; prefix[i]; ++i) {
        if (i >= text.size() ||
            std::towlower(static_cast<wint_t>(text[i])) != std::towlower(static_cast<wint_t>(prefix[i])))
            return false;
    }
    return true;
}

} // namespace

void registerStandardControls() {
    registerControl(L"BUTTON", buttonProcedure);
    registerControl(L"STATIC", staticProcedure);
    registerControl(L"EDIT", editProcedure);
    registerControl(L"LISTBOX", listBoxProcedure);
    registerControl(L"COMBOBOX", comboBoxProcedure);
}

void notifyParent(HWND control, WORD code) {
    if (HWND parent = GetParent(control))
        SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                     reinterpret_cast<LPARAM>(control));
}

HBRUSH prepareControlContext(HWND control, HDC dc, UINT colourMessage, HFONT font) {
    SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    SetBkMode(dc, TRANSPARENT);
    HBRUSH brush = nullptr;
    if (HWND parent = GetParent(control))
        brush = reinterpret_cast<HBRUSH>(SendMessageW(parent, colourMessage, reinterpret_cast<WPARAM>(dc),
                                                      reinterpret_cast<LPARAM>(control)));
    if (!brush)
        brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    SetBkMode(dc, TRANSPARENT);
    RECT client;
    GetClientRect(control, &client);
    FillRect(dc, &client, brush);
    return brush;
}

void drawFrame(HDC dc, const RECT& rect, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    const RECT edges[] = {{rect.left, rect.top, rect.right, rect.top + 1},
                          {rect.left, rect.bottom - 1, rect.right, rect.bottom},
                          {rect.left, rect.top, rect.left + 1, rect.bottom},
                          {rect.right - 1, rect.top, rect.right, rect.bottom}};
    for (const RECT& edge : edges)
        FillRect(dc, &edge, brush);
    DeleteObject(brush);
}

int lineHeightOf(HDC dc) {
    TEXTMETRICW metrics;
    return GetTextMetricsW(dc, &metrics) ? std::max<int>(metrics.tmHeight, 1) : 16;
}

bool handleFontMessage(HWND control, HFONT& font, UINT message, WPARAM wParam, LPARAM lParam,
                       LRESULT& result) {
    if (message == WM_GETFONT) {
        result = reinterpret_cast<LRESULT>(font);
        return true;
    }
    if (message != WM_SETFONT)
        return false;
    font = reinterpret_cast<HFONT>(wParam);
    if (LOWORD(static_cast<uintptr_t>(lParam)))
        InvalidateRect(control, nullptr, true);
    result = 0;
    return true;
}

bool handleItemMessage(ItemList& list, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const int count = static_cast<int>(list.items.size());
    const int index = static_cast<int>(static_cast<intptr_t>(wParam));
    const bool valid = index >= 0 && index < count;
    switch (message) {
    case LB_ADDSTRING:
        list.items.push_back({lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"", 0});
        result = count;
        return true;
    case LB_DELETESTRING:
        if (!valid) {
            result = LB_ERR;
            return true;
        }
        list.items.erase(list.items.begin() + index);
        if (list.selection == index)
            list.selection = -1;
        else if (list.selection > index)
            --list.selection;
        list.top = std::min(list.top, std::max(0, count - 2));
        result = count - 1;
        return true;
    case LB_RESETCONTENT:
        list = ItemList{};
        result = 0;
        return true;
    case LB_SETCURSEL:
        list.selection = valid ? index : -1;
        result = valid ? index : LB_ERR;
        return true;
    case LB_GETCURSEL:
        result = list.selection;
        return true;
    case LB_GETTEXT:
        if (!valid || !lParam) {
            result = LB_ERR;
            return true;
        }
        {
            auto* buffer = reinterpret_cast<wchar_t*>(lParam);
            const std::wstring& text = list.items[index].text;
            std::copy(text.begin(), text.end(), buffer);
            buffer[text.size()] = L'\0';
            result = static_cast<LRESULT>(text.size());
        }
        return true;
    case LB_GETTEXTLEN:
        result = valid ? static_cast<LRESULT>(list.items[index].text.size()) : LB_ERR;
        return true;
    case LB_GETCOUNT:
        result = count;
        return true;
    case LB_FINDSTRING: {
        // From the item after wParam (-1: from the start), wrapping round; a prefix match.
        result = LB_ERR;
        const auto* prefix = reinterpret_cast<const wchar_t*>(lParam);
        if (!prefix || count == 0)
            return true;
        const int start = index >= 0 && index < count ? index + 1 : 0;
        for (int i = 0; i < count; ++i) {
            const int candidate = (start + i) % count;
            if (startsWithIgnoringCase(list.items[candidate].text, prefix)) {
                result = candidate;
                break;
            }
        }
        return true;
    }
    case LB_GETITEMDATA:
        result = valid ? list.items[index].data : LB_ERR;
        return true;
    case LB_SETITEMDATA:
        if (valid)
            list.items[index].data = lParam;
        result = valid ? 0 : LB_ERR;
        return true;
    default:
        return false;
    }
}

UINT listMessageFor(UINT comboMessage) {
    switch (comboMessage) {
    case CB_ADDSTRING:
        return LB_ADDSTRING;
    case CB_DELETESTRING:
        return LB_DELETESTRING;
    case CB_GETCOUNT:
        return LB_GETCOUNT;
    case CB_GETCURSEL:
        return LB_GETCURSEL;
    case CB_GETLBTEXT:
        return LB_GETTEXT;
    case CB_GETLBTEXTLEN:
        return LB_GETTEXTLEN;
    case CB_RESETCONTENT:
        return LB_RESETCONTENT;
    case CB_FINDSTRING:
        return LB_FINDSTRING;
    case CB_SETCURSEL:
        return LB_SETCURSEL;
    case CB_GETITEMDATA:
        return LB_GETITEMDATA;
    case CB_SETITEMDATA:
        return LB_SETITEMDATA;
    default:
        return 0;
    }
}

} // namespace velmora
