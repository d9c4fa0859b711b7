// The heads-up display: the current player's picture, name and strokes, the distance and height
// to the hole, the lie of the ball, and the club and swing with the rules that keep them playable.
#include "game/game_canvas.h"

#include "base/wide_string.h"
#include "game/club_selection.h"
#include "game/turn_order.h"

namespace velmora {

namespace {

struct LieDisplay {
    const wchar_t* picture;
    const wchar_t* letters;
};

LieDisplay lieDisplayOf(const Ball& ball, const Vector3& tee, bool finished) {
    // The ball sits on the peg above the tee point: on the tee spot is where it stands over it.
    if (ball.position.x == tee.x && ball.position.z == tee.z)
        return {L"iconTee.gif", L"T"};
    if (finished)
        return {L"iconCup.gif", L"C"};
    if (ball.isInGreen)
        return {L"iconGreen.gif", L"G"};
    if (ball.isInTGround)
        return {L"iconGreen.gif", L"TG"};
    if (ball.isInFairway)
        return {L"iconFairway.gif", L"F"};
    if (ball.isInbunker)
        return {L"iconBunker.gif", L"B"};
    if (ball.isInWater)
        return {L"iconWater.gif", L"W"};
    return {L"iconRough.gif", L"R"};
}

} // namespace

void GameCanvas::showLie() {
    if (!ball || ball->isOutOfBoundary)
        return;
    const LieDisplay lie = lieDisplayOf(*ball, teePosition, activePlayer().finishedThisHole);
    if (auto* icon = dynamic_cast<Sprite*>(findNode(L"iconLie")))
        icon->texture = imageCache.lookup(guiFolder_ + L"icons", lie.picture, PowerOfTwo::No);
    if (auto* text = dynamic_cast<Sprite*>(findNode(L"txtLie")))
        text->setText(lie.letters);
}

void GameCanvas::showPlayerPicture(const Player& player) {
    if (auto* icon = dynamic_cast<Sprite*>(findNode(L"iconPlayer")))
        icon->texture = imageCache.lookup(resourcesFolder_ + L"characters",
                                          formatWide(L"character%d.gif", player.characterNo), PowerOfTwo::No);
}

void GameCanvas::showNameAndStrokes(const Player& player) {
    if (auto* name = dynamic_cast<Sprite*>(findNode(L"txtPlayerName")))
        name->setText(player.playerName);
    if (auto* strokes = dynamic_cast<Sprite*>(findNode(L"txtStrokeNum")))
        strokes->setText(formatWide(L"Stroke:%d", player.scores[static_cast<size_t>(holeIndex())]));
}

void GameCanvas::showDistance(const Player& player) {
    if (auto* text = dynamic_cast<Sprite*>(findNode(L"txtDistance")))
        text->setText(formatWide(L"%.1fyds", static_cast<double>(player.distanceToHole * yardsPerUnit)));
}

void GameCanvas::computeElevation(Player& player) {
    if (!ball || ball->isOutOfBoundary)
        return;
    const float cupHeight = grpCup ? grpCup->transform.getTranslation().y : cupPosition.y;
    player.elevation = (ball->position.y - cupHeight) * feetPerUnit;
}

void GameCanvas::showElevation(const Player& player) {
    if (auto* text = dynamic_cast<Sprite*>(findNode(L"txtElevation")))
        text->setText(formatWide(L"%dft", static_cast<int>(player.elevation)));
}

void GameCanvas::showClubAndSwing(const Player& player) {
    const wchar_t* club = clubName(player.selectedClub);
    if (auto* text = dynamic_cast<Sprite*>(findNode(L"txtClubType")))
        text->setText(club);
    if (auto* icon = dynamic_cast<Sprite*>(findNode(L"iconClub")))
        icon->texture =
            imageCache.lookup(guiFolder_ + L"icons", formatWide(L"icon%ls.gif", club), PowerOfTwo::No);
    if (auto* text = dynamic_cast<Sprite*>(findNode(L"txtStrokeType")))
        text->setText(swingName(player.selectedSwingType));
}

void GameCanvas::refreshDisplay(Player& player, bool full) {
    showPlayerPicture(player);
    if (full || player.finishedThisHole)
        showNameAndStrokes(player);
    showDistance(player);
    showElevation(player);
    golferView = false;
    showLie();
    showClubAndSwing(player);
    if (full && !player.finishedThisHole)
        setGolferAnimation(GolferMotion::Swing, aimAnimationIndex);
}

void GameCanvas::selectClubFor(Player& player, int club) {
    selectClub(player, club);
    showClubAndSwing(player);
}

void GameCanvas::selectSwingFor(Player& player, int swing) {
    selectSwing(player, swing);
    showClubAndSwing(player);
}

void GameCanvas::chooseClubAndSwingFor(Player& player) {
    chooseClubAndSwing(player, ball && ball->isInGreen, ball && ball->isInbunker);
    showClubAndSwing(player);
}

void GameCanvas::updatePlayerDistances(Player& player) {
    if (ball)
        updateDistances(player, cupPosition, {ball->position, ball->isOutOfBoundary, ball->isInWater});
}

} // namespace velmora
