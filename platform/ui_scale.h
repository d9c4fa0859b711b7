#pragma once
// The layout scale: every pixel value of a template or of the code is written for a page 240
// pixels wide and multiplied by uiScale (the page's width / 240), set once at start-up.

namespace velmora {

float uiScale();
// Ignored unless scale > 0.
void setUiScale(float scale);
// (int)(value * uiScale + 0.5), or value itself when uiScale is exactly 1.
int scaled(int value);
float scaled(float value);

} // namespace velmora
