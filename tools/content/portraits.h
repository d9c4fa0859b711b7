#pragma once
// The character pictures ("character%d.gif"): a round badge with the golfer's head and shoulders,
// blinking now and then; character 0, the empty slot, is a grey badge with a question mark.

#include "figure.h"
#include "gif_file.h"

#include <vector>

namespace velmora::content {

constexpr int kPortraitSize = 80;

std::vector<GifFrame> golferPortrait(const Look& look);
std::vector<GifFrame> emptySlotPortrait();

} // namespace velmora::content
