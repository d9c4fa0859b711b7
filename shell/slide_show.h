#pragma once
// The main menu's slide show: two quads in one place show the course pictures in turn, one always
// opaque while the other fades in or out, each changing its picture only while it is invisible.

namespace velmora {

struct SlideFrame {
    int picture1 = 0;
    int transparency1 = 0; // 0 opaque ... 256 invisible
    int picture2 = 0;
    int transparency2 = 0;
};

// The pictures (of count) and transparencies of "slide1" and "slide2" at clock (radians; the menu
// advances it by 3 a second, so a cycle of two pictures takes 2 pi / 3 seconds). count must be > 0.
SlideFrame slideFrame(float clock, int count);

} // namespace velmora
