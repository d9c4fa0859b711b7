#include "gui/frame_page.h"

#include "platform/messages.h"
#include "render/gapi_display.h"

namespace velmora {

namespace {

void callFromLast(const PtrVector<FrameListener>& listeners, float dt) {
    // A listener may remove itself: walk a copy.
    const std::vector<FrameListener*> snapshot = listeners.copyItems();
    for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it)
        (*it)->onFrame(dt);
}

} // namespace

FramePage::FramePage(const std::wstring& pageName, bool hasBackBuffer)
    : Window(pageName, nullptr, hasBackBuffer), previousIdleHandler_(idleHandler()) {
    className_ = L"CANVAS";
    style_ = WS_CHILD | WS_VISIBLE;
    if (hasBackBuffer)
        windowClass_.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

FramePage::~FramePage() {
    // The framebuffer would go on showing this page's last picture.
    GapiDisplay::close();
    if (idleHandler() == this)
        setIdleHandler(previousIdleHandler_);
}

void FramePage::onPaintMessage(const PAINTSTRUCT&) {
    if (running_) {
        frame();
        return;
    }
    dt = -1.0f;
    paint();
}

void FramePage::activate(bool active) {
    const GapiDisplayState& display = GapiDisplay::state();
    if (display.displayOpen || display.inputOpen) {
        if (active)
            GapiDisplay::resume();
        else
            GapiDisplay::suspend();
    }
    if (!active) {
        if (running_) {
            stopFrames();
            resumeOnActivate_ = true;
        }
        return;
    }
    setFocus();
    if (resumeOnActivate_) {
        startFrames();
        resumeOnActivate_ = false;
    }
}

void FramePage::frame() {
    measured_ = frameTimer.tick();
    dt = frameTimer.dt;
    callFromLast(beforeFrameListeners_, dt);
    update(dt);
    paint();
    afterPaint(dt);
    callFromLast(afterFrameListeners_, dt);
    if (measured_)
        onMeasurement(static_cast<float>(frameTimer.windowMs) * 0.001f);
}

void FramePage::onIdle(const MSG&, HWND) {
    frame();
    present(nullptr);
}

void FramePage::startFrames() {
    running_ = true;
    setIdleHandler(this);
    frameTimer.reset();
}

void FramePage::stopFrames() {
    running_ = false;
    setIdleHandler(previousIdleHandler_);
}

void FramePage::addBeforeFrameListener(FrameListener* listener) {
    if (listener)
        beforeFrameListeners_.append(listener);
}

void FramePage::removeBeforeFrameListener(FrameListener* listener) {
    beforeFrameListeners_.removeValue(listener);
}

void FramePage::addAfterFrameListener(FrameListener* listener) {
    if (listener)
        afterFrameListeners_.append(listener);
}

void FramePage::removeAfterFrameListener(FrameListener* listener) {
    afterFrameListeners_.removeValue(listener);
}

} // namespace velmora
