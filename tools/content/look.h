#pragma once
// The colours of the game's look: a bright sunny course, deep green ink for outlines and titles,
// warm yellow-orange for the main actions. Every picture takes its colours from here.

#include <cstdint>

namespace velmora::content::look {

// Sky and scenery.
constexpr uint32_t kSkyTop = 0x1F6FD8;
constexpr uint32_t kSkyHorizon = 0xB4E2FF;
constexpr uint32_t kCloud = 0xFFFFFF;
constexpr uint32_t kCloudShade = 0xCFE6F8;
constexpr uint32_t kSun = 0xFFF3B0;
constexpr uint32_t kHillFar = 0x7CC46A;
constexpr uint32_t kHillNear = 0x55AD46;
constexpr uint32_t kTreeDark = 0x2E7D32;
constexpr uint32_t kTreeLight = 0x43A047;
constexpr uint32_t kTrunk = 0x6D4C2F;
constexpr uint32_t kGrassLight = 0x86DC5C;
constexpr uint32_t kGrassDark = 0x66C23E;
constexpr uint32_t kRough = 0x4C9F38;
constexpr uint32_t kGreen = 0x9BE86F;
constexpr uint32_t kSand = 0xF2DC9B;
constexpr uint32_t kWater = 0x3DA5E8;

// Ink and surfaces.
constexpr uint32_t kInk = 0x14452A;   // outlines and titles
constexpr uint32_t kNavy = 0x1A2A48;  // body text on light panels
constexpr uint32_t kCream = 0xFFF9E8; // panels
constexpr uint32_t kCreamShade = 0xF1E6C6;
constexpr uint32_t kPanelEdge = 0x2F8A3A;
constexpr uint32_t kDarkPanel = 0x123A2A; // panels under light text
constexpr uint32_t kWhite = 0xFFFFFF;

// Actions.
constexpr uint32_t kYellow = 0xFFD83A;
constexpr uint32_t kOrange = 0xFF9A1F;
constexpr uint32_t kOrangeDeep = 0xE0700A;
constexpr uint32_t kOrangeInk = 0x7A3A00;
constexpr uint32_t kBlueLight = 0x5CB8FF;
constexpr uint32_t kBlue = 0x2378E0;
constexpr uint32_t kBlueInk = 0x0D3275;
constexpr uint32_t kGreenLight = 0x8BE05A;
constexpr uint32_t kGreenButton = 0x3FAE34;
constexpr uint32_t kGreenInk = 0x14501C;
constexpr uint32_t kRedLight = 0xFF7A6B;
constexpr uint32_t kRed = 0xD93A2B;
constexpr uint32_t kRedInk = 0x6E1410;

} // namespace velmora::content::look
