// The best-score file and the saved-game file as the front end and a starting game read them, on
// any bytes: every line as a course's entries and their five rows, every line's slot name, and every
// line as a saved game's course and players.
#include "game/best_scores.h"
#include "game/save_slots.h"
#include "gui/property_template.h"

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    std::FILE* stream = fmemopen(const_cast<uint8_t*>(data), size, "r");
    if (!stream)
        return 0;
    velmora::PropertyTemplate file;
    file.read(stream);
    std::fclose(stream);
    for (const std::wstring& key : file.keys()) {
        const std::wstring* line = file.get(key);
        if (!line)
            __builtin_trap();
        const velmora::BestScores scores = velmora::parseBestScores(*line);
        if (scores.names.size() != scores.values.size())
            __builtin_trap(); // the two lists stay parallel
        for (const velmora::ScoreRow& row : velmora::bestScoreRows(scores)) {
            if (row.value.empty())
                __builtin_trap(); // every row shows a value
        }
        file.getString(key, L"slotName");
        if (const auto start = velmora::slotStartOf(file, key); start && start->players.size() > 4)
            __builtin_trap(); // at most four players, whatever the file says
    }
    return 0;
}
