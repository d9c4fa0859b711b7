#include "platform/clock.h"
#include "platform/image_file.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/messages.h"
#include "platform/native_window.h"
#include "platform/script.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace velmora {
namespace {

std::vector<ScriptAction> actionsOf(const std::vector<ScriptCommand>& commands) {
    std::vector<ScriptAction> actions;
    for (const ScriptCommand& command : commands)
        actions.push_back(command.action);
    return actions;
}

TEST(ScriptParsing, CompoundCommandsBecomeTheirSteps) {
    std::vector<std::string> errors;
    const auto commands = parseScript("# a comment\n\ntap 10 20\nkey return\ndrag 0 0 100 50 40\n", errors);
    EXPECT_TRUE(errors.empty());
    using A = ScriptAction;
    EXPECT_EQ(actionsOf(commands), (std::vector<A>{A::Press, A::Release, A::KeyDown, A::KeyUp, A::Press,
                                                   A::Wait, A::Move, A::Wait, A::Move, A::Release}));
    EXPECT_EQ(commands[2].value, VK_RETURN);
    EXPECT_EQ(commands[6].x, 50) << "half way after the first of two steps";
    EXPECT_EQ(commands[8].x, 100);
    EXPECT_EQ(commands[9].y, 50);
}

TEST(ScriptParsing, KeysByLetterNameOrNumber) {
    std::vector<std::string> errors;
    const auto commands =
        parseScript("keydown a\nkeydown 7\nkeydown Action\nkeydown 0x26\nkeydown 200\n", errors);
    ASSERT_EQ(commands.size(), 5u);
    EXPECT_EQ(commands[0].value, 'A');
    EXPECT_EQ(commands[1].value, '7');
    EXPECT_EQ(commands[2].value, 0x86);
    EXPECT_EQ(commands[3].value, VK_UP);
    EXPECT_EQ(commands[4].value, 200);
}

TEST(ScriptParsing, UnreadableLinesAreReportedAndSkipped) {
    std::vector<std::string> errors;
    const auto commands =
        parseScript("tap 1\nwait -5\nkey nosuchkey\nanswer maybe\ntap 99999999 1\nfly\nquit\r\n"
                    "wait 99999999999999999999\n",
                    errors);
    EXPECT_EQ(errors.size(), 7u);
    EXPECT_EQ(errors[0].rfind("line 1:", 0), 0u);
    EXPECT_EQ(actionsOf(commands), std::vector<ScriptAction>{ScriptAction::Quit});
}

TEST(ScriptParsing, TypeKeepsTheRestOfTheLine) {
    std::vector<std::string> errors;
    const auto commands = parseScript("type  Par 4, ok?\n", errors);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].text, L"Par 4, ok?");
}

std::vector<UINT> received;
LRESULT recordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_KEYDOWN && message <= WM_MBUTTONUP && message != WM_TIMER)
        received.push_back(message);
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST(ScriptRunning, StepsRunWhenDueOnTheClock) {
    FakeClock clock;
    ScopedClock useClock(clock);
    WNDCLASSW windowClass;
    windowClass.lpfnWndProc = recordingProcedure;
    windowClass.lpszClassName = L"ScriptTarget";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, L"ScriptTarget", L"Script", WS_VISIBLE, 0, 0, 50, 50, nullptr, 0,
                                  nullptr, nullptr);
    clearMessageQueue();
    received.clear();
    const std::string snapshot = testing::TempDir() + "script_snapshot.bmp";
    std::vector<std::string> errors;
    startScript(parseScript("wait 100\ntap 5 5\ntype ab\nanswer no\nsnapshot " + snapshot + "\n", errors));

    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
    EXPECT_TRUE(received.empty()) << "still waiting";
    clock.advance(100);
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
    EXPECT_TRUE(scriptFinished());
    EXPECT_EQ(received, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_KEYDOWN, WM_CHAR, WM_KEYUP,
                                           WM_KEYDOWN, WM_CHAR, WM_KEYUP}));
    EXPECT_EQ(MessageBoxW(nullptr, L"Quit?", L"Question", MB_YESNO), IDNO);
    EXPECT_EQ(MessageBoxW(nullptr, L"Quit?", L"Question", MB_YESNO | MB_DEFBUTTON2), IDNO)
        << "the default button";
    EXPECT_EQ(lastMessageBox().caption, L"Question");

    std::ifstream file(snapshot, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_GE(bytes.size(), 54u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    std::remove(snapshot.c_str());
    DestroyWindow(window);
    clearMessageQueue();
}

TEST(ImageFile, PngHasItsSignatureAndHeader) {
    const std::string path = testing::TempDir() + "picture.png";
    ASSERT_TRUE(writeImageFile(path, 3, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0, 0xFFFFFF, 0x808080}));
    std::ifstream file(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 33u);
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    EXPECT_EQ(bytes.substr(12, 4), "IHDR");
    EXPECT_EQ(bytes[19], 3) << "width";
    EXPECT_EQ(bytes[23], 2) << "height";
    EXPECT_FALSE(writeImageFile(path, 3, 2, {1, 2, 3})) << "too few pixels";
    std::remove(path.c_str());
}

} // namespace
} // namespace velmora
