#pragma once
// Where the game's files live. Every reader and writer asks here, so that they all agree:
//
// - The data the game ships (templates, pictures, sounds, archives, the manual) is found from the
//   executable's own folder: "<bin>\..\share\velmora\" in an installed tree, "<bin>\..\" in the
//   build tree, whichever holds a "resources" folder. It is only ever read, so an installation may
//   be read-only and may be moved as a whole.
// - The files the game writes (the settings "gsetting.properties", the course choice
//   "courseMenu.properties", the load slot "loadGame.properties", the best scores
//   "scores.properties", the saved games "saveGame.properties" and the window's size) live in the
//   player's data folder, $XDG_DATA_HOME/velmora/ (~/.local/share/velmora/ by default). Reading one
//   looks there first and falls back to the shipped copy, which holds the defaults.
// - Entries unpacked from the resource archives go to a temporary folder that only the player can
//   open.
//
// Every folder returned is a game path (see files.h) that ends in a backslash.

#include <string>
#include <string_view>

namespace velmora {

// The shipped data: "...\resources\" and "...\manual\".
std::wstring resourcesFolder();
std::wstring manualFolder();

// The folder the game writes its files into. A writer saves fileName as userDataFolder() + fileName,
// replacing an existing file in one step (a temporary file beside it, then renameFile). The folder is
// created on the first call; when it cannot be, one line on standard error says why, and the writes
// that follow fail as they would on a full or read-only disk.
std::wstring userDataFolder();

// A write of a kept file that was cut off (the game killed, the power gone) leaves its temporary
// "<file>.tmp" beside it, which only the next write of the same file would replace. Deletes those
// of the player's data folder that are older than maxAgeSeconds; a younger one may be a write under
// way in an instance that is ending. Creates nothing.
void removeStaleTemporaryFiles(int maxAgeSeconds);

// The folder to read a file the game keeps from: the user data folder when it holds fileName as a
// plain file (the player's own copy), otherwise installedFolder, by default the shipped GUI folder
// (resourcesFolder() + "GUI\"). Creates nothing.
std::wstring guiFileFolder(std::wstring_view fileName, std::wstring_view installedFolder = {});

// The folder for the entries unpacked from the resource archives, open to the player alone (mode
// 0700): "Tavrin.tmp" in $XDG_RUNTIME_DIR, or in ~/.cache/velmora/ when that is not set. A run
// under its own VELMORA_INSTANCE name gets a folder of its own, so that parallel runs never empty
// each other's. Created when missing.
std::wstring temporaryFolder();

} // namespace velmora
