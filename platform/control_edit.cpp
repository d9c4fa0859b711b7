// The edit control: one line, or several lines split at line breaks (no wrapping), with a caret,
// typing, Backspace, Delete and the caret keys.
#include "platform/controls.h"
#include "platform/drawing.h"
#include "platform/messages.h"
#include "platform/native_window.h"
#include "platform/paint.h"
#include "platform/standard_controls.h"
#include "platform/text.h"
#include "platform/window_state.h"

#include <algorithm>
#include <cwchar>

namespace velmora {

namespace {

constexpr int padding = 2;
constexpr size_t defaultLimit = 30000;

struct EditState : WindowExtra {
    HFONT font = nullptr;
    size_t caret = 0;
    size_t limit = defaultLimit;
    int scrollX = 0;   // single line: pixels scrolled left
    int firstLine = 0; // several lines: the first line shown
    bool focused = false;
};

DWORD styleOf(HWND window) {
    return static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
}

// Start offsets of the lines of a text, split at "\r\n" or '\n'.
std::vector<size_t> lineStarts(const std::wstring& text) {
    std::vector<size_t> starts{0};
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\n')
            starts.push_back(i + 1);
    }
    return starts;
}

size_t lineEnd(const std::wstring& text, const std::vector<size_t>& starts, size_t line) {
    size_t end = line + 1 < starts.size() ? starts[line + 1] - 1 : text.size();
    if (end > starts[line] && end <= text.size() && end > 0 && text[end - 1] == L'\r')
        --end;
    return end;
}

void setText(HWND window, const std::wstring& text) {
    DefWindowProcW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void paintEdit(HWND window, EditState& state) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (!dc)
        return;
    prepareControlContext(window, dc, WM_CTLCOLOREDIT, state.font);
    RECT client;
    GetClientRect(window, &client);
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
    if (exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE))
        drawFrame(dc, client, RGB(128, 128, 128));
    const std::wstring text = windowText(window);
    const int height = lineHeightOf(dc);
    const std::vector<size_t> starts = lineStarts(text);
    const bool multiLine = styleOf(window) & ES_MULTILINE;
    const int visibleWidth = client.right - 2 * padding;

    // Keep the caret in view.
    size_t caretLine = 0;
    while (caretLine + 1 < starts.size() && starts[caretLine + 1] <= state.caret)
        ++caretLine;
    SIZE before{};
    GetTextExtentPoint32W(dc, text.c_str() + starts[caretLine],
                          static_cast<int>(state.caret - starts[caretLine]), &before);
    if (before.cx - state.scrollX > visibleWidth - 1)
        state.scrollX = before.cx - visibleWidth + 1;
    if (before.cx < state.scrollX)
        state.scrollX = before.cx;
    const int visibleLines = std::max(1, (static_cast<int>(client.bottom) - 2 * padding) / height);
    if (static_cast<int>(caretLine) >= state.firstLine + visibleLines)
        state.firstLine = static_cast<int>(caretLine) - visibleLines + 1;
    if (static_cast<int>(caretLine) < state.firstLine)
        state.firstLine = static_cast<int>(caretLine);

    const RECT inside{padding, padding, client.right - padding, client.bottom - padding};
    const size_t shownLines = multiLine ? starts.size() : 1;
    for (size_t line = static_cast<size_t>(state.firstLine); line < shownLines; ++line) {
        const int y = padding + (static_cast<int>(line) - state.firstLine) * height;
        if (y >= client.bottom - padding)
            break;
        const size_t end = multiLine ? lineEnd(text, starts, line) : text.size();
        ExtTextOutW(dc, padding - state.scrollX, y, ETO_CLIPPED, &inside, text.c_str() + starts[line],
                    static_cast<int>(end - starts[line]), nullptr);
    }
    if (state.focused && !(styleOf(window) & ES_READONLY)) {
        const int x = padding + before.cx - state.scrollX;
        const int y = padding + (static_cast<int>(caretLine) - state.firstLine) * height;
        RECT caret{x, y, x + 1, std::min(y + height, static_cast<int>(client.bottom) - padding)};
        FillRect(dc, &caret, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    EndPaint(window, &paint);
}

void changed(HWND window) {
    InvalidateRect(window, nullptr, true);
    notifyParent(window, EN_CHANGE);
}

void insertText(HWND window, EditState& state, const std::wstring& insertion) {
    std::wstring text = windowText(window);
    if (text.size() + insertion.size() > state.limit)
        return;
    state.caret = std::min(state.caret, text.size());
    text.insert(state.caret, insertion);
    state.caret += insertion.size();
    setText(window, text);
    changed(window);
}

// Removes the character before (backward) or after the caret; a line break counts as one.
void eraseCharacter(HWND window, EditState& state, bool backward) {
    std::wstring text = windowText(window);
    state.caret = std::min(state.caret, text.size());
    size_t from = state.caret, to = state.caret;
    if (backward && from > 0)
        from -= (from >= 2 && text[from - 1] == L'\n' && text[from - 2] == L'\r') ? 2 : 1;
    if (!backward && to < text.size())
        to += (text[to] == L'\r' && to + 1 < text.size() && text[to + 1] == L'\n') ? 2 : 1;
    if (from == to)
        return;
    text.erase(from, to - from);
    state.caret = from;
    setText(window, text);
    changed(window);
}

size_t caretAtPoint(HWND window, EditState& state, int x, int y) {
    const std::wstring text = windowText(window);
    HDC dc = GetDC(window);
    SelectObject(dc, state.font ? static_cast<HGDIOBJ>(state.font) : GetStockObject(SYSTEM_FONT));
    const int height = lineHeightOf(dc);
    const std::vector<size_t> starts = lineStarts(text);
    size_t line = 0;
    if (styleOf(window) & ES_MULTILINE)
        line = static_cast<size_t>(
            std::clamp((y - padding) / height + state.firstLine, 0, static_cast<int>(starts.size()) - 1));
    const size_t end = (styleOf(window) & ES_MULTILINE) ? lineEnd(text, starts, line) : text.size();
    size_t caret = starts[line];
    int width = 0;
    for (size_t i = starts[line]; i < end; ++i) {
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str() + i, 1, &size);
        if (padding - state.scrollX + width + size.cx / 2 > x)
            break;
        width += size.cx;
        caret = i + 1;
    }
    ReleaseDC(window, dc);
    return caret;
}

} // namespace

LRESULT editProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    EditState* state = extraOf<EditState>(window);
    if (!state)
        return 0;
    if (LRESULT result = 0; handleFontMessage(window, state->font, message, wParam, lParam, result))
        return result;
    const bool readOnly = styleOf(window) & ES_READONLY;
    switch (message) {
    case WM_CREATE: {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        state->caret = create && create->lpszName ? std::wcslen(create->lpszName) : 0;
        return 0;
    }
    case WM_PAINT:
        paintEdit(window, *state);
        return 0;
    case WM_SETFOCUS:
        state->focused = true;
        InvalidateRect(window, nullptr, false);
        notifyParent(window, EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        state->focused = false;
        InvalidateRect(window, nullptr, false);
        notifyParent(window, EN_KILLFOCUS);
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(window);
        state->caret = caretAtPoint(window, *state, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        InvalidateRect(window, nullptr, false);
        return 0;
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        state->caret = windowText(window).size();
        state->scrollX = 0;
        state->firstLine = 0;
        InvalidateRect(window, nullptr, true);
        return result;
    }
    case WM_CHAR: {
        if (readOnly)
            return 0;
        const auto character = static_cast<wchar_t>(wParam);
        if (character == L'\b')
            eraseCharacter(window, *state, true);
        else if (character == L'\r' && (styleOf(window) & ES_MULTILINE))
            insertText(window, *state, L"\r\n");
        else if (character >= 0x20 && character != 0x7F)
            insertText(window, *state, std::wstring(1, character));
        return 0;
    }
    case WM_KEYDOWN: {
        const size_t length = windowText(window).size();
        switch (wParam) {
        case VK_LEFT:
            state->caret = state->caret > 0 ? state->caret - 1 : 0;
            break;
        case VK_RIGHT:
            state->caret = std::min(state->caret + 1, length);
            break;
        case VK_HOME:
            state->caret = 0;
            break;
        case VK_END:
            state->caret = length;
            break;
        case VK_DELETE:
            if (!readOnly)
                eraseCharacter(window, *state, false);
            break;
        default:
            return 0;
        }
        InvalidateRect(window, nullptr, false);
        return 0;
    }
    case EM_LIMITTEXT:
        state->limit = wParam == 0 ? defaultLimit : static_cast<size_t>(wParam);
        return 0;
    case EM_SETREADONLY:
        SetWindowLongW(window, GWL_STYLE,
                       static_cast<LONG_PTR>(wParam ? (styleOf(window) | ES_READONLY)
                                                    : (styleOf(window) & ~ES_READONLY)));
        InvalidateRect(window, nullptr, false);
        return 1;
    case EM_GETLINECOUNT:
        return (styleOf(window) & ES_MULTILINE) ? static_cast<LRESULT>(lineStarts(windowText(window)).size())
                                                : 1;
    case EM_SETSEL:
        state->caret =
            std::min(static_cast<size_t>(static_cast<intptr_t>(lParam) < 0 ? windowText(window).size()
                                                                           : static_cast<size_t>(lParam)),
                     windowText(window).size());
        InvalidateRect(window, nullptr, false);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace velmora
