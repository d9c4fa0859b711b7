#include "game/launch_table.h"

#include "game/player.h"
#include "render/scalar_math.h"
#include "render/trig_tables.h"

namespace velmora {

namespace {

struct LaunchRow {
    int club;
    int swing;
    int percentage; // of the gauge's power
    float loft;     // k: the loft is P * P * k * (pi / 10)
};

constexpr LaunchRow launchRows[] = {
    {ClubWood, SwingFull, 100, 0.0001f},   {ClubWood, SwingPunch, 120, 0.00001f},
    {ClubIron, SwingFull, 95, 0.0001f},    {ClubIron, SwingPunch, 114, 0.00001f},
    {ClubIron, SwingChip, 50, 0.0001f},    {ClubWedge, SwingFull, 65, 0.0002f},
    {ClubWedge, SwingPunch, 75, 0.00002f}, {ClubWedge, SwingFlop, 25, 0.002f},
    {ClubWedge, SwingChip, 35, 0.0002f},   {ClubPutter, SwingPutt, 25, 0.0f},
};

constexpr float flopSurfaceFactor = 5.0f;
constexpr int minStrength = 3;
constexpr int maxStrength = 110;

} // namespace

int powerAfterLie(int power, int club, int swing, bool inBunker, bool inRough) {
    if (inBunker && swing != SwingFlop)
        return power * 50 / 100;
    if (inRough && (club == ClubWood || club == ClubIron))
        return power * 90 / 100;
    return power;
}

Launch launchOf(int club, int swing, int power, int randomStep) {
    Launch launch;
    int strength = 0;
    float loft = 0.0f;
    // The selection rules keep the pair in the table; anything else plays with no strength.
    for (const LaunchRow& row : launchRows) {
        if (row.club == club && row.swing == swing) {
            strength = power * row.percentage / 100;
            loft = row.loft;
            if (club == ClubWedge && swing == SwingFlop)
                launch.surfaceFactor = flopSurfaceFactor;
        }
    }
    strength = strength * 110 / 100;
    // A right shift of a negative product rounds down, as the step always has.
    strength = clampInt(strength + ((strength * randomStep) >> 7), minStrength, maxStrength);
    launch.strength = strength;
    const float p = static_cast<float>(strength);
    launch.angle = p * p * loft * (kPi * 0.1f);
    launch.speed = p * 0.9f;
    return launch;
}

} // namespace velmora
