#include "archive_plan.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>

namespace velmora::content {

const std::vector<std::string>& archiveFolders() {
    static const std::vector<std::string> folders = {"GUI", "scenes", "sounds"};
    return folders;
}

std::vector<std::string> checkEntries(const std::string& folder, const std::vector<ZipEntry>& entries) {
    std::vector<std::string> problems;
    std::set<std::string> flattened;
    for (const ZipEntry& entry : entries) {
        if (entry.name.size() >= 256)
            problems.push_back(folder + ": entry name too long: " + entry.name);
        std::string key = entry.name;
        for (char& c : key)
            c = c == '/' ? '_' : char(std::tolower(static_cast<unsigned char>(c)));
        if (!flattened.insert(key).second)
            problems.push_back(folder + ": " + entry.name + " collides with another entry once unpacked");
        // The course list is read from the scenes folder on disk.
        if (folder == "scenes" && entry.name.find('/') == std::string::npos)
            problems.push_back(folder + ": " + entry.name + " must stay on disk, not in the archive");
    }
    return problems;
}

ArchivePlan planArchives(const std::string& stageRoot) {
    ArchivePlan plan;
    std::error_code error;
    std::vector<std::filesystem::path> generators;
    for (const auto& item : std::filesystem::directory_iterator(stageRoot, error))
        if (item.is_directory())
            generators.push_back(item.path());
    std::sort(generators.begin(), generators.end());
    for (const std::string& folder : archiveFolders()) {
        std::vector<ZipEntry>& entries = plan.entries[folder];
        for (const auto& generator : generators) {
            const std::filesystem::path root = generator / folder;
            if (!std::filesystem::is_directory(root))
                continue;
            for (const std::string& name : listFiles(root.string()))
                entries.push_back({name, (root / name).string()});
        }
        std::sort(entries.begin(), entries.end(),
                  [](const ZipEntry& a, const ZipEntry& b) { return a.name < b.name; });
        for (const std::string& problem : checkEntries(folder, entries))
            plan.problems.push_back(problem);
    }
    return plan;
}

} // namespace velmora::content
