#pragma once
// The choices the front end keeps while it runs: which character each of the four player slots
// holds (each character at most once, 0 for an empty slot) and which course is shown.

#include "game/launch_records.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace velmora {

class CharacterChoice {
public:
    // Characters 0 .. characterCount - 1; 0 is "no player" and is never taken.
    explicit CharacterChoice(int characterCount);

    int characterCount() const { return static_cast<int>(taken_.size()); }
    int32_t selected(int slot) const { return selected_[slot]; }
    const std::array<int32_t, playerSlotCount>& selection() const { return selected_; }
    bool hasPlayer() const;

    // Gives the slot a character (1 .. count - 1, or 0) and marks it taken. Slots start empty.
    void assign(int slot, int32_t character);
    // Moves the slot to the next (up) or previous character that no other slot holds, wrapping
    // around and passing through 0.
    void step(int slot, bool up);

private:
    std::vector<int32_t> taken_; // how many slots hold each character
    std::array<int32_t, playerSlotCount> selected_{};
};

// The course index after one step right (+1) or left (-1), wrapping at both ends; 0 without courses.
int stepCourse(int index, int step, int courseCount);
// A stored course index, or course 0 when it names no course.
int validCourse(int32_t storedIndex, int courseCount);

// The decimal number that follows prefix in a node name ("chkGolfBall3" -> 3); none without
// digits or when the number is not below limit.
std::optional<int> numberAfter(std::wstring_view name, std::wstring_view prefix, int limit);

} // namespace velmora
