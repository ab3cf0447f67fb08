#pragma once

// The two XAudio2 versions the back end drives: 2.7, the DirectX runtime's COM component,
// and 2.9, part of Windows 10 and later. Their voices take the same calls with the same
// records; only the engine's interface and the voice state query differ.

#include <windows.h>
#include <xaudio2.h>

#include <vantrel/sound/xaudio2/XAudio2Interfaces.h>

namespace vantrel {

enum class XAudio2Version { v2_7, v2_9 };

struct XAudio27Api {
    using Engine = xaudio27::Engine;
    using SourceVoice = xaudio27::SourceVoice;
    using MasteringVoice = xaudio27::MasteringVoice;
    using Buffer = xaudio27::Buffer;
    using VoiceState = xaudio27::VoiceState;
    static void getState(SourceVoice* voice, VoiceState* state) { voice->GetState(state); }
};

struct XAudio29Api {
    using Engine = IXAudio2;
    using SourceVoice = IXAudio2SourceVoice;
    using MasteringVoice = IXAudio2MasteringVoice;
    using Buffer = XAUDIO2_BUFFER;
    using VoiceState = XAUDIO2_VOICE_STATE;
    static void getState(SourceVoice* voice, VoiceState* state) { voice->GetState(state, 0); }
};

} // namespace vantrel
