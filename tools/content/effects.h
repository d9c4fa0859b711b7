#pragma once
// The game's sound effects, crowd jingles and the course ambience, synthesised from the building
// blocks of synth.h. Lengths follow how long the game pauses the ambience for each of them.

#include "synth.h"

namespace velmora::content {

Samples buttonClick();
Samples courseAmbience(); // 12 s of wind and birds that loops seamlessly
Samples fullSwing();      // 0.6 s
Samples chipShot();       // 0.6 s
Samples puttStroke();     // 0.6 s
Samples ballBounce();     // a short thud
Samples cupDrop();        // 0.8 s
Samples waterSplash();    // 1.07 s
Samples applause();       // 3.0 s
Samples cheering();       // 3.0 s
Samples booing();         // 1.9 s
Samples mysticChime();    // 2.4 s

} // namespace velmora::content
