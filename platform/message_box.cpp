#include "platform/message_box.h"

#include "base/wide_string.h"
#include "platform/display.h"
#include "platform/script.h"

#include <SDL.h>

#include <cstdio>
#include <deque>
#include <vector>

namespace velmora {

namespace {

std::deque<int> scriptedAnswers;
ShownMessageBox lastShown;
int shownCount = 0;

struct ButtonSet {
    std::vector<std::pair<int, const char*>> buttons; // answer, label
    int defaultAnswer = IDOK;
    int escapeAnswer = IDOK;
};

ButtonSet buttonsFor(UINT type) {
    ButtonSet set;
    switch (type & 0xF) {
    case MB_OKCANCEL:
        set.buttons = {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
        set.escapeAnswer = IDCANCEL;
        break;
    case MB_YESNO:
        set.buttons = {{IDYES, "Yes"}, {IDNO, "No"}};
        set.escapeAnswer = IDNO;
        break;
    default:
        set.buttons = {{IDOK, "OK"}};
        break;
    }
    set.defaultAnswer = set.buttons[(type & MB_DEFBUTTON2) && set.buttons.size() > 1 ? 1 : 0].first;
    return set;
}

const char* labelOf(const ButtonSet& set, int answer) {
    for (const auto& [id, label] : set.buttons) {
        if (id == answer)
            return label;
    }
    return "?";
}

bool isButton(const ButtonSet& set, int answer) {
    for (const auto& button : set.buttons) {
        if (button.first == answer)
            return true;
    }
    return false;
}

Uint32 iconFlags(UINT type) {
    switch (type & 0xF0) {
    case MB_ICONHAND:
        return SDL_MESSAGEBOX_ERROR;
    case MB_ICONEXCLAMATION:
        return SDL_MESSAGEBOX_WARNING;
    default:
        return SDL_MESSAGEBOX_INFORMATION;
    }
}

int showDesktopBox(const std::string& caption, const std::string& text, UINT type, const ButtonSet& set) {
    std::vector<SDL_MessageBoxButtonData> buttons;
    for (const auto& [id, label] : set.buttons) {
        Uint32 flags = 0;
        if (id == set.defaultAnswer)
            flags |= SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
        if (id == set.escapeAnswer)
            flags |= SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
        buttons.push_back({flags, id, label});
    }
    SDL_MessageBoxData data{};
    data.flags = iconFlags(type);
    data.window = nullptr;
    data.title = caption.c_str();
    data.message = text.c_str();
    data.numbuttons = static_cast<int>(buttons.size());
    data.buttons = buttons.data();
    presentScreen(true);
    int pressed = -1;
    // A box that cannot be shown (no desktop, or closed without a button) takes its default.
    if (SDL_ShowMessageBox(&data, &pressed) != 0 || !isButton(set, pressed))
        return set.defaultAnswer;
    markScreenDirty();
    return pressed;
}

} // namespace

int MessageBoxW(HWND, const wchar_t* text, const wchar_t* caption, UINT type) {
    // A box waits for the user: an automation script gets its turn first, so that an answer given
    // before the box appears is there when it is needed.
    advanceScript();
    const ButtonSet set = buttonsFor(type);
    const std::string captionText = toUtf8(caption ? caption : L"Error");
    const std::string bodyText = toUtf8(text ? text : L"");
    int answer = set.defaultAnswer;
    const bool scripted = !scriptedAnswers.empty();
    if (scripted) {
        answer = isButton(set, scriptedAnswers.front()) ? scriptedAnswers.front() : set.defaultAnswer;
        scriptedAnswers.pop_front();
    } else if (!isHeadless()) {
        answer = showDesktopBox(captionText, bodyText, type, set);
    }
    if (scripted || isHeadless())
        std::fprintf(stderr, "velmora: message box [%s] %s -> %s\n", captionText.c_str(), bodyText.c_str(),
                     labelOf(set, answer));
    lastShown = {caption ? caption : L"", text ? text : L"", type, answer};
    ++shownCount;
    return answer;
}

void queueMessageBoxAnswer(int answer) {
    scriptedAnswers.push_back(answer);
}

const ShownMessageBox& lastMessageBox() {
    return lastShown;
}

int messageBoxCount() {
    return shownCount;
}

} // namespace velmora
