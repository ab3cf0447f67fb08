#include "app/sdl/QuietAudioProbe.h"

#include <dlfcn.h>

namespace vantrel {

namespace {

// libasound's snd_lib_error_handler_t.
using AlsaErrorHandler = void (*)(const char* file, int line, const char* function, int error,
                                  const char* format, ...);
using SetAlsaErrorHandler = int (*)(AlsaErrorHandler handler);

void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

} // namespace

void silenceAudioLibraryDiagnostics() noexcept
{
    // SDL loads libasound by this name when it probes; loading it first gives the same
    // instance, and keeping it loaded keeps the handler in place for the whole run.
    void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_GLOBAL);
    if (alsa == nullptr) {
        return;
    }
    auto setHandler = reinterpret_cast<SetAlsaErrorHandler>(dlsym(alsa, "snd_lib_error_set_handler"));
    if (setHandler != nullptr) {
        setHandler(&ignoreAlsaError);
    }
}

} // namespace vantrel
