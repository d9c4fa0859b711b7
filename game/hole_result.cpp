#include "game/hole_result.h"

#include "base/wide_string.h"

namespace velmora {

namespace {
constexpr int firstWordDifference = -3;
constexpr const wchar_t* golfWords[] = {L"Albatross!", L"Eagle!", L"Birdie!",
                                        L"Par",        L"Bogey!", L"Double Bogey!"};
constexpr int wordCount = static_cast<int>(std::size(golfWords));
constexpr float niceShotYards = 250.0f;
} // namespace

HoleResult holeResultOf(int strokes, int par) {
    HoleResult result;
    const int d = strokes - par;
    const int row = d - firstWordDifference;
    if (strokes == 1) {
        result.text = L"Hole-in-one!";
        result.withPicture = true;
    } else if (row >= 0 && row < wordCount) {
        result.text = golfWords[row];
        result.withPicture = true;
    } else {
        result.text = formatWide(L"%ls%d", d > 0 ? L"+" : L"", d);
    }
    if (d < 1 || strokes == 1) {
        result.jingle = Jingle::Cheering;
        result.expression = Expression::Cheerful;
    } else if (d <= 2) {
        result.jingle = Jingle::Applause;
        result.expression = Expression::Indifferent;
    } else {
        result.jingle = Jingle::Boo;
        result.expression = Expression::Angry;
    }
    return result;
}

StrokeReport strokeReportOf(float yards) {
    const double shown = static_cast<double>(yards);
    if (yards > niceShotYards)
        return {formatWide(L"%3.1f yards!!\nWow! Nice Shot!", shown), true};
    return {formatWide(L"Ball travelled %3.1f yards", shown), false};
}

} // namespace velmora
