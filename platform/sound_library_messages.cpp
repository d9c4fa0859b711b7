#include "platform/sound_library_messages.h"

#include <dlfcn.h>

namespace velmora {

namespace {

// ALSA's error handler type: (file, line, function, error, format, ...).
using AlsaErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);
using SetAlsaErrorHandler = int (*)(AlsaErrorHandler);

void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

} // namespace

void silenceSoundLibraryMessages() {
    static const bool silenced = [] {
        // The library SDL loads for ALSA; opened here first, it stays loaded, so SDL gets the same
        // copy with the handler in place. Without ALSA there is nothing to silence.
        void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!alsa)
            return false;
        const auto setHandler =
            reinterpret_cast<SetAlsaErrorHandler>(dlsym(alsa, "snd_lib_error_set_handler"));
        return setHandler && setHandler(ignoreAlsaError) == 0;
    }();
    (void)silenced;
}

} // namespace velmora
