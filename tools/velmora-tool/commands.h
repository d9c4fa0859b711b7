#pragma once
// The subcommands of velmora-tool: each lives in its own file and is listed in main.cpp.

#include <string>
#include <vector>

namespace velmora::tool {

struct Command {
    const char* name;
    const char* usage; // arguments after the name
    const char* summary;
    int (*run)(const std::vector<std::string>& arguments); // exit code
};

int runImage(const std::vector<std::string>& arguments);
int runModel(const std::vector<std::string>& arguments);
int runGround(const std::vector<std::string>& arguments);

} // namespace velmora::tool
