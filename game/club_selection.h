#pragma once
// Clubs and swings: their names, the rules that keep a player's pair playable (Wood with Full or
// Punch; Iron with Full, Punch or Chip; Wedge with anything but Putt; Putter with Putt only) and
// the choice made for the player at the start of every turn from the lie and the distance.

#include "game/player.h"

#include <string>

namespace velmora {

inline constexpr int clubCount = 4;
inline constexpr int swingCount = 5;

// "Wood", "Iron", "Wedge", "Putter"; "Full", "Punch", "Flop", "Chip", "Putt". Out of range: the first.
const wchar_t* clubName(int club);
const wchar_t* swingName(int swing);

// Whether the club can play the swing.
bool isPlayablePair(int club, int swing);

// Takes the club and, when the player's swing does not go with it, the swing that does.
void selectClub(Player& player, int club);
// Takes the swing and, when the player's club cannot play it, a club that can.
void selectSwing(Player& player, int swing);

// The club and swing for the player's next stroke: the putt on the green, the flop from a bunker
// near the hole and the wood from one farther off; elsewhere by the distance in yards: over 200 the
// wood, over 120 the iron, over 40 a full wedge, otherwise a chip.
void chooseClubAndSwing(Player& player, bool onGreen, bool inBunker);

} // namespace velmora
