#include "platform/files.h"

#include "base/wide_string.h"

#include <algorithm>
#include <cerrno>
#include <cwctype>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {

namespace {

constexpr wchar_t replacementCharacter = 0xFFFD;

// One character of UTF-8 from the stream; EOF at the end. A malformed sequence reads as U+FFFD and
// leaves the byte that broke it for the next character.
long readCharacter(std::FILE* stream) {
    const int lead = std::getc(stream);
    if (lead == EOF)
        return EOF;
    if (lead < 0x80)
        return lead;
    const int length = (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0)
        return replacementCharacter;
    uint32_t c = static_cast<uint32_t>(lead) & (0x7Fu >> length);
    for (int k = 1; k < length; ++k) {
        const int next = std::getc(stream);
        if (next == EOF || (next & 0xC0) != 0x80) {
            if (next != EOF)
                std::ungetc(next, stream);
            return replacementCharacter;
        }
        c = (c << 6) | (static_cast<uint32_t>(next) & 0x3F);
    }
    const uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < smallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return replacementCharacter;
    return static_cast<long>(c);
}

} // namespace

std::string toOsPath(std::wstring_view gamePath) {
    std::wstring path(gamePath);
    replaceChar(path, L'\\', L'/');
    return toUtf8(path);
}

std::wstring fromOsPath(std::string_view osPath) {
    std::wstring path = fromUtf8(osPath);
    replaceChar(path, L'/', L'\\');
    return path;
}

std::FILE* openFile(std::wstring_view path, const char* mode) {
    if (path.empty() || path.find(L'\0') != std::wstring_view::npos)
        return nullptr;
    std::FILE* stream = std::fopen(toOsPath(path).c_str(), mode);
    // A folder opens for reading here, but never as a file of the game.
    struct stat status;
    if (stream && fstat(fileno(stream), &status) == 0 && S_ISDIR(status.st_mode)) {
        std::fclose(stream);
        errno = EISDIR;
        return nullptr;
    }
    return stream;
}

bool readLine(std::FILE* stream, std::wstring& line, size_t capacity) {
    line.clear();
    while (line.size() + 1 < capacity) {
        long c = readCharacter(stream);
        if (c == EOF)
            break;
        if (c == L'\r') {
            const int next = std::getc(stream);
            if (next == '\n')
                c = L'\n';
            else if (next != EOF)
                std::ungetc(next, stream);
        }
        line += static_cast<wchar_t>(c);
        if (c == L'\n')
            break;
    }
    return !line.empty();
}

bool atEndOfStream(std::FILE* stream) {
    const int c = std::getc(stream);
    if (c == EOF)
        return true;
    std::ungetc(c, stream);
    return false;
}

bool writeText(std::FILE* stream, std::wstring_view text) {
    const std::string bytes = toUtf8(text);
    return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
}

bool flushToStorage(std::FILE* stream) {
    return std::fflush(stream) == 0 && fsync(fileno(stream)) == 0;
}

bool matchesPattern(std::wstring_view name, std::wstring_view pattern) {
    // A name without an extension matches "x.*" as if it had an empty one.
    if (pattern.ends_with(L".*") && name.find(L'.') == std::wstring_view::npos &&
        matchesPattern(name, pattern.substr(0, pattern.size() - 2)))
        return true;
    // Greedy matching that returns to the last '*' on a mismatch: linear in practice, never recursive.
    size_t n = 0, p = 0;
    size_t starPattern = std::wstring_view::npos, starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == L'*') {
            starPattern = p++;
            starName = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == L'?' || std::towlower(pattern[p]) == std::towlower(name[n]))) {
            ++p;
            ++n;
        } else if (starPattern != std::wstring_view::npos) {
            p = starPattern + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == L'*')
        ++p;
    return p == pattern.size();
}

std::vector<FoundFile> findFiles(std::wstring_view pathPattern) {
    const size_t separator = pathPattern.find_last_of(L"\\/");
    const std::wstring_view pattern =
        separator == std::wstring_view::npos ? pathPattern : pathPattern.substr(separator + 1);
    const std::string folder =
        separator == std::wstring_view::npos ? "." : toOsPath(pathPattern.substr(0, separator + 1));

    std::vector<FoundFile> found;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::wstring name = fromUtf8(it->path().filename().native());
        if (!matchesPattern(name, pattern))
            continue;
        std::error_code statusError;
        found.push_back({std::move(name), it->is_directory(statusError)});
    }
    std::sort(found.begin(), found.end(),
              [](const FoundFile& a, const FoundFile& b) { return a.name < b.name; });
    return found;
}

bool createFolder(std::wstring_view path) {
    return !path.empty() && mkdir(toOsPath(path).c_str(), 0777) == 0;
}

bool deleteFile(std::wstring_view path) {
    return !path.empty() && unlink(toOsPath(path).c_str()) == 0;
}

bool removeFolder(std::wstring_view path) {
    return !path.empty() && rmdir(toOsPath(path).c_str()) == 0;
}

bool makeDirectories(std::wstring_view path, size_t from) {
    std::wstring_view whole = path;
    if (!whole.empty() && (whole.back() == L'/' || whole.back() == L'\\'))
        whole.remove_suffix(1);
    if (whole.empty())
        return false;
    if (isFolder(whole) || createFolder(whole))
        return true;
    for (size_t at = whole.find_first_of(L"\\/", from); at != std::wstring_view::npos;
         at = whole.find_first_of(L"\\/", at + 1)) {
        const std::wstring_view folder = whole.substr(0, at);
        if (!folder.empty() && !createFolder(folder) && !isFolder(folder))
            return false;
    }
    return createFolder(whole) || isFolder(whole);
}

void deleteFilesInFolder(std::wstring_view folder) {
    const bool endsInSeparator = !folder.empty() && (folder.back() == L'/' || folder.back() == L'\\');
    const std::wstring prefix = std::wstring(folder) + (endsInSeparator ? L"" : L"\\");
    for (const FoundFile& file : findFiles(prefix + L"*.*")) {
        if (!file.isFolder && !file.name.empty())
            deleteFile(prefix + file.name);
    }
}

bool renameFile(std::wstring_view from, std::wstring_view to) {
    const std::string source = toOsPath(from);
    const std::string target = toOsPath(to);
    struct stat targetStatus;
    if (stat(target.c_str(), &targetStatus) == 0) {
        if ((targetStatus.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
            errno = EACCES;
            return false;
        }
        chmod(source.c_str(), targetStatus.st_mode & 07777);
    }
    return std::rename(source.c_str(), target.c_str()) == 0;
}

bool replaceFile(std::wstring_view path, std::string_view bytes) {
    const std::wstring temporary = std::wstring(path) + L".tmp";
    std::FILE* out = openFile(temporary, "wb");
    if (!out)
        return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    written = flushToStorage(out) && written;
    written = std::fclose(out) == 0 && written;
    if (written && renameFile(temporary, path))
        return true;
    deleteFile(temporary);
    return false;
}

bool pathExists(std::wstring_view path) {
    struct stat status;
    return !path.empty() && stat(toOsPath(path).c_str(), &status) == 0;
}

bool isFolder(std::wstring_view path) {
    struct stat status;
    return !path.empty() && stat(toOsPath(path).c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

std::wstring displayPath(std::wstring_view gamePath) {
    std::wstring path(gamePath);
    replaceChar(path, L'/', L'\\');
    collapseDotDot(path);
    replaceChar(path, L'\\', L'/');
    return path;
}

} // namespace velmora
