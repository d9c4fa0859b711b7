#pragma once
// Resource archives: zip archives mounted over resource folders. Every file the game reads is opened
// through openResource: a file on disk wins; otherwise the entry of the last mounted archive whose
// folder holds the path is extracted into the temporary folder and that copy is opened, and closing
// the stream deletes the copy again.
//
// The archive list, the temporary folder and the extracted copies are process-wide state, used from
// the one game thread.

#include <cstdio>
#include <string>
#include <string_view>

namespace velmora {

// Mounts the archive folder + fileName over folder. An archive that cannot be opened is skipped
// silently.
void registerArchive(std::wstring_view fileName, std::wstring_view folder);
// Closes and unmounts every archive registered under exactly this file name.
void unregisterArchive(std::wstring_view fileName);

// Extracted copies go to this folder (created at the first extraction). The files (not subfolders)
// already in it are deleted. An empty folder means none: copies then go beside the archive.
void setTempFolder(std::wstring_view folder);

// Opens a resource with a C mode; null when it is neither on disk nor in a mounted archive. A stream
// opened for reading from an archive reads a temporary copy: close it with closeResource.
std::FILE* openResource(std::wstring_view path, const char* mode);
// Closes the stream and deletes the temporary copy it read, if any.
void closeResource(std::FILE* stream);
// Whether the resource can be opened for reading (an archive entry is extracted and deleted again).
bool resourceExists(std::wstring_view path);

// Closes every archive, forgets the open copies, deletes the files of the temporary folder and
// removes the folder.
void closeArchives();

} // namespace velmora
