#include "game/demo_mode.h"

#include "base/wide_string.h"
#include "render/scalar_math.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace velmora {

namespace {

// Short names without the records' separators (',', '=', ':', ';').
constexpr const wchar_t* demoNames[] = {L"Ada",   L"Basil", L"Cora", L"Dario", L"Elin", L"Felix",
                                        L"Greta", L"Hugo",  L"Ines", L"Jonas", L"Kaia", L"Lorenz",
                                        L"Mila",  L"Nils",  L"Oona", L"Pavel", L"Rosa", L"Tomas"};
constexpr int demoNameCount = static_cast<int>(std::size(demoNames));

} // namespace

DemoMode demoMode() {
    const char* value = std::getenv(demoVariable);
    if (!value || !*value || std::strcmp(value, "0") == 0)
        return DemoMode::Off;
    return std::strcmp(value, "once") == 0 ? DemoMode::Once : DemoMode::Attract;
}

void setDemoMode(DemoMode mode) {
    if (mode == DemoMode::Off)
        unsetenv(demoVariable);
    else
        setenv(demoVariable, mode == DemoMode::Once ? "once" : "1", 1);
}

DemoRequest demoRequest() {
    DemoRequest request;
    if (const char* course = std::getenv("VELMORA_DEMO_COURSE"))
        request.course = fromUtf8(course);
    if (const char* players = std::getenv("VELMORA_DEMO_PLAYERS"))
        request.players = std::atoi(players);
    return request;
}

GameRecord demoGameRecord(const std::vector<std::wstring>& courses, int characterCount,
                          const DemoRequest& request) {
    GameRecord record;
    const int golfers = characterCount - 1;
    if (courses.empty() || golfers < 1)
        return record;
    const bool known = std::find(courses.begin(), courses.end(), request.course) != courses.end();
    record.course = known ? request.course
                          : courses[static_cast<size_t>(randomInt(0, static_cast<int>(courses.size()) - 1))];
    const bool asked = request.players >= 1 && request.players <= playerSlotCount;
    const int players = std::min(asked ? request.players : randomInt(1, playerSlotCount), golfers);
    // Golfers and names without repeats: consecutive golfers from a random one, and names from a
    // random one by a random stride that shares no factor with the list's length of 18.
    const int firstGolfer = randomInt(0, golfers - 1);
    const int firstName = randomInt(0, demoNameCount - 1);
    static constexpr int strides[] = {1, 5, 7, 11};
    const int nameStride = strides[randomInt(0, 3)];
    for (int p = 0; p < players; ++p) {
        PlayerSlot& slot = record.slots[static_cast<size_t>(p)];
        slot.character = 1 + (firstGolfer + p) % golfers;
        slot.name = demoNames[(firstName + p * nameStride) % demoNameCount];
    }
    return record;
}

} // namespace velmora
