#include "zip_file.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <zip.h>

namespace velmora::content {
namespace {

bool alreadyCompressed(const std::string& name) {
    const std::string extension = std::filesystem::path(name).extension().string();
    return extension == ".gif" || extension == ".jpg" || extension == ".png" || extension == ".zip";
}

} // namespace

std::vector<std::string> listFiles(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(folder, error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        if (it->is_regular_file())
            names.push_back(std::filesystem::relative(it->path(), folder).generic_string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool writeZip(const std::string& archivePath, std::vector<ZipEntry> entries, Deflate deflate) {
    std::sort(entries.begin(), entries.end(),
              [](const ZipEntry& a, const ZipEntry& b) { return a.name < b.name; });
    const std::string temporary = archivePath + ".part";
    zipFile zip = zipOpen(temporary.c_str(), APPEND_STATUS_CREATE);
    if (!zip)
        return false;
    bool ok = true;
    for (const auto& [name, source] : entries) {
        std::ifstream in(source, std::ios::binary);
        if (!in) {
            ok = false;
            break;
        }
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        zip_fileinfo info{};
        info.tmz_date = {0, 0, 12, 1, 0, 2024}; // 1 January 2024, noon
        const bool store = alreadyCompressed(name);
        const int level = deflate == Deflate::Smallest ? Z_BEST_COMPRESSION : Z_BEST_SPEED;
        ok = zipOpenNewFileInZip(zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                                 store ? 0 : Z_DEFLATED, store ? 0 : level) == ZIP_OK &&
             zipWriteInFileInZip(zip, bytes.data(), unsigned(bytes.size())) == ZIP_OK &&
             zipCloseFileInZip(zip) == ZIP_OK;
        if (!ok)
            break;
    }
    ok = zipClose(zip, nullptr) == ZIP_OK && ok;
    std::error_code error;
    if (ok)
        std::filesystem::rename(temporary, archivePath, error);
    else
        std::filesystem::remove(temporary, error);
    return ok && !error;
}

} // namespace velmora::content
