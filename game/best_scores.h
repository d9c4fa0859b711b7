#pragma once
// The best-score table: "scores.properties" among the player's files keeps the five best results of each
// course on one line, "<course>=Ann:-2,Bob:5" (name and strokes against par, best first). The
// course menu and the congratulations page show the table in five rows of text nodes,
// "ScoreName0".."ScoreName4" and "ScoreValue0".."ScoreValue4".

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

class Canvas;

inline constexpr wchar_t bestScoresFile[] = L"scores.properties";
inline constexpr int bestScoreRowCount = 5;
inline constexpr wchar_t emptyScoreName[] = L"----------";
inline constexpr wchar_t emptyScoreValue[] = L"---";

// The entries of one course line, in file order. Both lists have the same length.
struct BestScores {
    std::vector<std::wstring> names;
    std::vector<std::wstring> values; // signed decimal totals as written in the file
};

// A course line's value: entries "name:total" separated by ','. An entry without ':' is no score
// and is left out.
BestScores parseBestScores(std::wstring_view line);

// The entries of the course (exact, case-sensitive key) in the player's best-score file, or in
// guiFolder's when the player has none yet (platform/game_folders.h); none when the file cannot be
// read or has no line for the course.
BestScores loadBestScores(std::wstring_view guiFolder, const std::wstring& course);

// A stored total as shown: "E" for exactly "0", a '+' before a total without '-', else as stored.
std::wstring bestScoreText(std::wstring_view value);

struct ScoreRow {
    std::wstring name;
    std::wstring value;
};
// The five rows shown for a table: its first five entries, then rows of "----------" and "---".
std::array<ScoreRow, bestScoreRowCount> bestScoreRows(const BestScores& scores);

// Writes the rows into the page's "ScoreName%d" and "ScoreValue%d" nodes (those it has) and empties
// the lists.
void showBestScores(Canvas& page, BestScores& scores);

} // namespace velmora
