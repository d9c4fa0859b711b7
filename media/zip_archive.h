#pragma once
// Reading zip archives: open an archive through the platform's file layer and extract one entry
// into a folder. The resource archives are built on this.

#include <string_view>

namespace velmora {

struct ZipArchive; // an archive of the unzip library, opaque to its users
using ArchiveHandle = ZipArchive*;

enum class Subfolders {
    Flatten, // every '/' of the entry name becomes '_': the file lands directly in the folder
    Keep,    // the entry's folders are created below the folder
};

// extractEntry results besides the unzip library's own (negative) codes.
constexpr int extractOk = 0;
constexpr int extractWriteFailed = -1;
constexpr int extractBadName = -102;  // the library's parameter error
constexpr int extractTooLarge = -110; // the entry would be larger than any resource file is read

// Null when the file cannot be opened or is not a zip archive.
ArchiveHandle openArchive(std::wstring_view path);
void closeArchive(ArchiveHandle archive);

// True for a name that stays inside the folder it is extracted to: not empty, shorter than 256
// characters, relative ('/' separated, no leading '/', no drive prefix "X:"), no ".." folder, no
// backslash and no zero character.
bool isSafeEntryName(std::wstring_view name);

// Writes the entry with the given name (found without regard to letter case) to folder + name, the
// folder ending in a separator. Returns extractOk, or an error: extractBadName for an unsafe name,
// extractTooLarge for an entry that would unpack to more than maxResourceFileBytes, the library's
// code when the entry is missing, damaged or fails its checksum, extractWriteFailed when the file
// cannot be written. On an error no file is left behind.
int extractEntry(ArchiveHandle archive, std::wstring_view name, std::wstring_view folder,
                 Subfolders subfolders);

} // namespace velmora
