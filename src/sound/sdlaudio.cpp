#include "sound/sdlaudio.h"

namespace {

// Debian's runtime package of SDL 2.
const QString SdlLibraryName = QStringLiteral("SDL2-2.0");
constexpr int SdlLibraryVersion = 0;

template<typename Function>
bool resolve(QLibrary &library, Function &function, const char *name)
{
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}

} // namespace

SdlAudio::SdlAudio()
    : m_library(SdlLibraryName, SdlLibraryVersion)
{
    if (!m_library.load() || !resolveAll())
        return;
    // SDL would otherwise take SIGINT and SIGTERM from the game.
    setHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // MS ADPCM pads its last block; the fact chunk says where the sound ends.
    setHint(SDL_HINT_WAVE_FACT_CHUNK, "truncate");
    m_up = initSubSystem(SDL_INIT_AUDIO) == 0;
}

SdlAudio::~SdlAudio()
{
    if (m_up)
        quitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudio::resolveAll()
{
    return resolve(m_library, setHint, "SDL_SetHint") && resolve(m_library, initSubSystem, "SDL_InitSubSystem")
           && resolve(m_library, quitSubSystem, "SDL_QuitSubSystem")
           && resolve(m_library, openAudioDevice, "SDL_OpenAudioDevice")
           && resolve(m_library, closeAudioDevice, "SDL_CloseAudioDevice")
           && resolve(m_library, pauseAudioDevice, "SDL_PauseAudioDevice")
           && resolve(m_library, queueAudio, "SDL_QueueAudio")
           && resolve(m_library, clearQueuedAudio, "SDL_ClearQueuedAudio")
           && resolve(m_library, getQueuedAudioSize, "SDL_GetQueuedAudioSize")
           && resolve(m_library, dequeueAudio, "SDL_DequeueAudio")
           && resolve(m_library, getAudioDeviceStatus, "SDL_GetAudioDeviceStatus")
           && resolve(m_library, rwFromConstMem, "SDL_RWFromConstMem")
           && resolve(m_library, loadWavRw, "SDL_LoadWAV_RW") && resolve(m_library, freeWav, "SDL_FreeWAV")
           && resolve(m_library, buildAudioCvt, "SDL_BuildAudioCVT")
           && resolve(m_library, convertAudio, "SDL_ConvertAudio");
}
