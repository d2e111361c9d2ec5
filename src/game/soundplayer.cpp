#include "soundplayer.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace {

// The sounds' own rate: most need no resampling, and the departure's 11 kHz
// only a cheap doubling. A 256-frame period keeps a new sound's start (and
// the cut-off of the old one) within about 12 ms.
constexpr int DeviceFrequency = 22050;
constexpr SDL_AudioFormat DeviceFormat = AUDIO_S16SYS;
constexpr Uint8 DeviceChannels = 1;
constexpr Uint16 DevicePeriodFrames = 256;

// Closing a device waits for SDL's audio thread (some 30 ms), so it is done
// only after this much silence: never while the train drives off, whose
// sound ends about two seconds before the train is back and the next number
// is spoken.
constexpr int CloseAfterSilenceMs = 3000;

// Debian's runtime package of SDL 2.
const QString SdlLibraryName = QStringLiteral("SDL2-2.0");
constexpr int SdlLibraryVersion = 0;

template<typename Function>
bool resolve(QLibrary &library, Function &function, const char *name)
{
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}

std::size_t frameBytes(const SDL_AudioSpec &spec)
{
    return std::size_t(SDL_AUDIO_BITSIZE(spec.format) / 8) * spec.channels;
}

SDL_AudioSpec preferredSpec()
{
    SDL_AudioSpec preferred{};
    preferred.freq = DeviceFrequency;
    preferred.format = DeviceFormat;
    preferred.channels = DeviceChannels;
    preferred.samples = DevicePeriodFrames;
    return preferred;
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
           && resolve(m_library, rwFromConstMem, "SDL_RWFromConstMem")
           && resolve(m_library, loadWavRw, "SDL_LoadWAV_RW") && resolve(m_library, freeWav, "SDL_FreeWAV")
           && resolve(m_library, buildAudioCvt, "SDL_BuildAudioCVT")
           && resolve(m_library, convertAudio, "SDL_ConvertAudio");
}

std::optional<AudioDevice> AudioDevice::open(const SdlAudio &sdl, const SDL_AudioSpec &wanted, Fit fit)
{
    if (!sdl.isUp())
        return std::nullopt;
    SDL_AudioSpec request = wanted;
    // No callback: SDL feeds the device from its own queue.
    request.callback = nullptr;
    SDL_AudioSpec obtained{};
    const SDL_AudioDeviceID id = sdl.openAudioDevice(nullptr, 0, &request, &obtained,
                                                     fit == Fit::Exact ? 0 : SDL_AUDIO_ALLOW_ANY_CHANGE);
    if (id == 0)
        return std::nullopt;
    return AudioDevice(sdl, id, fit == Fit::Exact ? wanted : obtained);
}

AudioDevice::AudioDevice(const SdlAudio &sdl, SDL_AudioDeviceID id, const SDL_AudioSpec &spec)
    : m_sdl(&sdl)
    , m_id(id)
    , m_spec(spec)
{
}

AudioDevice::AudioDevice(AudioDevice &&other) noexcept
    : m_sdl(other.m_sdl)
    , m_id(std::exchange(other.m_id, 0))
    , m_spec(other.m_spec)
{
}

AudioDevice &AudioDevice::operator=(AudioDevice &&other) noexcept
{
    std::swap(m_sdl, other.m_sdl);
    std::swap(m_id, other.m_id);
    std::swap(m_spec, other.m_spec);
    return *this;
}

AudioDevice::~AudioDevice()
{
    if (m_id != 0)
        m_sdl->closeAudioDevice(m_id);
}

void AudioDevice::replaceQueue(const DecodedSound &sound)
{
    m_sdl->clearQueuedAudio(m_id);
    m_sdl->queueAudio(m_id, sound.bytes.data(), Uint32(sound.bytes.size()));
    m_sdl->pauseAudioDevice(m_id, 0);
}

std::size_t AudioDevice::queuedBytes() const
{
    return m_sdl->getQueuedAudioSize(m_id);
}

int AudioDevice::millisecondsFor(std::size_t bytes) const
{
    const std::size_t bytesPerSecond = frameBytes(m_spec) * std::size_t(m_spec.freq);
    return int((bytes * 1000 + bytesPerSecond - 1) / bytesPerSecond);
}

SoundPlayer::SoundPlayer(SoundLibrary library)
    : m_library(std::move(library))
{
    m_endOfSound.setSingleShot(true);
    // One recording at a time: the game keeps the other core.
    m_decoder.setMaxThreadCount(1);
    QObject::connect(&m_endOfSound, &QTimer::timeout, [this] { closeWhenDrained(); });
}

void SoundPlayer::play(int id)
{
    if (!output().format)
        return;
    m_waitingFor.reset();
    if (!m_sounds.contains(id) && m_library.hasRecording(id)) {
        m_waitingFor = id;
        decodeInBackground(id);
        return;
    }
    start(sound(id));
}

void SoundPlayer::start(const std::optional<DecodedSound> &decoded)
{
    if (!decoded || !ensureDeviceOpen())
        return;
    m_device->replaceQueue(*decoded);
    m_endOfSound.start(m_device->millisecondsFor(decoded->bytes.size()) + CloseAfterSilenceMs);
}

std::size_t SoundPlayer::pendingBytes() const
{
    return m_device ? m_device->queuedBytes() : 0;
}

std::optional<SDL_AudioSpec> SoundPlayer::deviceSpec()
{
    return output().format;
}

const SoundPlayer::Output &SoundPlayer::output()
{
    if (m_output)
        return *m_output;
    m_output.emplace();
    // The first device is opened in what the hardware plays natively, and
    // every later one in that same format: the sounds are converted to it
    // once, exactly, rather than by SDL's streaming converter.
    m_device = AudioDevice::open(m_output->sdl, preferredSpec(), AudioDevice::Fit::Native);
    if (m_device) {
        m_output->format = m_device->spec();
        m_endOfSound.start(CloseAfterSilenceMs);
        // The recordings are made ready while the child counts.
        for (int id : m_library.recordedIds())
            decodeInBackground(id);
    }
    return *m_output;
}

const std::optional<DecodedSound> &SoundPlayer::sound(int id)
{
    const auto known = m_sounds.find(id);
    if (known != m_sounds.end())
        return known->second;
    return m_sounds.emplace(id, loadFirst(output(), m_library.sources(id))).first->second;
}

std::optional<DecodedSound> SoundPlayer::loadFirst(const Output &output,
                                                   const std::vector<SoundLibrary::Source> &sources)
{
    for (const SoundLibrary::Source &source : sources) {
        const std::optional<QByteArray> wav = SoundLibrary::read(source);
        if (!wav)
            continue;
        std::optional<DecodedSound> decoded
            = decode(output.sdl, *wav, *output.format,
                     source.recording ? std::optional(SoundLibrary::MaxRecordingMs) : std::nullopt);
        if (decoded)
            return decoded;
    }
    return std::nullopt;
}

void SoundPlayer::decodeInBackground(int id)
{
    if (!m_decoding.insert(id).second)
        return;
    // A recording at the limits takes some 50 ms to read and resample.
    m_decoder.start([this, id, sources = m_library.sources(id), &output = output()] {
        auto decoded = std::make_shared<std::optional<DecodedSound>>(loadFirst(output, sources));
        QMetaObject::invokeMethod(
            &m_endOfSound, [this, id, decoded] { finishDecoding(id, decoded); }, Qt::QueuedConnection);
    });
}

void SoundPlayer::finishDecoding(int id, std::shared_ptr<std::optional<DecodedSound>> decoded)
{
    m_decoding.erase(id);
    const std::optional<DecodedSound> &sound = m_sounds.emplace(id, std::move(*decoded)).first->second;
    if (m_waitingFor == id) {
        m_waitingFor.reset();
        start(sound);
    }
}

bool SoundPlayer::ensureDeviceOpen()
{
    // Reopened in the format the sounds were decoded for, so the cache holds.
    if (!m_device)
        m_device = AudioDevice::open(output().sdl, *output().format, AudioDevice::Fit::Exact);
    return m_device.has_value();
}

void SoundPlayer::closeWhenDrained()
{
    // A device running late, or a busy event loop, can leave some of the
    // sound still queued: look again when that part should be done.
    const std::size_t left = m_device->queuedBytes();
    if (left > 0) {
        m_endOfSound.start(m_device->millisecondsFor(left) + CloseAfterSilenceMs);
        return;
    }
    // Even paused, an SDL device wakes its thread every period; closed, a
    // waiting game costs nothing.
    m_device.reset();
}

std::optional<DecodedSound> SoundPlayer::decode(const SdlAudio &sdl, QByteArrayView wav,
                                                const SDL_AudioSpec &target, std::optional<int> maxMs)
{
    if (!sdl.isUp())
        return std::nullopt;
    SDL_AudioSpec source{};
    Uint8 *raw = nullptr;
    Uint32 rawLength = 0;
    SDL_RWops *stream = sdl.rwFromConstMem(wav.data(), int(wav.size()));
    if (!stream || !sdl.loadWavRw(stream, 1, &source, &raw, &rawLength))
        return std::nullopt;
    const auto freeSamples = [&sdl](Uint8 *samples) { sdl.freeWav(samples); };
    const std::unique_ptr<Uint8, decltype(freeSamples)> samples(raw, freeSamples);
    // Judged before converting: a long recording is never blown up to the device's rate.
    const std::size_t sourceFrames = rawLength / frameBytes(source);
    if (sourceFrames == 0 || (maxMs && sourceFrames * 1000 > std::size_t(*maxMs) * std::size_t(source.freq)))
        return std::nullopt;

    SDL_AudioCVT cvt;
    if (sdl.buildAudioCvt(&cvt, source.format, source.channels, source.freq, target.format, target.channels,
                          target.freq)
        < 0)
        return std::nullopt;

    // SDL converts in place and needs room for its widest stage.
    DecodedSound decoded;
    decoded.bytes.resize(std::size_t(rawLength) * std::size_t(cvt.len_mult));
    std::copy_n(samples.get(), rawLength, decoded.bytes.begin());
    if (!cvt.needed) {
        decoded.bytes.resize(rawLength);
        return decoded;
    }
    cvt.buf = decoded.bytes.data();
    cvt.len = int(rawLength);
    if (sdl.convertAudio(&cvt) < 0)
        return std::nullopt;
    decoded.bytes.resize(std::size_t(cvt.len_cvt));
    // Kept for the whole run: give back the room the conversion needed.
    decoded.bytes.shrink_to_fit();
    return decoded;
}
