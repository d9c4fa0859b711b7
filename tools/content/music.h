#pragma once
// The title music: a bright eight-bar tune at 128 beats a minute (15 s) that loops seamlessly.

#include "synth.h"

#include <string>

namespace velmora::content {

Samples titleMusic();

// Parses a bar of notes such as "E5:1 -:1 G5:2" (name and octave, or '-' for a rest, and a length
// in eighths) into MIDI note numbers and lengths; returns false on a malformed bar.
struct NoteEvent {
    int midi; // -1 for a rest
    int eighths;
};
bool parseBar(const std::string& text, std::vector<NoteEvent>& notes);

} // namespace velmora::content
