#pragma once

namespace vantrel {

// Keeps the audio library's own diagnostics off the terminal: without a sound card its
// device probe prints lines such as "Unknown PCM default" before the silent back end takes
// over. Call before the sound manager is created. Does nothing where the library is absent.
void silenceAudioLibraryDiagnostics() noexcept;

} // namespace vantrel
