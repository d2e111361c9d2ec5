#include "soundplayer.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>

namespace {

// Small periods keep a new sound's start (and the cut-off of the old one)
// within about 10 ms at the device's own rate.
constexpr int DeviceFrequency = 44100;
constexpr SDL_AudioFormat DeviceFormat = AUDIO_S16SYS;
constexpr Uint8 DeviceChannels = 1;
constexpr Uint16 DevicePeriodFrames = 512;

// Extra wait after a sound's computed end before asking the device again.
constexpr int EndOfSoundSlackMs = 20;

struct WavBufferDeleter
{
    void operator()(Uint8 *buffer) const { SDL_FreeWAV(buffer); }
};
using WavBuffer = std::unique_ptr<Uint8, WavBufferDeleter>;

std::size_t frameBytes(const SDL_AudioSpec &spec)
{
    return std::size_t(SDL_AUDIO_BITSIZE(spec.format) / 8) * spec.channels;
}

} // namespace

SdlAudioSubsystem::SdlAudioSubsystem()
{
    // SDL would otherwise take SIGINT and SIGTERM from the game.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    m_up = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
}

SdlAudioSubsystem::~SdlAudioSubsystem()
{
    if (m_up)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

std::optional<AudioDevice> AudioDevice::open()
{
    SDL_AudioSpec wanted{};
    wanted.freq = DeviceFrequency;
    wanted.format = DeviceFormat;
    wanted.channels = DeviceChannels;
    wanted.samples = DevicePeriodFrames;
    // No callback: SDL feeds the device from its own queue.
    SDL_AudioSpec obtained{};
    // The device keeps its native format; sounds are converted once, exactly,
    // rather than by SDL's streaming converter on the audio thread.
    const SDL_AudioDeviceID id =
        SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, SDL_AUDIO_ALLOW_ANY_CHANGE);
    if (id == 0)
        return std::nullopt;
    return AudioDevice(id, obtained);
}

AudioDevice::AudioDevice(SDL_AudioDeviceID id, const SDL_AudioSpec &spec)
    : m_id(id)
    , m_spec(spec)
{
}

AudioDevice::AudioDevice(AudioDevice &&other) noexcept
    : m_id(std::exchange(other.m_id, 0))
    , m_spec(other.m_spec)
{
}

AudioDevice::~AudioDevice()
{
    if (m_id != 0)
        SDL_CloseAudioDevice(m_id);
}

void AudioDevice::replaceQueue(const DecodedSound &sound)
{
    SDL_ClearQueuedAudio(m_id);
    SDL_QueueAudio(m_id, sound.bytes.data(), Uint32(sound.bytes.size()));
    SDL_PauseAudioDevice(m_id, 0);
}

void AudioDevice::pause()
{
    SDL_PauseAudioDevice(m_id, 1);
}

bool AudioDevice::isRunning() const
{
    return SDL_GetAudioDeviceStatus(m_id) == SDL_AUDIO_PLAYING;
}

std::size_t AudioDevice::queuedBytes() const
{
    return SDL_GetQueuedAudioSize(m_id);
}

int AudioDevice::millisecondsFor(std::size_t bytes) const
{
    const std::size_t bytesPerSecond = frameBytes(m_spec) * std::size_t(m_spec.freq);
    return int((bytes * 1000 + bytesPerSecond - 1) / bytesPerSecond);
}

SoundPlayer::SoundPlayer()
    : m_device(m_audio.isUp() ? AudioDevice::open() : std::nullopt)
{
    m_endOfSound.setSingleShot(true);
    QObject::connect(&m_endOfSound, &QTimer::timeout, [this] { pauseWhenDrained(); });
}

void SoundPlayer::PlayWav(int id)
{
    if (!m_device)
        return;
    const std::optional<DecodedSound> &decoded = sound(id);
    if (!decoded)
        return;
    m_device->replaceQueue(*decoded);
    m_endOfSound.start(m_device->millisecondsFor(decoded->bytes.size()) + EndOfSoundSlackMs);
}

bool SoundPlayer::isPlaying() const
{
    return m_device && m_device->isRunning();
}

std::size_t SoundPlayer::pendingBytes() const
{
    return m_device ? m_device->queuedBytes() : 0;
}

std::optional<SDL_AudioSpec> SoundPlayer::deviceSpec() const
{
    if (!m_device)
        return std::nullopt;
    return m_device->spec();
}

const std::optional<DecodedSound> &SoundPlayer::sound(int id)
{
    const auto known = m_sounds.find(id);
    if (known != m_sounds.end())
        return known->second;
    QFile file(QStringLiteral(":/wav/%1").arg(id));
    std::optional<DecodedSound> decoded;
    if (file.open(QIODevice::ReadOnly))
        decoded = decode(file.readAll(), m_device->spec());
    return m_sounds.emplace(id, std::move(decoded)).first->second;
}

void SoundPlayer::pauseWhenDrained()
{
    // A device running late, or a busy event loop, can leave some of the
    // sound still queued: look again when that part should be done.
    const std::size_t left = m_device->queuedBytes();
    if (left > 0) {
        m_endOfSound.start(m_device->millisecondsFor(left) + EndOfSoundSlackMs);
        return;
    }
    // An unpaused SDL device runs its thread even with nothing to play.
    m_device->pause();
}

std::optional<DecodedSound> SoundPlayer::decode(QByteArrayView wav, const SDL_AudioSpec &target)
{
    // MS ADPCM pads its last block; the fact chunk says where the sound ends.
    SDL_SetHint(SDL_HINT_WAVE_FACT_CHUNK, "truncate");

    SDL_AudioSpec source{};
    Uint8 *raw = nullptr;
    Uint32 rawLength = 0;
    SDL_RWops *stream = SDL_RWFromConstMem(wav.data(), int(wav.size()));
    if (!stream || !SDL_LoadWAV_RW(stream, 1, &source, &raw, &rawLength))
        return std::nullopt;
    const WavBuffer samples(raw);

    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, source.format, source.channels, source.freq,
                          target.format, target.channels, target.freq) < 0)
        return std::nullopt;

    DecodedSound decoded;
    decoded.bytes.resize(std::size_t(rawLength) * std::size_t(std::max(cvt.len_mult, 1)));
    std::memcpy(decoded.bytes.data(), samples.get(), rawLength);
    if (cvt.needed) {
        cvt.buf = decoded.bytes.data();
        cvt.len = int(rawLength);
        if (SDL_ConvertAudio(&cvt) < 0)
            return std::nullopt;
        decoded.bytes.resize(std::size_t(cvt.len_cvt));
    } else {
        decoded.bytes.resize(rawLength);
    }
    return decoded;
}
