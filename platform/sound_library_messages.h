#pragma once
// The ALSA library writes its own diagnostics to standard error while SDL looks for a sound card:
// eight lines on a machine without one. The game says in one line of its own that it plays
// without sound, so ALSA's lines are turned off before SDL starts its audio.

namespace velmora {

void silenceSoundLibraryMessages();

} // namespace velmora
