// The event log's line format: readers split on blanks outside quotes, so every text must come out
// quoted with its quotes, backslashes and line breaks escaped, and numbers must come out plain.
#include "base/event_log.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(EventLog, LinesKeepTheFieldOrderAndQuoteOnlyText) {
    EXPECT_EQ(
        eventLine("ball-at-rest",
                  {{"player", 2}, {"position", 1.0, -2.5, 300.126}, {"lie", "green"}, {"yards", 12.345, 1}}),
        "velmora event: ball-at-rest player=2 position=1.00,-2.50,300.13 lie=\"green\" yards=12.3");
    EXPECT_EQ(eventLine("relaunch", {}), "velmora event: relaunch");
}

TEST(EventLog, TextIsEscapedSoThatALineStaysOneLine) {
    const std::wstring text = L"12.0 yards!!\nWow! \"Nice\" C:\\shot";
    EXPECT_EQ(
        eventLine("message", {{"key", std::wstring(L"BALL_TRAVELLED")}, {"text", text}}),
        "velmora event: message key=\"BALL_TRAVELLED\" text=\"12.0 yards!!\\nWow! \\\"Nice\\\" C:\\\\shot\"");
    EXPECT_EQ(EventField("name", std::wstring(L"Zoë")).value, "\"Zo\xc3\xab\"") << "text is written as UTF-8";
}

} // namespace
} // namespace velmora
