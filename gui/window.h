#pragma once
// The toolkit window: one native window with its class, its message routing to the virtual
// operations below and to three optional listeners, its child windows (owned), and optionally a
// back buffer into which all drawing goes and which present() shows with its overlays on top.
// The main window and every page derive from it; so do the controls of gui/controls.h.

#include "base/owned_ptr_vector.h"
#include "base/ptr_vector.h"
#include "gui/listeners.h"
#include "platform/gdi.h"
#include "platform/messages.h"
#include "platform/native_window.h"
#include "platform/paint.h"
#include "render/framebuffer_copy.h"
#include "surface/overlay.h"
#include "surface/surface.h"

#include <memory>
#include <string>

namespace velmora {

// The class of toolkit windows that do not choose another.
inline constexpr wchar_t defaultWindowClass[] = L"Kiln_WINDOW";

// The window timer's identifier.
constexpr uintptr_t windowTimerId = 65535;

// The sound layer's handler of the wave-out completion message (MM_WOM_DONE), which every toolkit
// window passes on before its default processing (media/wave_sound.h handleWaveDone unless replaced).
using WaveDoneHandler = void (*)(HWND window, WPARAM wParam, LPARAM lParam);
void setWaveDoneHandler(WaveDoneHandler handler);

// When onMouse sees a pointer message: before the window's mouse listener or after it.
enum class MousePhase { BeforeListener = 0, AfterListener = 1 };

class Window {
public:
    // A window whose creation text is its title; parent may be null (a top-level window) or set
    // later by addChild.
    Window(const std::wstring& title, HWND parent, bool hasBackBuffer);
    // A control: the identifier is its creation value and its WM_COMMAND identifier.
    Window(int id, HWND parent, bool hasBackBuffer);
    // Destroys the native window (without calling the operations below) and every child.
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Virtual operations, in slot order; all do nothing here except onClose (allows closing) and
    // present.
    virtual void onCreate() {}
    virtual void onDestroy() {}
    virtual void onShow(bool) {}
    virtual bool onClose() { return true; }
    virtual void onPaintMessage(const PAINTSTRUCT&) {}
    virtual void onSetFocus() {}
    virtual void onKillFocus() {}
    virtual void onActivated(bool) {}
    virtual void onEraseBackground() {}
    virtual void onTimer() {}
    // With a back buffer: applies every overlay to it, then copies it (or the rectangle of it) to
    // the screen, turned by the orientation: into the framebuffer while the direct display output
    // is open (render/gapi_display.h), otherwise onto the window.
    virtual void present(const RECT* rect);
    virtual void onMouse(UINT, WPARAM, int, int, MousePhase) {}
    virtual void onKey(UINT, int) {}
    virtual void activate(bool) {}
    virtual void onCreated() {}
    virtual void onDestroyed() {}
    virtual void onAddChild(Window*, int, int, int, int) {}
    virtual void onRemoveChild(Window*) {}

    // Creates the native window. A top-level window without allowMultiple first looks for a window
    // of its class and title (in this or another instance): if there is one, that one comes to the
    // front and creation fails. Other failures show the system's error text in a box titled "Error".
    bool create(int x, int y, int width, int height);
    void destroy();
    bool move(int x, int y, int width, int height, bool remeasure);
    void show(bool shown);
    bool isVisible() const;
    void enable(bool enabled);
    void setFocus();
    void invalidate(bool erase, const RECT* rect);
    // Invalidates and repaints at once.
    void repaint();
    RECT windowRect() const;
    int width() const;
    int height() const;
    int clientWidth() const { return clientWidth_; }
    int clientHeight() const { return clientHeight_; }
    // The client size as the page sees it: exchanged when the page is turned.
    int pageWidth() const { return turned() ? clientHeight_ : clientWidth_; }
    int pageHeight() const { return turned() ? clientWidth_ : clientHeight_; }
    ScreenOrientation orientation() const { return orientation_; }
    // Re-measures the client area and rebuilds the back buffer.
    void setOrientation(ScreenOrientation orientation);
    // Texts longer than 64 characters are cut to 65.
    void setText(const std::wstring& text);
    std::wstring text() const;
    LONG_PTR windowLong(int index) const;
    LONG_PTR setWindowLong(int index, LONG_PTR value);
    // The window timer (identifier 65535) calls onTimer every interval.
    void setTimer(UINT interval);
    void killTimer();
    // The colours a child control is drawn with (its parent answers the control's colour
    // messages with them).
    void setControlColors(COLORREF textColor, COLORREF backgroundColor);
    void setFont(HFONT font);

    // Takes the child, places it at (x, y, width, height) of this window's client area and
    // creates it; returns it for the caller to go on using.
    template <typename WindowType>
    WindowType* addChild(std::unique_ptr<WindowType> child, int x, int y, int width, int height) {
        WindowType* added = child.get();
        adoptChild(std::move(child), x, y, width, height);
        return added;
    }
    // Destroys the child; a window that is not a child is ignored.
    void removeChild(Window* child);
    Window* findChild(int id) const;
    Window* findChild(const std::wstring& text) const;
    const OwnedPtrVector<Window>& children() const { return children_; }
    Window* parentObject() const { return parentObject_; }

    void addOverlay(Overlay* overlay);
    void removeOverlay(Overlay* overlay);
    const PtrVector<Overlay>& overlays() const { return overlays_; }

    void setCommandListener(CommandListener* listener) { commandListener_ = listener; }
    void setMouseListener(MouseListener* listener) { mouseListener_ = listener; }
    void setKeyListener(KeyListener* listener) { keyListener_ = listener; }
    CommandListener* commandListener() const { return commandListener_; }
    MouseListener* mouseListener() const { return mouseListener_; }
    KeyListener* keyListener() const { return keyListener_; }

    // Edit controls.
    void limitText(int characters);
    int lineCount() const;
    void setReadOnly(bool readOnly);
    int textLength() const;
    // Combo boxes and list boxes. addItem returns the item's index, or -1.
    int addItem(const std::wstring& text, LONG_PTR data);
    void deleteItem(int index);
    void resetItems();
    void setSelection(int index);
    int selection() const;
    std::wstring itemText(int index) const;
    int itemTextLength(int index) const;
    int findItem(const std::wstring& prefix) const;
    int itemCount() const;

    HWND handle() const { return handle_; }
    HWND parentHandle() const { return parentHandle_; }
    // The window's own context (drawing onto the screen) and the one drawing goes to: the back
    // buffer's memory context when there is a back buffer, else the window's.
    HDC windowContext() const { return windowDC_; }
    HDC drawingContext() const { return drawingDC_; }
    Surface* backBuffer() const { return backBuffer_.get(); }
    bool hasBackBuffer() const { return hasBackBuffer_; }
    int id() const { return id_; }
    const std::wstring& className() const { return className_; }

    // The window object of a native window made by the toolkit, or null.
    static Window* fromHandle(HWND handle);

protected:
    WNDCLASSW windowClass_;
    std::wstring className_ = defaultWindowClass;
    DWORD style_ = WS_POPUP | WS_VISIBLE;
    DWORD exStyle_ = 0;
    bool allowMultiple_ = false;

private:
    friend LRESULT toolkitProcedure(HWND, UINT, WPARAM, LPARAM);
    friend LRESULT toolkitEditProcedure(HWND, UINT, WPARAM, LPARAM);
    bool turned() const { return orientation_ != ScreenOrientation::Portrait; }
    void adoptChild(std::unique_ptr<Window> child, int x, int y, int width, int height);
    void attach(HWND handle);
    void measureClient();
    void buildBackBuffer();
    void releaseWindowContext();
    void reportCreationError() const;

    HWND handle_ = nullptr;
    HWND parentHandle_ = nullptr;
    HDC windowDC_ = nullptr;
    HDC drawingDC_ = nullptr;
    std::unique_ptr<Surface> backBuffer_;
    std::unique_ptr<Surface> rotatedBuffer_; // the back buffer turned for a rotated orientation
    PtrVector<Overlay> overlays_;
    bool hasBackBuffer_ = false;
    bool timerEnabled_ = false;
    UINT timerInterval_ = 0;
    std::wstring title_;
    int id_ = 0;
    CommandListener* commandListener_ = nullptr;
    MouseListener* mouseListener_ = nullptr;
    KeyListener* keyListener_ = nullptr;
    HBRUSH brush_ = nullptr;
    COLORREF textColor_ = RGB(0, 0, 0);
    COLORREF backgroundColor_ = RGB(255, 255, 255);
    OwnedPtrVector<Window> children_;
    ScreenOrientation orientation_ = ScreenOrientation::Portrait;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    Window* parentObject_ = nullptr;
    WNDPROC savedProcedure_ = nullptr;
};

} // namespace velmora
