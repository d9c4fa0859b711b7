#include "base/event_log.h"

#include "base/wide_string.h"

#include <cstdio>
#include <cstdlib>

namespace velmora {

namespace {

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\\' || c == '"') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

bool namesEvents(std::string_view list) {
    while (!list.empty()) {
        const size_t comma = list.find(',');
        if (list.substr(0, comma) == "events")
            return true;
        if (comma == std::string_view::npos)
            break;
        list.remove_prefix(comma + 1);
    }
    return false;
}

} // namespace

EventField::EventField(const char* fieldName, std::string_view text) : name(fieldName), value(quoted(text)) {}

EventField::EventField(const char* fieldName, const std::wstring& text)
    : name(fieldName), value(quoted(toUtf8(text))) {}

EventField::EventField(const char* fieldName, int number) : name(fieldName), value(std::to_string(number)) {}

EventField::EventField(const char* fieldName, double number, int decimals) : name(fieldName) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, number);
    value = text;
}

EventField::EventField(const char* fieldName, double x, double y, double z) : name(fieldName) {
    char text[160];
    std::snprintf(text, sizeof text, "%.2f,%.2f,%.2f", x, y, z);
    value = text;
}

bool eventLogEnabled() {
    static const bool enabled = [] {
        const char* value = std::getenv("VELMORA_LOG");
        return value && namesEvents(value);
    }();
    return enabled;
}

std::string eventLine(std::string_view name, const std::vector<EventField>& fields) {
    std::string line = "velmora event: ";
    line += name;
    for (const EventField& field : fields) {
        line += ' ';
        line += field.name;
        line += '=';
        line += field.value;
    }
    return line;
}

void logEvent(std::string_view name, const std::vector<EventField>& fields) {
    if (!eventLogEnabled())
        return;
    const std::string line = eventLine(name, fields) + '\n';
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}

} // namespace velmora
