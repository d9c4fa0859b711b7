#include "platform/script.h"

#include "base/wide_string.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/image_file.h"
#include "platform/input.h"
#include "platform/message_box.h"
#include "platform/messages.h"
#include "platform/process.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

namespace velmora {

namespace {

constexpr int defaultDragMs = 200;
constexpr int dragStepMs = 20;
constexpr long maxWaitMs = 24L * 60 * 60 * 1000;
constexpr int maxCoordinate = 100000;

RelaunchRequest relaunchRequest = nullptr;

struct ScriptRunner {
    bool loaded = false;
    std::vector<ScriptCommand> commands;
    size_t position = 0;
    int instance = 1;
    bool waiting = false;
    uint32_t waitUntil = 0;
};

ScriptRunner& runner() {
    static ScriptRunner instance;
    return instance;
}

std::string lowerCase(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool parseNumber(const std::string& word, long minimum, long maximum, long& value) {
    if (word.empty())
        return false;
    char* end = nullptr;
    const long parsed = std::strtol(word.c_str(), &end, 0);
    if (*end != '\0' || parsed < minimum || parsed > maximum)
        return false;
    value = parsed;
    return true;
}

int virtualKeyNamed(const std::string& word) {
    if (word.size() == 1 && std::isalnum(static_cast<unsigned char>(word[0])))
        return std::toupper(static_cast<unsigned char>(word[0]));
    static const std::map<std::string, int> names = {
        {"return", VK_RETURN}, {"enter", VK_RETURN},   {"escape", VK_ESCAPE}, {"esc", VK_ESCAPE},
        {"tab", VK_TAB},       {"backspace", VK_BACK}, {"delete", VK_DELETE}, {"home", VK_HOME},
        {"end", VK_END},       {"pageup", VK_PRIOR},   {"pagedown", VK_NEXT}, {"insert", VK_INSERT},
        {"space", VK_SPACE},   {"left", VK_LEFT},      {"right", VK_RIGHT},   {"up", VK_UP},
        {"down", VK_DOWN},     {"action", VK_ACTION},  {"app1", VK_APP1},     {"app2", VK_APP2},
        {"app3", VK_APP3},     {"app4", VK_APP4},      {"shift", VK_SHIFT},   {"control", VK_CONTROL},
        {"menu", VK_APPS},
    };
    auto found = names.find(lowerCase(word));
    if (found != names.end())
        return found->second;
    long number = 0;
    return parseNumber(word, 1, 255, number) ? static_cast<int>(number) : 0;
}

int answerNamed(const std::string& word) {
    const std::string name = lowerCase(word);
    if (name == "ok")
        return IDOK;
    if (name == "cancel")
        return IDCANCEL;
    if (name == "yes")
        return IDYES;
    if (name == "no")
        return IDNO;
    return 0;
}

// Reads "x y" pairs from words[first ...]; false unless all are in range.
bool readPoints(const std::vector<std::string>& words, size_t first, size_t count, std::vector<int>& out) {
    if (words.size() < first + count)
        return false;
    for (size_t i = 0; i < count; ++i) {
        long value = 0;
        if (!parseNumber(words[first + i], -maxCoordinate, maxCoordinate, value))
            return false;
        out.push_back(static_cast<int>(value));
    }
    return true;
}

// The text after the first word, without the blanks around it.
std::string restOfLine(const std::string& line, const std::string& firstWord) {
    const size_t start = line.find_first_not_of(" \t", line.find(firstWord) + firstWord.size());
    std::string text = start == std::string::npos ? std::string() : line.substr(start);
    while (!text.empty() && (text.back() == '\r' || text.back() == ' ' || text.back() == '\t'))
        text.pop_back();
    return text;
}

ScriptCommand command(ScriptAction action, int line, int x = 0, int y = 0, int value = 0) {
    ScriptCommand result;
    result.action = action;
    result.x = x;
    result.y = y;
    result.value = value;
    result.line = line;
    return result;
}

// Appends the steps of one line; false when the line cannot be read.
bool parseLine(const std::string& line, int number, std::vector<ScriptCommand>& out, std::string& error) {
    std::istringstream stream(line);
    std::vector<std::string> words;
    for (std::string word; stream >> word;)
        words.push_back(word);
    if (words.empty() || words[0][0] == '#')
        return true;
    const std::string verb = lowerCase(words[0]);
    std::vector<int> p;
    long value = 0;
    if (verb == "wait" && words.size() == 2 && parseNumber(words[1], 0, maxWaitMs, value)) {
        out.push_back(command(ScriptAction::Wait, number, 0, 0, static_cast<int>(value)));
    } else if ((verb == "tap" || verb == "press" || verb == "move" || verb == "release") &&
               words.size() == 3 && readPoints(words, 1, 2, p)) {
        if (verb == "tap" || verb == "press")
            out.push_back(command(ScriptAction::Press, number, p[0], p[1]));
        if (verb == "move")
            out.push_back(command(ScriptAction::Move, number, p[0], p[1]));
        if (verb == "tap" || verb == "release")
            out.push_back(command(ScriptAction::Release, number, p[0], p[1]));
    } else if (verb == "drag" && (words.size() == 5 || words.size() == 6) && readPoints(words, 1, 4, p) &&
               (words.size() == 5 || parseNumber(words[5], 0, maxWaitMs, value))) {
        const int duration = words.size() == 6 ? static_cast<int>(value) : defaultDragMs;
        const int steps = std::max(1, std::min(duration / dragStepMs, 1000));
        out.push_back(command(ScriptAction::Press, number, p[0], p[1]));
        for (int i = 1; i <= steps; ++i) {
            out.push_back(command(ScriptAction::Wait, number, 0, 0, duration / steps));
            out.push_back(command(ScriptAction::Move, number, p[0] + (p[2] - p[0]) * i / steps,
                                  p[1] + (p[3] - p[1]) * i / steps));
        }
        out.push_back(command(ScriptAction::Release, number, p[2], p[3]));
    } else if ((verb == "key" || verb == "keydown" || verb == "keyup") && words.size() == 2 &&
               virtualKeyNamed(words[1])) {
        const int key = virtualKeyNamed(words[1]);
        if (verb != "keyup")
            out.push_back(command(ScriptAction::KeyDown, number, 0, 0, key));
        if (verb != "keydown")
            out.push_back(command(ScriptAction::KeyUp, number, 0, 0, key));
    } else if (verb == "type" && words.size() >= 2) {
        ScriptCommand typed = command(ScriptAction::Type, number);
        typed.text = fromUtf8(restOfLine(line, words[0]));
        out.push_back(typed);
    } else if (verb == "answer" && words.size() == 2 && answerNamed(words[1])) {
        out.push_back(command(ScriptAction::Answer, number, 0, 0, answerNamed(words[1])));
    } else if (verb == "snapshot" && words.size() == 2) {
        ScriptCommand snapshot = command(ScriptAction::Snapshot, number);
        snapshot.text = fromUtf8(words[1]);
        out.push_back(snapshot);
    } else if (verb == "focus" && words.size() == 2 &&
               (lowerCase(words[1]) == "in" || lowerCase(words[1]) == "out")) {
        out.push_back(command(ScriptAction::Focus, number, 0, 0, lowerCase(words[1]) == "in" ? 1 : 0));
    } else if (verb == "quit" && words.size() == 1) {
        out.push_back(command(ScriptAction::Quit, number));
    } else if (verb == "relaunch" && words.size() >= 2) {
        ScriptCommand relaunch = command(ScriptAction::Relaunch, number);
        relaunch.text = fromUtf8(restOfLine(line, words[0]));
        out.push_back(relaunch);
    } else if (verb == "instance" && words.size() == 2 && parseNumber(words[1], 1, 1000000, value)) {
        out.push_back(command(ScriptAction::Instance, number, 0, 0, static_cast<int>(value)));
    } else {
        error = "line " + std::to_string(number) + ": cannot read \"" + line + "\"";
        return false;
    }
    return true;
}

void typeText(const std::wstring& text) {
    for (wchar_t c : text) {
        int key = 0;
        if (c < 0x80 && std::isalnum(static_cast<int>(c)))
            key = std::toupper(static_cast<int>(c));
        else if (c == L' ')
            key = VK_SPACE;
        if (key)
            keyChanged(key, true, false);
        characterTyped(c);
        if (key)
            keyChanged(key, false, false);
    }
}

void takeSnapshot(const std::wstring& name) {
    const SIZE size = screenSize();
    const std::string path = toUtf8(name);
    if (!writeImageFile(path, size.cx, size.cy, captureScreen()))
        std::fprintf(stderr, "velmora: script: cannot write the snapshot %s\n", path.c_str());
}

// Hands the script's place to the next instance through the environment it inherits.
void handOverScript() {
    ScriptRunner& r = runner();
    setenv("VELMORA_SCRIPT_POSITION", std::to_string(r.position).c_str(), 1);
    setenv("VELMORA_SCRIPT_INSTANCE", std::to_string(r.instance + 1).c_str(), 1);
}

void loadFromEnvironment() {
    ScriptRunner& r = runner();
    r.loaded = true;
    const char* path = std::getenv("VELMORA_SCRIPT");
    if (!path || !*path)
        return;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "velmora: cannot read the script %s\n", path);
        return;
    }
    std::stringstream content;
    content << file.rdbuf();
    std::vector<std::string> errors;
    r.commands = parseScript(content.str(), errors);
    for (const std::string& error : errors)
        std::fprintf(stderr, "velmora: script %s: %s\n", path, error.c_str());
    long value = 0;
    if (const char* position = std::getenv("VELMORA_SCRIPT_POSITION"))
        r.position = parseNumber(position, 0, static_cast<long>(r.commands.size()), value)
                         ? static_cast<size_t>(value)
                         : 0;
    if (const char* instance = std::getenv("VELMORA_SCRIPT_INSTANCE"))
        r.instance = parseNumber(instance, 1, 1000000, value) ? static_cast<int>(value) : 1;
    setRelaunchHook(handOverScript);
}

// Whether a command may run now: a wait until its time has passed, an instance section until
// this is that instance or a later one.
bool ready(const ScriptCommand& step) {
    ScriptRunner& r = runner();
    if (step.action == ScriptAction::Wait) {
        if (!r.waiting) {
            r.waiting = true;
            r.waitUntil = GetTickCount() + static_cast<uint32_t>(step.value);
        }
        if (static_cast<int32_t>(GetTickCount() - r.waitUntil) < 0)
            return false;
        r.waiting = false;
    }
    return step.action != ScriptAction::Instance || r.instance >= step.value;
}

void execute(const ScriptCommand& step) {
    switch (step.action) {
    case ScriptAction::Wait:
    case ScriptAction::Instance:
        break;
    case ScriptAction::Press:
        pointerPressed(step.x, step.y, PointerButton::Left);
        break;
    case ScriptAction::Move:
        pointerMoved(step.x, step.y);
        break;
    case ScriptAction::Release:
        pointerReleased(step.x, step.y, PointerButton::Left);
        break;
    case ScriptAction::KeyDown:
        keyChanged(step.value, true, false);
        break;
    case ScriptAction::KeyUp:
        keyChanged(step.value, false, false);
        break;
    case ScriptAction::Type:
        typeText(step.text);
        break;
    case ScriptAction::Answer:
        queueMessageBoxAnswer(step.value);
        break;
    case ScriptAction::Snapshot:
        takeSnapshot(step.text);
        break;
    case ScriptAction::Focus:
        activationChanged(step.value != 0);
        break;
    case ScriptAction::Quit:
        closeRequested();
        break;
    case ScriptAction::Relaunch:
        if (relaunchRequest)
            relaunchRequest(step.text);
        break;
    }
}

} // namespace

std::vector<ScriptCommand> parseScript(const std::string& text, std::vector<std::string>& errors) {
    std::vector<ScriptCommand> commands;
    std::istringstream stream(text);
    int number = 0;
    for (std::string line; std::getline(stream, line);) {
        ++number;
        std::string error;
        if (!parseLine(line, number, commands, error))
            errors.push_back(error);
    }
    return commands;
}

void advanceScript() {
    ScriptRunner& r = runner();
    if (!r.loaded)
        loadFromEnvironment();
    // A step can show a message box, which gives the script its turn again: do not re-enter.
    static bool running = false;
    if (running)
        return;
    running = true;
    // The position moves on before a command runs, so that a relaunch it causes hands the next
    // command to the new instance.
    while (r.position < r.commands.size() && ready(r.commands[r.position]))
        execute(r.commands[r.position++]);
    running = false;
}

void startScript(std::vector<ScriptCommand> commands) {
    ScriptRunner& r = runner();
    r.loaded = true;
    r.commands = std::move(commands);
    r.position = 0;
    r.waiting = false;
}

bool scriptFinished() {
    return runner().position >= runner().commands.size();
}

void setRelaunchRequestHandler(RelaunchRequest handler) {
    relaunchRequest = handler;
}

} // namespace velmora
