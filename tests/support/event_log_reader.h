#pragma once
// Reads the lines of the event log (VELMORA_LOG=events) out of a program's standard error, as any
// reader of the log would: "velmora event: <name> <field>=<value> ...", text values in double
// quotes with backslash escapes. Other lines are left out.

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace velmora::test {

struct LoggedEvent {
    std::string name;
    std::map<std::string, std::string> fields; // text values unquoted and unescaped
    std::string field(const std::string& key) const {
        const auto found = fields.find(key);
        return found == fields.end() ? std::string() : found->second;
    }
    int number(const std::string& key) const { return std::stoi(field(key).empty() ? "0" : field(key)); }
};

inline std::vector<LoggedEvent> readEventLog(const std::string& text) {
    static const std::string prefix = "velmora event: ";
    std::vector<LoggedEvent> events;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind(prefix, 0) != 0)
            continue;
        LoggedEvent event;
        size_t at = prefix.size();
        const size_t nameEnd = line.find(' ', at);
        event.name = line.substr(at, nameEnd - at);
        at = nameEnd;
        while (at != std::string::npos && at < line.size()) {
            const size_t keyStart = at + 1;
            const size_t equals = line.find('=', keyStart);
            if (equals == std::string::npos)
                break;
            const std::string key = line.substr(keyStart, equals - keyStart);
            std::string value;
            at = equals + 1;
            if (at < line.size() && line[at] == '"') {
                for (++at; at < line.size() && line[at] != '"'; ++at) {
                    if (line[at] == '\\' && at + 1 < line.size()) {
                        ++at;
                        value += line[at] == 'n' ? '\n' : line[at] == 'r' ? '\r' : line[at];
                    } else {
                        value += line[at];
                    }
                }
                ++at; // past the closing quote
            } else {
                const size_t end = line.find(' ', at);
                value = line.substr(at, end == std::string::npos ? std::string::npos : end - at);
                at = end == std::string::npos ? line.size() : end;
            }
            event.fields[key] = value;
            if (at >= line.size() || line[at] != ' ')
                break;
        }
        events.push_back(std::move(event));
    }
    return events;
}

} // namespace velmora::test
