#include "shell/front_end_choices.h"

namespace velmora {

CharacterChoice::CharacterChoice(int characterCount) : taken_(characterCount > 0 ? characterCount : 0, 0) {}

bool CharacterChoice::hasPlayer() const {
    for (int32_t character : selected_) {
        if (character != 0)
            return true;
    }
    return false;
}

void CharacterChoice::assign(int slot, int32_t character) {
    if (slot < 0 || slot >= playerSlotCount || character < 0 || character >= characterCount())
        return;
    if (selected_[slot] > 0)
        --taken_[selected_[slot]];
    selected_[slot] = character;
    if (character > 0)
        ++taken_[character];
}

void CharacterChoice::step(int slot, bool up) {
    const int count = characterCount();
    if (slot < 0 || slot >= playerSlotCount || count == 0)
        return;
    int32_t character = selected_[slot];
    if (character > 0)
        --taken_[character];
    // 0 is never taken, so the search ends within one turn.
    do {
        character = up ? (character + 1) % count : (character + count - 1) % count;
    } while (taken_[character] != 0);
    if (character > 0)
        ++taken_[character];
    selected_[slot] = character;
}

int stepCourse(int index, int step, int courseCount) {
    if (courseCount <= 0)
        return 0;
    return ((validCourse(index, courseCount) + step) % courseCount + courseCount) % courseCount;
}

int validCourse(int32_t storedIndex, int courseCount) {
    return storedIndex >= 0 && storedIndex < courseCount ? storedIndex : 0;
}

std::optional<int> numberAfter(std::wstring_view name, std::wstring_view prefix, int limit) {
    const size_t at = name.find(prefix);
    if (at == std::wstring_view::npos)
        return std::nullopt;
    size_t digit = at + prefix.size();
    if (digit >= name.size() || name[digit] < L'0' || name[digit] > L'9')
        return std::nullopt;
    int number = 0;
    for (; digit < name.size() && name[digit] >= L'0' && name[digit] <= L'9'; ++digit) {
        number = number * 10 + (name[digit] - L'0');
        if (number >= limit)
            return std::nullopt;
    }
    return number;
}

} // namespace velmora
