#include "game/launch_table.h"

#include <algorithm>
#include <numbers>

namespace velmora {

namespace {

struct LaunchRow {
    int club;
    int swing;
    int percentage; // of the power
    float loft;     // k: the loft is P * P * k * (pi / 10)
};

constexpr LaunchRow launchRows[] = {
    {ClubWood, SwingFull, 100, 0.0001f},   {ClubWood, SwingPunch, 120, 0.00001f},
    {ClubIron, SwingFull, 95, 0.0001f},    {ClubIron, SwingPunch, 114, 0.00001f},
    {ClubIron, SwingChip, 50, 0.0001f},    {ClubWedge, SwingFull, 65, 0.0002f},
    {ClubWedge, SwingPunch, 75, 0.00002f}, {ClubWedge, SwingFlop, 25, 0.002f},
    {ClubWedge, SwingChip, 35, 0.0002f},   {ClubPutter, SwingPutt, 25, 0.0f},
};

const LaunchRow* rowFor(int club, int swing) {
    for (const LaunchRow& row : launchRows) {
        if (row.club == club && row.swing == swing)
            return &row;
    }
    return nullptr;
}

} // namespace

bool isAllowedPair(int club, int swing) {
    return rowFor(club, swing) != nullptr;
}

int powerAfterLie(int power, int club, int swing, bool inBunker, bool inRough) {
    if (inBunker && swing != SwingFlop)
        return power * 50 / 100;
    if (inRough && (club == ClubWood || club == ClubIron))
        return power * 90 / 100;
    return power;
}

ShotLaunch launchFor(int club, int swing, int strikePower, int randomStep) {
    const LaunchRow* row = rowFor(club, swing);
    if (!row)
        row = rowFor(ClubWood, SwingFull);
    ShotLaunch launch;
    launch.strikePower = strikePower;
    int p = strikePower * row->percentage / 100;
    p = p * 110 / 100;
    p = std::clamp(p + ((p * randomStep) >> 7), 3, 110); // the shift rounds toward minus infinity
    launch.launchPower = p;
    const float pf = static_cast<float>(p);
    launch.angle = pf * pf * row->loft * (std::numbers::pi_v<float> * 0.1f);
    launch.speed = pf * 0.9f;
    launch.surfaceFactor = swing == SwingFlop ? 5.0f : 1.0f;
    return launch;
}

} // namespace velmora
