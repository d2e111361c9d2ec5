#pragma once

#include "soundlibrary.h"
#include "soundsink.h"

#include <QByteArrayView>
#include <QLibrary>
#include <QThreadPool>
#include <QTimer>

#include <SDL.h>

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

// Samples ready for the device, in its format.
struct DecodedSound
{
    std::vector<Uint8> bytes;
};

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

    // The functions the player uses, resolved from the library.
    decltype(&SDL_SetHint) setHint = nullptr;
    decltype(&SDL_InitSubSystem) initSubSystem = nullptr;
    decltype(&SDL_QuitSubSystem) quitSubSystem = nullptr;
    decltype(&SDL_OpenAudioDevice) openAudioDevice = nullptr;
    decltype(&SDL_CloseAudioDevice) closeAudioDevice = nullptr;
    decltype(&SDL_PauseAudioDevice) pauseAudioDevice = nullptr;
    decltype(&SDL_QueueAudio) queueAudio = nullptr;
    decltype(&SDL_ClearQueuedAudio) clearQueuedAudio = nullptr;
    decltype(&SDL_GetQueuedAudioSize) getQueuedAudioSize = nullptr;
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

// One open output device fed from SDL's queue. The queue copies what it is
// given, so no memory of ours is read by the audio thread.
class AudioDevice
{
public:
    enum class Fit {
        Exact,  // SDL converts if the hardware differs
        Native, // the device's own format, as near to the wanted one as it allows
    };

    // The default device; empty when none can be opened.
    static std::optional<AudioDevice> open(const SdlAudio &sdl, const SDL_AudioSpec &wanted, Fit fit);

    ~AudioDevice();
    AudioDevice(AudioDevice &&other) noexcept;
    AudioDevice &operator=(AudioDevice &&other) noexcept;
    AudioDevice(const AudioDevice &) = delete;
    AudioDevice &operator=(const AudioDevice &) = delete;

    const SDL_AudioSpec &spec() const { return m_spec; }

    // Drops whatever is waiting and starts these samples instead.
    void replaceQueue(const DecodedSound &sound);
    std::size_t queuedBytes() const;
    int millisecondsFor(std::size_t bytes) const;

private:
    AudioDevice(const SdlAudio &sdl, SDL_AudioDeviceID id, const SDL_AudioSpec &spec);

    const SdlAudio *m_sdl;
    SDL_AudioDeviceID m_id;
    SDL_AudioSpec m_spec;
};

// The game's only sound output: one sound at a time, a new one cuts off the
// old, and every failure (no device, a bad or missing sound) is silence.
// A parent's recordings are decoded on a worker thread: a number asked for
// before its recording is ready starts when it is, unless another sound has
// been asked for meanwhile.
class SoundPlayer : public SoundSink
{
public:
    explicit SoundPlayer(SoundLibrary library = {});
    SoundPlayer(const SoundPlayer &) = delete;
    SoundPlayer &operator=(const SoundPlayer &) = delete;

    void play(int id) override;

    // The device is open while a sound plays and for a while after.
    bool isDeviceOpen() const { return m_device.has_value(); }
    // What of the current sound the device has not taken yet.
    std::size_t pendingBytes() const;
    // Empty without a device; starts the output if no sound has done so.
    std::optional<SDL_AudioSpec> deviceSpec();

    // A whole WAVE image converted to the target format; empty if it cannot
    // be decoded or converted, holds no sound, or lasts longer than maxMs.
    static std::optional<DecodedSound> decode(const SdlAudio &sdl, QByteArrayView wav,
                                              const SDL_AudioSpec &target, std::optional<int> maxMs = {});

private:
    // SDL's audio and the device's own format. Set up by the first sound:
    // a game that is only looked at starts faster and smaller without it.
    struct Output
    {
        SdlAudio sdl;
        std::optional<SDL_AudioSpec> format; // empty means silence
    };

    const Output &output();
    void start(const std::optional<DecodedSound> &decoded);
    const std::optional<DecodedSound> &sound(int id);
    // The first of the sources that can be played.
    static std::optional<DecodedSound> loadFirst(const Output &output,
                                                 const std::vector<SoundLibrary::Source> &sources);
    void decodeInBackground(int id);
    void finishDecoding(int id, std::shared_ptr<std::optional<DecodedSound>> decoded);
    bool ensureDeviceOpen();
    void closeWhenDrained();

    // Declared before the device, which must close before SDL's audio stops.
    std::optional<Output> m_output;
    std::optional<AudioDevice> m_device;
    const SoundLibrary m_library;
    // Decoded at first play; a sound that cannot be decoded stays empty.
    std::map<int, std::optional<DecodedSound>> m_sounds;
    std::set<int> m_decoding;
    std::optional<int> m_waitingFor; // asked for, its recording still decoding
    QTimer m_endOfSound;
    // Last, so that it is gone (its work finished) before anything it uses.
    QThreadPool m_decoder;
};
