#pragma once
// The frame cycle of a page: a child window of the main window that, while running, is the idle
// handler of the main loop and makes one frame per idle turn (frame timer, listeners around the
// frame, update, paint, afterPaint, measurements), stops on deactivation and resumes on
// activation. The canvas page builds on it and fills the hooks.

#include "base/ptr_vector.h"
#include "gui/frame_timer.h"
#include "gui/idle_handler.h"
#include "gui/window.h"

#include <string>

namespace velmora {

// Called with the frame's time step before or after each frame.
class FrameListener {
public:
    virtual ~FrameListener() = default;
    virtual void onFrame(float dt) = 0;
};

class FramePage : public Window, public IdleHandler {
public:
    static constexpr int listenerCapacity = 32;

    // The page name becomes the window text; a child window of class "CANVAS", shown at once.
    // With a back buffer the window never erases itself (the page draws every pixel).
    FramePage(const std::wstring& pageName, bool hasBackBuffer);
    // A page that goes while running leaves the idle slot as it found it.
    ~FramePage() override;

    // Painting: a running page makes a frame; a stopped one paints without advancing time (dt -1).
    void onPaintMessage(const PAINTSTRUCT& paint) override;
    // Activation: suspends the game interface's display and stops frames when deactivated; takes the
    // focus and restarts frames stopped that way when activated.
    void activate(bool active) override;
    // One frame: ticks the frame timer, calls the before-frame listeners, update, paint, afterPaint and
    // the after-frame listeners, and onMeasurement when the timer has measured a window. The page types
    // fill the hooks.
    virtual void frame();
    virtual void paint() {}
    virtual void update(float) {}
    virtual void afterPaint(float) {}
    virtual void onMeasurement(float) {}
    // Leaving the page for another instance: stops what it runs besides its frames (its sounds;
    // the game also forgets that it is loaded).
    virtual void stopActivity() {}

    // One frame, then the back buffer shown.
    void onIdle(const MSG& lastMessage, HWND mainWindow) override;

    // Registers the page as idle handler and restarts the frame timer.
    void startFrames();
    // Puts back the idle handler found at construction (usually none).
    void stopFrames();
    bool isRunning() const { return running_; }

    // Listeners are called from the last added to the first; none is ignored.
    void addBeforeFrameListener(FrameListener* listener);
    void removeBeforeFrameListener(FrameListener* listener);
    void clearBeforeFrameListeners() { beforeFrameListeners_.clear(); }
    void addAfterFrameListener(FrameListener* listener);
    void removeAfterFrameListener(FrameListener* listener);
    void clearAfterFrameListeners() { afterFrameListeners_.clear(); }

    FrameTimer frameTimer;
    float dt = -1.0f; // the step of the frame being made; -1 while painting without advancing time

protected:
    bool measured_ = false;
    bool resumeOnActivate_ = false;

private:
    bool running_ = false;
    IdleHandler* previousIdleHandler_ = nullptr;
    PtrVector<FrameListener> beforeFrameListeners_{listenerCapacity};
    PtrVector<FrameListener> afterFrameListeners_{listenerCapacity};
};

} // namespace velmora
