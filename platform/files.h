#pragma once
// Files and folders by game path. Game paths keep the data's backslash convention
// ("..\resources\GUI\"); every '\\' becomes '/' at the operating-system boundary, and text crosses
// it as UTF-8, both in file names and in the text streams below.
//
// Streams are C streams: what the archive layer, the decoders and the template reader pass around.

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The operating system's form of a game path: '\\' turned into '/', UTF-8.
std::string toOsPath(std::wstring_view gamePath);
// The game's form of an operating-system path: '/' turned into '\\'.
std::wstring fromOsPath(std::string_view osPath);

// Opens a file with a C mode ("r", "rb", "w", "wb", "a", with '+' as usual; text and binary modes
// are the same here). Null when it cannot be opened. Close with std::fclose.
std::FILE* openFile(std::wstring_view path, const char* mode);

// Reads one line of UTF-8 text, like fgetws with a buffer of capacity characters: at most
// capacity - 1 characters, stopping after a newline, which is kept. A "\r\n" line end reads as "\n";
// bytes that are not UTF-8 read as U+FFFD. False (and an empty line) when nothing was read because
// the stream was at its end or failed.
bool readLine(std::FILE* stream, std::wstring& line, size_t capacity);

// True when no further byte can be read (without consuming one).
bool atEndOfStream(std::FILE* stream);

// Writes text as UTF-8, like fputws. False on a write error.
bool writeText(std::FILE* stream, std::wstring_view text);

// Flushes the stream and asks the operating system to put its data on the storage medium.
bool flushToStorage(std::FILE* stream);

struct FoundFile {
    std::wstring name; // without its folder
    bool isFolder = false;
};

// Lists the entries of a folder that match a pattern, given together as "folder\*.jpg" (the last
// separator divides them). '*' matches any run of characters, '?' one character, letters match
// either case, and "*.*" matches every name, with or without a dot. "." and ".." are never listed.
// Sorted by name, so that lists built from folders come out the same on every machine. A missing
// folder lists nothing.
std::vector<FoundFile> findFiles(std::wstring_view pathPattern);

// True when the pattern matches the name (the rules of findFiles).
bool matchesPattern(std::wstring_view name, std::wstring_view pattern);

// Creates one folder; false when it cannot be created or something already exists at the path.
bool createFolder(std::wstring_view path);
// Deletes a file (never a folder).
bool deleteFile(std::wstring_view path);
// Removes an empty folder.
bool removeFolder(std::wstring_view path);

// Creates a folder together with the missing folders above it whose separators ('\\' or '/') lie at
// or after position from; the folders before from must exist. A trailing separator is ignored and an
// existing folder counts as created (an existing file does not).
bool makeDirectories(std::wstring_view path, size_t from);

// Deletes every file directly in a folder; subfolders and their contents stay.
void deleteFilesInFolder(std::wstring_view folder);

// Writes bytes as the whole file at path, replacing it in one step: they go into a temporary file
// beside it ("<path>.tmp"), which is flushed to storage and then renamed over it. On any failure the
// old file stays as it was and false is returned.
bool replaceFile(std::wstring_view path, std::string_view bytes);

// Moves a file to a new path in one step, replacing a file there, so that readers of the target see
// either the old or the new file, never a part of one. Fails, leaving both files as they were, when
// the target is read-only (no write permission bits); a replaced target's permissions carry over.
bool renameFile(std::wstring_view from, std::wstring_view to);

bool pathExists(std::wstring_view path);
bool isFolder(std::wstring_view path);

// A game path as the player should read it in a message: '/' between folders, "\..\" resolved.
std::wstring displayPath(std::wstring_view gamePath);

} // namespace velmora
