#include "game/best_scores.h"

#include "base/wide_string.h"
#include "gui/canvas.h"
#include "gui/property_template.h"
#include "platform/game_folders.h"

namespace velmora {

BestScores parseBestScores(std::wstring_view line) {
    BestScores scores;
    for (const std::wstring& entry : splitList(line, L',', 0)) {
        const size_t colon = entry.find(L':');
        if (colon == std::wstring::npos)
            continue;
        const size_t end = entry.find(L':', colon + 1);
        scores.names.push_back(entry.substr(0, colon));
        scores.values.push_back(entry.substr(colon + 1, end == std::wstring::npos ? end : end - colon - 1));
    }
    return scores;
}

BestScores loadBestScores(std::wstring_view guiFolder, const std::wstring& course) {
    PropertyTemplate file;
    if (!file.load(guiFileFolder(bestScoresFile, guiFolder), bestScoresFile))
        return {};
    const std::wstring* line = file.get(course);
    if (!line || PropertyTemplate::isLayoutKey(course))
        return {};
    return parseBestScores(*line);
}

std::wstring bestScoreText(std::wstring_view value) {
    if (value == L"0")
        return L"E";
    if (value.find(L'-') == std::wstring_view::npos)
        return L"+" + std::wstring(value);
    return std::wstring(value);
}

std::array<ScoreRow, bestScoreRowCount> bestScoreRows(const BestScores& scores) {
    std::array<ScoreRow, bestScoreRowCount> rows;
    for (size_t row = 0; row < rows.size(); ++row) {
        if (row < scores.names.size() && row < scores.values.size())
            rows[row] = {scores.names[row], bestScoreText(scores.values[row])};
        else
            rows[row] = {emptyScoreName, emptyScoreValue};
    }
    return rows;
}

void showBestScores(Canvas& page, BestScores& scores) {
    const auto rows = bestScoreRows(scores);
    for (size_t row = 0; row < rows.size(); ++row) {
        const std::wstring number = std::to_wstring(row);
        if (auto* name = dynamic_cast<Sprite*>(page.findNode(L"ScoreName" + number)))
            name->setText(rows[row].name);
        if (auto* value = dynamic_cast<Sprite*>(page.findNode(L"ScoreValue" + number)))
            value->setText(rows[row].value);
    }
    scores = {};
}

} // namespace velmora
