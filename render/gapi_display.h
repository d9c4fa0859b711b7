#pragma once
// Display output straight into the display's framebuffer through the handheld's game interface.
// A page's 16-bit back buffer is copied into the framebuffer without conversion, turned a quarter
// turn for a landscape page and doubled on a 480 x 640 panel that the system drives at 240 x 320.
// One display per process: opened by the page that reads the video setting, suspended and resumed
// with the page's activation, closed before a relaunch and when the page goes. Single-threaded.

#include "platform/gx.h"
#include "platform/types.h"
#include "render/framebuffer_copy.h"
#include "surface/surface.h"

#include <memory>

namespace velmora {

// Where the framebuffer came from.
enum class FramebufferSource {
    None,
    FixedGeometry,  // a handheld family whose panel is known by its address and layout
    GameInterface,  // the game interface's own pointer and properties (older systems)
    RawFramebuffer, // the display's raw-framebuffer query (later systems and DRAM displays)
};

// The process-wide state of the display output.
struct GapiDisplayState {
    // The geometry the copies follow: the game interface's, or the fixed or raw one that replaced it.
    std::unique_ptr<GXDisplayProperties> displayProperties;
    RawFrameBufferInfo rawFrameBuffer; // zero when the display does not answer the query
    uint8_t* framebuffer = nullptr;    // pixel (0, 0); null while nothing is open
    FramebufferSource source = FramebufferSource::None;
    bool rawVga = false;  // the raw panel is 480 x 640
    bool trueVga = false; // ... and the system itself runs at 480 wide
    bool displayOpen = false;
    bool inputOpen = false;
    std::unique_ptr<GXKeyList> keyList; // while input is open
};

namespace GapiDisplay {

// Opens the display (openVideo) and the game interface's keys (openInput); a part already open stays
// as it is. The display stays closed when pages do not draw 16-bit pixels or no framebuffer can be
// found: the pages then draw through their windows. True when the display is open afterwards.
bool open(HWND window, bool openVideo, bool openInput);
// Safe when nothing is open.
void close();
void suspend();
void resume();
// Passed on to the game interface; the game does not use it.
void setViewport(DWORD top, DWORD height, DWORD reserved1, DWORD reserved2);
// The virtual keys of the four application buttons while input is open (0 otherwise).
int keyA();
int keyB();
int keyC();
int keyStart();
bool isDisplayOpen();

// Copies rect of the back buffer (the whole back buffer when null) to the screen at (x, y), turned
// by the orientation. rect is clamped to the back buffer and the clamped rectangle written back.
// Whatever falls outside the screen is cut off, whatever the position, negative ones included.
// Nothing is drawn without a framebuffer or for a back buffer that is not 16-bit.
void blitToScreen(const Surface& backBuffer, int x, int y, RECT* rect, ScreenOrientation orientation);

const GapiDisplayState& state();

} // namespace GapiDisplay

} // namespace velmora
