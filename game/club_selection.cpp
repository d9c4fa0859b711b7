#include "game/club_selection.h"

namespace velmora {

namespace {
constexpr const wchar_t* clubNames[clubCount] = {L"Wood", L"Iron", L"Wedge", L"Putter"};
constexpr const wchar_t* swingNames[swingCount] = {L"Full", L"Punch", L"Flop", L"Chip", L"Putt"};
constexpr float bunkerFlopYards = 50.0f;
constexpr float woodYards = 200.0f;
constexpr float ironYards = 120.0f;
constexpr float fullWedgeYards = 40.0f;
} // namespace

const wchar_t* clubName(int club) {
    return club >= 0 && club < clubCount ? clubNames[club] : clubNames[0];
}

const wchar_t* swingName(int swing) {
    return swing >= 0 && swing < swingCount ? swingNames[swing] : swingNames[0];
}

bool isPlayablePair(int club, int swing) {
    switch (club) {
    case ClubWood:
        return swing == SwingFull || swing == SwingPunch;
    case ClubIron:
        return swing == SwingFull || swing == SwingPunch || swing == SwingChip;
    case ClubWedge:
        return swing != SwingPutt;
    default:
        return swing == SwingPutt;
    }
}

void selectClub(Player& player, int club) {
    player.selectedClub = club;
    if (isPlayablePair(club, player.selectedSwingType))
        return;
    selectSwing(player, club == ClubPutter ? SwingPutt : SwingFull);
}

void selectSwing(Player& player, int swing) {
    player.selectedSwingType = swing;
    if (isPlayablePair(player.selectedClub, swing))
        return;
    switch (swing) {
    case SwingFull:
    case SwingPunch:
        selectClub(player, ClubWood);
        return;
    case SwingPutt:
        selectClub(player, ClubPutter);
        return;
    default:
        selectClub(player, ClubWedge);
        return;
    }
}

void chooseClubAndSwing(Player& player, bool onGreen, bool inBunker) {
    const float yards = player.distanceToHole * yardsPerUnit;
    if (onGreen) {
        selectSwing(player, SwingPutt);
    } else if (inBunker) {
        if (yards < bunkerFlopYards) {
            selectSwing(player, SwingFlop);
        } else {
            selectClub(player, ClubWood);
            selectSwing(player, SwingFull);
        }
    } else if (yards > woodYards) {
        selectClub(player, ClubWood);
        selectSwing(player, SwingFull);
    } else if (yards > ironYards) {
        selectClub(player, ClubIron);
        selectSwing(player, SwingFull);
    } else if (yards > fullWedgeYards) {
        selectClub(player, ClubWedge);
        selectSwing(player, SwingFull);
    } else {
        selectClub(player, ClubWedge);
        selectSwing(player, SwingChip);
    }
}

} // namespace velmora
