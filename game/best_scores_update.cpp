// Updating the best-score table at the end of a game.
#include "base/wide_string.h"
#include "game/best_scores.h"
#include "game/game_canvas.h"
#include "game/launch_records.h"
#include "game/names.h"
#include "gui/property_template.h"
#include "platform/game_folders.h"

#include <algorithm>
#include <numeric>

namespace velmora {

BestScores addBestScores(BestScores stored, std::span<const PlayerResult> results) {
    struct Entry {
        std::wstring name;
        std::wstring value;
    };
    std::vector<Entry> entries;
    const size_t storedCount = std::min(stored.names.size(), stored.values.size());
    for (size_t i = 0; i < storedCount; ++i)
        entries.push_back({std::move(stored.names[i]), std::move(stored.values[i])});
    for (const PlayerResult& result : results)
        entries.push_back({recordSafeName(result.name), std::to_wstring(result.totalScore)});

    std::vector<Entry> unique;
    for (Entry& entry : entries) {
        const bool repeat = std::any_of(unique.begin(), unique.end(), [&](const Entry& earlier) {
            return earlier.name == entry.name && earlier.value == entry.value;
        });
        if (!repeat)
            unique.push_back(std::move(entry));
    }
    std::stable_sort(unique.begin(), unique.end(),
                     [](const Entry& a, const Entry& b) { return parseLong(a.value) < parseLong(b.value); });

    BestScores best;
    for (size_t i = 0; i < unique.size() && i < static_cast<size_t>(bestScoreRowCount); ++i) {
        best.names.push_back(std::move(unique[i].name));
        best.values.push_back(std::move(unique[i].value));
    }
    return best;
}

std::wstring bestScoresLine(const BestScores& scores) {
    std::wstring line;
    for (size_t i = 0; i < scores.names.size() && i < scores.values.size(); ++i) {
        if (i > 0)
            line += L',';
        line += scores.names[i] + L':' + scores.values[i];
    }
    return line;
}

bool updateBestScores(std::wstring_view guiFolder, const std::wstring& course,
                      std::span<const PlayerResult> results) {
    if (course.empty() || PropertyTemplate::isLayoutKey(course))
        return false;
    const BestScores best = addBestScores(loadBestScores(guiFolder, course), results);
    PropertyTemplate file;
    file.load(guiFileFolder(bestScoresFile, guiFolder), bestScoresFile);
    file.put(course, bestScoresLine(best));
    file.setPath(userDataFolder(), bestScoresFile);
    return file.save();
}

bool recordBestScores(const GameCanvas& game) {
    const int32_t par = std::accumulate(game.pars.begin(), game.pars.end(), 0);
    std::vector<PlayerResult> results;
    for (const Player& player : game.players)
        results.push_back(
            {player.playerName, std::accumulate(player.scores.begin(), player.scores.end(), 0) - par});
    return updateBestScores(game.resourcesFolder() + L"GUI\\", game.courseName, results);
}

} // namespace velmora
