#pragma once
// With VELMORA_LOG=events the program writes one line per game event to standard error, so that
// tests, the CI game and anyone studying a game can follow it without pictures:
//
//   velmora event: <name> <field>=<value> <field>=<value> ...
//
// Names and field names are lower-case words joined by '-'. Numbers are written plainly (decimals
// with one or two places as the field needs); text is always in double quotes, with '\' written
// '\\', '"' written '\"' and a line break written '\n'. Fields keep the order of the call, and new
// fields are only ever added at the end of a line, so readers may rely on the ones they know.

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct EventField {
    EventField(const char* fieldName, std::string_view text);
    EventField(const char* fieldName, const std::wstring& text);
    EventField(const char* fieldName, int number);
    // decimals places after the point.
    EventField(const char* fieldName, double number, int decimals);
    // A point: three numbers with two decimals, joined by commas.
    EventField(const char* fieldName, double x, double y, double z);

    const char* name;
    std::string value; // already quoted where it is text
};

// True when VELMORA_LOG names "events" (a comma-separated list of logs).
bool eventLogEnabled();
// Writes the event's line when the log is on. The line is written with one call, so lines of
// events never interleave.
void logEvent(std::string_view name, const std::vector<EventField>& fields);

// The line of an event, without its line break (what logEvent writes).
std::string eventLine(std::string_view name, const std::vector<EventField>& fields);

} // namespace velmora
