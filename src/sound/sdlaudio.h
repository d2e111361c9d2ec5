#pragma once

#include <QLibrary>

#include <SDL.h>

// SDL's audio, loaded when the first sound plays rather than linked: SDL
// brings a long chain of libraries (sound servers, codecs, X extensions) that
// would otherwise all load before the game's window could show. Keeps SDL's
// audio subsystem up for as long as it lives.
class SdlAudio
{
public:
    SdlAudio();
    ~SdlAudio();
    SdlAudio(const SdlAudio &) = delete;
    SdlAudio &operator=(const SdlAudio &) = delete;

    // False when SDL is missing or its audio cannot start: silence.
    bool isUp() const { return m_up; }

    // The functions the game uses, resolved from the library.
    decltype(&SDL_SetHint) setHint = nullptr;
    decltype(&SDL_InitSubSystem) initSubSystem = nullptr;
    decltype(&SDL_QuitSubSystem) quitSubSystem = nullptr;
    decltype(&SDL_OpenAudioDevice) openAudioDevice = nullptr;
    decltype(&SDL_CloseAudioDevice) closeAudioDevice = nullptr;
    decltype(&SDL_PauseAudioDevice) pauseAudioDevice = nullptr;
    decltype(&SDL_QueueAudio) queueAudio = nullptr;
    decltype(&SDL_ClearQueuedAudio) clearQueuedAudio = nullptr;
    decltype(&SDL_GetQueuedAudioSize) getQueuedAudioSize = nullptr;
    decltype(&SDL_DequeueAudio) dequeueAudio = nullptr;
    decltype(&SDL_GetAudioDeviceStatus) getAudioDeviceStatus = nullptr;
    decltype(&SDL_RWFromConstMem) rwFromConstMem = nullptr;
    decltype(&SDL_LoadWAV_RW) loadWavRw = nullptr;
    decltype(&SDL_FreeWAV) freeWav = nullptr;
    decltype(&SDL_BuildAudioCVT) buildAudioCvt = nullptr;
    decltype(&SDL_ConvertAudio) convertAudio = nullptr;

private:
    bool resolveAll();

    QLibrary m_library;
    bool m_up = false;
};
