#include "gui/window.h"

#include "media/wave_sound.h"
#include "platform/controls.h"
#include "platform/drawing.h"
#include "platform/last_error.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/messages.h"
#include "platform/shell_services.h"
#include "render/gapi_display.h"
#include "surface/blitters.h"
#include "surface/transform.h"

#include <algorithm>
#include <cwctype>

namespace velmora {

namespace {

WaveDoneHandler waveDoneHandler = handleWaveDone;
constexpr size_t longestText = 64;
constexpr DWORD shellBars = SHFS_HIDETASKBAR | SHFS_HIDESIPBUTTON | SHFS_HIDESTARTICON;
constexpr DWORD shellBarsShown = SHFS_SHOWTASKBAR | SHFS_SHOWSIPBUTTON | SHFS_SHOWSTARTICON;

bool isEditClass(const std::wstring& name) {
    std::wstring lower = name;
    for (wchar_t& c : lower)
        c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    return lower == L"edit";
}

// The surface rectangle that a present of rect (in page coordinates) shows: clamped to the back
// buffer, as left, top, width, height.
bool clampedArea(const Surface& surface, const RECT& rect, RECT& area) {
    area.left = std::max<LONG>(rect.left, 0);
    area.top = std::max<LONG>(rect.top, 0);
    area.right = std::min<LONG>(rect.right, surface.width);
    area.bottom = std::min<LONG>(rect.bottom, surface.height);
    return area.right > area.left && area.bottom > area.top;
}

} // namespace

void setWaveDoneHandler(WaveDoneHandler handler) {
    waveDoneHandler = handler;
}

LRESULT toolkitProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* window = create ? static_cast<Window*>(create->lpCreateParams) : nullptr;
        if (!window)
            return DefWindowProcW(handle, message, wParam, lParam);
        window->attach(handle);
        window->onCreate();
        window->onCreated();
        return 0;
    }
    Window* window = Window::fromHandle(handle);
    if (!window)
        return DefWindowProcW(handle, message, wParam, lParam);
    switch (message) {
    case WM_DESTROY:
        window->onDestroy();
        window->onDestroyed();
        window->releaseWindowContext();
        KillTimer(handle, windowTimerId);
        if (!window->parentObject_)
            PostQuitMessage(0);
        window->handle_ = nullptr;
        return 0;
    case WM_SIZE:
        if (wParam == SIZE_RESTORED && window->timerEnabled_)
            SetTimer(handle, windowTimerId, window->timerInterval_, nullptr);
        else if (wParam == SIZE_MINIMIZED)
            KillTimer(handle, windowTimerId);
        return 0;
    case WM_ACTIVATE: {
        const bool active = LOWORD(wParam) != 0;
        for (Window* child : window->children_.copyItems())
            child->activate(active);
        if (!window->parentObject_)
            SHFullScreen(GetForegroundWindow(), active ? shellBars : shellBarsShown);
        window->activate(active);
        window->onActivated(active);
        return 0;
    }
    case WM_SETFOCUS:
        window->onSetFocus();
        return 0;
    case WM_KILLFOCUS:
        window->onKillFocus();
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(handle, &paint);
        window->onPaintMessage(paint);
        window->present(nullptr);
        EndPaint(handle, &paint);
        return 0;
    }
    case WM_CLOSE:
        if (window->onClose())
            return DefWindowProcW(handle, message, wParam, lParam);
        return 0;
    case WM_ERASEBKGND:
        window->onEraseBackground();
        return DefWindowProcW(handle, message, wParam, lParam);
    case WM_SHOWWINDOW:
        window->onShow(wParam == 1);
        return 0;
    case WM_KEYDOWN:
    case WM_KEYUP:
        window->onKey(message, static_cast<int>(wParam));
        if (window->keyListener_)
            window->keyListener_->onKeyMessage(window, message, static_cast<int>(wParam));
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == EN_SETFOCUS) {
            SHSipPreference(handle, SIP_UP);
        } else if (HIWORD(wParam) == EN_KILLFOCUS) {
            SHSipPreference(handle, SIP_DOWN);
        }
        if (window->commandListener_)
            window->commandListener_->onControlCommand(window, HIWORD(wParam), LOWORD(wParam),
                                                       reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_TIMER:
        if (wParam == windowTimerId)
            window->onTimer();
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORSCROLLBAR: {
        // The control's own colours when it is a toolkit window, else this window's.
        const Window* colours = Window::fromHandle(reinterpret_cast<HWND>(lParam));
        if (!colours)
            colours = window;
        auto dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, colours->textColor_);
        SetBkColor(dc, colours->backgroundColor_);
        return reinterpret_cast<LRESULT>(colours->brush_);
    }
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: {
        const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
        window->onMouse(message, wParam, x, y, MousePhase::BeforeListener);
        if (window->mouseListener_)
            window->mouseListener_->onCommand(window, message, wParam, x, y);
        window->onMouse(message, wParam, x, y, MousePhase::AfterListener);
        return 0;
    }
    case MM_WOM_DONE:
        if (waveDoneHandler)
            waveDoneHandler(handle, wParam, lParam);
        return DefWindowProcW(handle, message, wParam, lParam);
    default:
        return DefWindowProcW(handle, message, wParam, lParam);
    }
}

// Edit controls lose their caret keys on release: Return hands the focus back to the page, Escape
// and Left both erase the character before the caret (as the handheld's input panel expects).
LRESULT toolkitEditProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = Window::fromHandle(handle);
    if (!window || !window->savedProcedure_)
        return DefWindowProcW(handle, message, wParam, lParam);
    if (message == WM_KEYUP) {
        switch (wParam) {
        case VK_RETURN:
            if (window->parentObject_)
                SetFocus(window->parentObject_->handle());
            return 0;
        case VK_ESCAPE:
            PostMessageW(handle, WM_KEYDOWN, VK_LEFT, 1);
            PostMessageW(handle, WM_KEYDOWN, VK_DELETE, 1);
            return 0;
        case VK_LEFT:
            PostMessageW(handle, WM_KEYDOWN, VK_DELETE, 1);
            return 0;
        default:
            break;
        }
    }
    return CallWindowProcW(window->savedProcedure_, handle, message, wParam, lParam);
}

Window::Window(const std::wstring& title, HWND parent, bool hasBackBuffer)
    : parentHandle_(parent), hasBackBuffer_(hasBackBuffer), title_(title) {
    windowClass_.style = 0x4003;
    windowClass_.lpfnWndProc = toolkitProcedure;
    windowClass_.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass_.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    brush_ = CreateSolidBrush(backgroundColor_);
}

Window::Window(int id, HWND parent, bool hasBackBuffer) : Window(std::wstring(), parent, hasBackBuffer) {
    id_ = id;
}

Window::~Window() {
    children_.clear();
    if (handle_) {
        // The object is going: its window must not call back into it while it is destroyed.
        SetWindowLongW(handle_, GWL_USERDATA, 0);
        HWND handle = handle_;
        releaseWindowContext();
        handle_ = nullptr;
        DestroyWindow(handle);
    }
    releaseWindowContext();
    if (brush_)
        DeleteObject(brush_);
}

Window* Window::fromHandle(HWND handle) {
    return reinterpret_cast<Window*>(GetWindowLongW(handle, GWL_USERDATA));
}

void Window::attach(HWND handle) {
    handle_ = handle;
    SetWindowLongW(handle, GWL_USERDATA, reinterpret_cast<LONG_PTR>(this));
    windowDC_ = GetDC(handle);
    SetBkMode(windowDC_, TRANSPARENT);
    SetTextColor(windowDC_, RGB(255, 255, 255));
    drawingDC_ = windowDC_;
    measureClient();
    if (hasBackBuffer_)
        buildBackBuffer();
}

void Window::measureClient() {
    RECT client{};
    GetClientRect(handle_, &client);
    clientWidth_ = client.right - client.left;
    clientHeight_ = client.bottom - client.top;
}

void Window::buildBackBuffer() {
    auto surface = std::make_unique<Surface>();
    rotatedBuffer_.reset();
    if (!surface->create(pageWidth(), pageHeight(), true)) {
        backBuffer_.reset();
        drawingDC_ = windowDC_;
        return;
    }
    backBuffer_ = std::move(surface);
    drawingDC_ = backBuffer_->memoryDC;
    SetBkMode(drawingDC_, TRANSPARENT);
    SetTextColor(drawingDC_, RGB(255, 255, 255));
}

void Window::releaseWindowContext() {
    if (windowDC_)
        ReleaseDC(handle_, windowDC_);
    windowDC_ = nullptr;
    drawingDC_ = backBuffer_ ? backBuffer_->memoryDC : nullptr;
}

void Window::reportCreationError() const {
    const std::wstring text = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM, GetLastError());
    MessageBoxW(nullptr, text.c_str(), L"Error", MB_OK | MB_ICONEXCLAMATION);
}

bool Window::create(int x, int y, int width, int height) {
    if (handle_)
        return false;
    if (!parentHandle_ && !allowMultiple_) {
        if (HWND existing = FindWindowW(className_.c_str(), title_.c_str())) {
            SetForegroundWindow(existing);
            return false;
        }
    }
    windowClass_.lpszClassName = className_.c_str();
    WNDCLASSW known;
    if (!GetClassInfoW(nullptr, className_.c_str(), &known) && !RegisterClassW(&windowClass_)) {
        reportCreationError();
        return false;
    }
    const wchar_t* creationText = title_.c_str();
    HWND created = CreateWindowExW(exStyle_, className_.c_str(), creationText, style_, x, y, width, height,
                                   parentHandle_, id_, nullptr, this);
    if (!created) {
        reportCreationError();
        return false;
    }
    if (!handle_) {
        // A standard control: its own procedure saw the creation, so attach here.
        attach(created);
        if (isEditClass(className_))
            savedProcedure_ = reinterpret_cast<WNDPROC>(
                SetWindowLongW(created, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(toolkitEditProcedure)));
    }
    return true;
}

void Window::destroy() {
    if (handle_)
        DestroyWindow(handle_);
}

bool Window::move(int x, int y, int width, int height, bool remeasure) {
    if (!handle_ || !MoveWindow(handle_, x, y, width, height, true)) {
        reportCreationError();
        return false;
    }
    if (remeasure) {
        const int oldWidth = clientWidth_, oldHeight = clientHeight_;
        measureClient();
        if (hasBackBuffer_ && (oldWidth != clientWidth_ || oldHeight != clientHeight_))
            buildBackBuffer();
    }
    return true;
}

void Window::show(bool shown) {
    if (!handle_)
        return;
    ShowWindow(handle_, shown ? SW_SHOW : SW_HIDE);
    UpdateWindow(handle_);
}

bool Window::isVisible() const {
    return handle_ && IsWindowVisible(handle_);
}

void Window::enable(bool enabled) {
    if (handle_)
        EnableWindow(handle_, enabled);
}

void Window::setFocus() {
    if (handle_)
        SetFocus(handle_);
}

void Window::invalidate(bool erase, const RECT* rect) {
    if (handle_)
        InvalidateRect(handle_, rect, erase);
}

void Window::repaint() {
    if (!handle_)
        return;
    InvalidateRect(handle_, nullptr, false);
    UpdateWindow(handle_);
}

RECT Window::windowRect() const {
    RECT rect{};
    if (handle_)
        GetWindowRect(handle_, &rect);
    return rect;
}

int Window::width() const {
    const RECT rect = windowRect();
    return rect.right - rect.left;
}

int Window::height() const {
    const RECT rect = windowRect();
    return rect.bottom - rect.top;
}

void Window::setOrientation(ScreenOrientation orientation) {
    orientation_ = orientation;
    if (!handle_)
        return;
    measureClient();
    if (hasBackBuffer_)
        buildBackBuffer();
}

void Window::setText(const std::wstring& text) {
    title_ = text.size() > longestText ? text.substr(0, longestText + 1) : text;
    if (handle_)
        SetWindowTextW(handle_, title_.c_str());
}

std::wstring Window::text() const {
    return handle_ ? windowText(handle_) : title_;
}

LONG_PTR Window::windowLong(int index) const {
    return handle_ ? GetWindowLongW(handle_, index) : 0;
}

LONG_PTR Window::setWindowLong(int index, LONG_PTR value) {
    return handle_ ? SetWindowLongW(handle_, index, value) : 0;
}

void Window::setTimer(UINT interval) {
    timerEnabled_ = true;
    timerInterval_ = interval;
    if (handle_)
        SetTimer(handle_, windowTimerId, interval, nullptr);
}

void Window::killTimer() {
    timerEnabled_ = false;
    if (handle_)
        KillTimer(handle_, windowTimerId);
}

void Window::setControlColors(COLORREF textColor, COLORREF backgroundColor) {
    textColor_ = textColor;
    backgroundColor_ = backgroundColor;
    if (brush_)
        DeleteObject(brush_);
    brush_ = CreateSolidBrush(backgroundColor);
    invalidate(true, nullptr);
}

void Window::setFont(HFONT font) {
    if (handle_)
        SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font), MAKELPARAM(1, 0));
}

void Window::adoptChild(std::unique_ptr<Window> owned, int x, int y, int width, int height) {
    if (!owned)
        return;
    Window* child = owned.get();
    onAddChild(child, x, y, width, height);
    child->parentHandle_ = handle_;
    child->parentObject_ = this;
    children_.append(std::move(owned));
    child->create(x, y, width, height);
}

void Window::removeChild(Window* child) {
    if (!child || !children_.contains(child))
        return;
    onRemoveChild(child);
    children_.remove(child); // destroyed here, once it is no longer listed
}

Window* Window::findChild(int id) const {
    for (Window* child : children_) {
        if (child->id_ == id)
            return child;
    }
    return nullptr;
}

Window* Window::findChild(const std::wstring& text) const {
    for (Window* child : children_) {
        if (child->text() == text)
            return child;
    }
    return nullptr;
}

void Window::addOverlay(Overlay* overlay) {
    if (overlay && !overlays_.contains(overlay))
        overlays_.append(overlay);
}

void Window::removeOverlay(Overlay* overlay) {
    overlays_.removeValue(overlay);
}

void Window::present(const RECT* rect) {
    if (!backBuffer_ || !windowDC_)
        return;
    for (Overlay* overlay : overlays_)
        overlay->apply();
    if (GapiDisplay::isDisplayOpen()) {
        // Straight into the framebuffer, at the window's place on the screen.
        POINT origin{0, 0};
        ClientToScreen(handle_, &origin);
        RECT area = rect ? *rect : RECT{};
        GapiDisplay::blitToScreen(*backBuffer_, origin.x, origin.y, rect ? &area : nullptr, orientation_);
        return;
    }
    Surface* shown = backBuffer_.get();
    if (turned()) {
        if (!rotatedBuffer_) {
            rotatedBuffer_ = std::make_unique<Surface>();
            if (!rotatedBuffer_->create(backBuffer_->height, backBuffer_->width, true)) {
                rotatedBuffer_.reset();
                return;
            }
        }
        rotateSurface(*rotatedBuffer_, *backBuffer_,
                      orientation_ == ScreenOrientation::Clockwise ? QuarterTurn::Clockwise
                                                                   : QuarterTurn::CounterClockwise);
        shown = rotatedBuffer_.get();
    }
    if (!rect) {
        BitBlt(windowDC_, 0, 0, shown->width, shown->height, shown->memoryDC, 0, 0, SRCCOPY);
        return;
    }
    RECT area;
    if (!clampedArea(*backBuffer_, *rect, area))
        return;
    int left = area.left, top = area.top, width = area.right - area.left, height = area.bottom - area.top;
    if (orientation_ == ScreenOrientation::CounterClockwise) {
        left = area.top;
        top = backBuffer_->width - area.right;
        std::swap(width, height);
    } else if (orientation_ == ScreenOrientation::Clockwise) {
        left = backBuffer_->height - area.bottom;
        top = area.left;
        std::swap(width, height);
    }
    StretchBlt(windowDC_, left, top, width, height, shown->memoryDC, left, top, width, height, SRCCOPY);
}

void Window::limitText(int characters) {
    SendMessageW(handle_, EM_LIMITTEXT, static_cast<WPARAM>(characters), 0);
}

int Window::lineCount() const {
    return static_cast<int>(SendMessageW(handle_, EM_GETLINECOUNT, 0, 0));
}

void Window::setReadOnly(bool readOnly) {
    SendMessageW(handle_, EM_SETREADONLY, readOnly ? 1 : 0, 0);
}

int Window::textLength() const {
    return handle_ ? GetWindowTextLengthW(handle_) : 0;
}

namespace {
// The list messages of a combo box or a list box.
struct ItemMessages {
    UINT add, remove, reset, setSelection, getSelection, getText, getTextLength, find, count, setData;
};
ItemMessages itemMessagesOf(const std::wstring& className) {
    std::wstring lower = className;
    for (wchar_t& c : lower)
        c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    if (lower == L"combobox")
        return {CB_ADDSTRING, CB_DELETESTRING, CB_RESETCONTENT, CB_SETCURSEL, CB_GETCURSEL,
                CB_GETLBTEXT, CB_GETLBTEXTLEN, CB_FINDSTRING,   CB_GETCOUNT,  CB_SETITEMDATA};
    return {LB_ADDSTRING, LB_DELETESTRING, LB_RESETCONTENT, LB_SETCURSEL, LB_GETCURSEL,
            LB_GETTEXT,   LB_GETTEXTLEN,   LB_FINDSTRING,   LB_GETCOUNT,  LB_SETITEMDATA};
}
} // namespace

int Window::addItem(const std::wstring& text, LONG_PTR data) {
    const ItemMessages messages = itemMessagesOf(className_);
    const auto index =
        static_cast<int>(SendMessageW(handle_, messages.add, 0, reinterpret_cast<LPARAM>(text.c_str())));
    if (index >= 0)
        SendMessageW(handle_, messages.setData, static_cast<WPARAM>(index), data);
    return handle_ ? index : -1;
}

void Window::deleteItem(int index) {
    SendMessageW(handle_, itemMessagesOf(className_).remove, static_cast<WPARAM>(index), 0);
}

void Window::resetItems() {
    SendMessageW(handle_, itemMessagesOf(className_).reset, 0, 0);
}

void Window::setSelection(int index) {
    SendMessageW(handle_, itemMessagesOf(className_).setSelection, static_cast<WPARAM>(index), 0);
}

int Window::selection() const {
    return handle_ ? static_cast<int>(SendMessageW(handle_, itemMessagesOf(className_).getSelection, 0, 0))
                   : -1;
}

std::wstring Window::itemText(int index) const {
    const int length = itemTextLength(index);
    if (length < 0)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(handle_, itemMessagesOf(className_).getText, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

int Window::itemTextLength(int index) const {
    return handle_ ? static_cast<int>(SendMessageW(handle_, itemMessagesOf(className_).getTextLength,
                                                   static_cast<WPARAM>(index), 0))
                   : -1;
}

int Window::findItem(const std::wstring& prefix) const {
    return handle_ ? static_cast<int>(SendMessageW(handle_, itemMessagesOf(className_).find,
                                                   static_cast<WPARAM>(-1),
                                                   reinterpret_cast<LPARAM>(prefix.c_str())))
                   : -1;
}

int Window::itemCount() const {
    return handle_ ? static_cast<int>(SendMessageW(handle_, itemMessagesOf(className_).count, 0, 0)) : 0;
}

} // namespace velmora
