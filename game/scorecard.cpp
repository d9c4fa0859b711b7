#include "game/scorecard.h"

#include "base/wide_string.h"
#include "game/game_canvas.h"
#include "game/names.h"

#include <algorithm>

namespace velmora {

namespace {

Sprite* cardText(GameCanvas& game, const std::wstring& name) {
    return game.sceneScorecard ? dynamic_cast<Sprite*>(game.sceneScorecard->find(name)) : nullptr;
}

void setCardText(GameCanvas& game, const std::wstring& name, const std::wstring& text) {
    if (Sprite* node = cardText(game, name))
        node->setText(text);
}

std::wstring numbered(const wchar_t* name, int index) {
    return name + std::to_wstring(index);
}

} // namespace

std::vector<NodeText> scorecardTexts(const Player& player, const HoleScores& pars, int holeNumber) {
    const int hole = std::clamp(holeNumber, 1, holeCount);
    std::vector<NodeText> texts;
    texts.push_back({L"txtScoreCardPlayerName", L"Player: " + player.playerName});
    int totalStrokes = 0;
    int totalPar = 0;
    for (int i = 0; i < hole; ++i) {
        const int32_t par = pars[static_cast<size_t>(i)];
        const int32_t strokes = player.scores[static_cast<size_t>(i)];
        texts.push_back({numbered(L"txtPar", i), std::to_wstring(par)});
        texts.push_back({numbered(L"txtStrokes", i), std::to_wstring(strokes)});
        if (i < hole - 1) {
            texts.push_back({numbered(L"txtStatus", i), resultText(strokes - par)});
            totalStrokes += strokes;
            totalPar += par;
        }
    }
    if (hole >= 2) {
        texts.push_back({L"txtTotalStrokes", std::to_wstring(totalStrokes)});
        texts.push_back({L"txtTotalPar", std::to_wstring(totalPar)});
        texts.push_back({L"txtTotalStatus", resultText(totalStrokes - totalPar)});
    }
    return texts;
}

void clearScorecard(GameCanvas& game) {
    for (int i = 0; i < holeCount; ++i) {
        for (const wchar_t* column : {L"txtPar", L"txtStrokes", L"txtStatus"})
            setCardText(game, numbered(column, i), L"");
    }
    for (const wchar_t* name :
         {L"txtScoreCardPlayerName", L"txtTotalPar", L"txtTotalStrokes", L"txtTotalStatus"})
        setCardText(game, name, L"");
    setCardText(game, L"txtScoreCardCourseName", L"Course: " + game.courseDisplayName);
}

void showScorecard(GameCanvas& game, int player) {
    const int count = static_cast<int>(game.players.size());
    if (count == 0 || !game.sceneScorecard)
        return;
    game.cardPlayer = (player % count + count) % count;
    game.sceneScorecard->visible = true;
    if (game.sceneSysMenu)
        game.sceneSysMenu->visible = false;
    game.showMinimap = false;
    for (const NodeText& text :
         scorecardTexts(game.players[static_cast<size_t>(game.cardPlayer)], game.pars, game.holeNumber))
        setCardText(game, text.node, text.text);
}

void hideScorecard(GameCanvas& game) {
    if (game.sceneScorecard)
        game.sceneScorecard->visible = false;
    game.showMinimap = true;
}

} // namespace velmora
