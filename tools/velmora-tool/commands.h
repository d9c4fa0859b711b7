#pragma once
// The subcommands of velmora-tool: each lives in its own file and is listed in main.cpp.

#include "base/wide_string.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::tool {

struct Command {
    const char* name;
    const char* usage; // arguments after the name
    const char* summary;
    int (*run)(const std::vector<std::string>& arguments); // exit code
};

// Exit codes of every command.
constexpr int exitOk = 0;
constexpr int exitFailed = 1;
constexpr int exitUsage = 2;

// Wide text to standard output as UTF-8.
inline void print(std::wstring_view text) {
    const std::string bytes = toUtf8(text);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

int runImage(const std::vector<std::string>& arguments);
int runModel(const std::vector<std::string>& arguments);
int runGround(const std::vector<std::string>& arguments);
int runTemplate(const std::vector<std::string>& arguments);
int runRecord(const std::vector<std::string>& arguments);
int runCourse(const std::vector<std::string>& arguments);
int runCoursePicture(const std::vector<std::string>& arguments);
int runCourseGen(const std::vector<std::string>& arguments);

} // namespace velmora::tool
