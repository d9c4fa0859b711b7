#pragma once
// Writes a plain zip archive (no 64-bit extensions, no encryption) with fixed timestamps and
// sorted entries, so that the same files always give the same archive.

#include <string>
#include <vector>

namespace velmora::content {

struct ZipEntry {
    std::string name;   // '/'-separated, relative to the archive's folder
    std::string source; // file to pack
};

enum class Deflate { Smallest, Fastest };

// Packs the entries in name order. Pictures that are compressed already are stored; everything
// else is deflated (at the best compression, or the fastest for archives that are rewritten often).
// The archive is written beside its final name and renamed when complete.
bool writeZip(const std::string& archivePath, std::vector<ZipEntry> entries,
              Deflate deflate = Deflate::Smallest);

// Sorted relative names of the regular files under folder.
std::vector<std::string> listFiles(const std::string& folder);

} // namespace velmora::content
