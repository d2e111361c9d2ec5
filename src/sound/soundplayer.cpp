#include "sound/soundplayer.h"

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

SoundPlayer::SoundPlayer(SoundLibrary library)
    : m_library(std::move(library))
{
    m_endOfSound.setSingleShot(true);
    QObject::connect(&m_endOfSound, &QTimer::timeout, [this] { closeWhenDrained(); });
}

void SoundPlayer::play(Sound sound)
{
    if (!output().format)
        return;
    ++m_requests;
    m_waitingFor.reset();
    if (!m_sounds.contains(sound) && m_library.hasRecording(sound)) {
        m_waitingFor = sound;
        decodeInBackground(sound);
        return;
    }
    start(decoded(sound));
}

void SoundPlayer::playWave(QByteArray wave)
{
    if (!output().format)
        return;
    m_waitingFor.reset();
    const unsigned request = ++m_requests;
    m_decoder.post([this, request, wave = std::move(wave), output = output()](std::stop_token) {
        return [this, request, decoded = DecodedSound::decode(*output.sdl, wave, *output.format)] {
            // Unless another sound has been asked for meanwhile.
            if (request == m_requests)
                start(decoded);
        };
    });
}

void SoundPlayer::setLibrary(SoundLibrary library)
{
    m_library = std::move(library);
    for (int number = Sounds::FirstNumber; number <= Sounds::LastNumber; ++number)
        forgetRecording(number);
    if (m_waitingFor && Sounds::numberSpoken(*m_waitingFor))
        m_waitingFor.reset();
    if (m_output && m_output->format)
        decodeRecordingsInBackground();
}

void SoundPlayer::forgetRecording(int number)
{
    const Sound sound = Sounds::spokenNumber(number);
    m_sounds.erase(sound);
    // What is being decoded now is of the old file: its result is dropped.
    m_decoding.erase(sound);
}

std::shared_ptr<const SdlAudio> SoundPlayer::audio()
{
    return output().sdl;
}

void SoundPlayer::start(const std::optional<DecodedSound> &decoded)
{
    if (!decoded || !ensureDeviceOpen())
        return;
    m_device->replaceQueue(*decoded);
    m_startedSoundMs = m_device->millisecondsFor(decoded->bytes.size());
    m_endOfSound.start(m_startedSoundMs + CloseAfterSilenceMs);
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
    m_output.emplace(Output{std::make_shared<const SdlAudio>(), std::nullopt});
    // The first device is opened in what the hardware plays natively, and
    // every later one in that same format: the sounds are converted to it
    // once, exactly, rather than by SDL's streaming converter.
    m_device = AudioDevice::open(m_output->sdl, preferredSpec(), AudioDevice::Fit::Native);
    if (m_device) {
        m_output->format = m_device->spec();
        m_endOfSound.start(CloseAfterSilenceMs);
        decodeRecordingsInBackground();
    }
    return *m_output;
}

const std::optional<DecodedSound> &SoundPlayer::decoded(Sound sound)
{
    const auto known = m_sounds.find(sound);
    if (known != m_sounds.end())
        return known->second;
    return m_sounds.emplace(sound, loadFirst(output(), m_library.sources(sound))).first->second;
}

std::optional<DecodedSound> SoundPlayer::loadFirst(const Output &output,
                                                   const std::vector<SoundLibrary::Source> &sources,
                                                   std::stop_token stop)
{
    for (const SoundLibrary::Source &source : sources) {
        if (stop.stop_requested())
            return std::nullopt;
        const std::optional<QByteArray> wav = SoundLibrary::read(source);
        if (!wav)
            continue;
        std::optional<DecodedSound> decoded
            = DecodedSound::decode(*output.sdl, *wav, *output.format,
                                   source.recording ? std::optional(SoundLibrary::MaxRecordingMs) : std::nullopt);
        if (decoded)
            return decoded;
    }
    return std::nullopt;
}

// The recordings are made ready while the child counts.
void SoundPlayer::decodeRecordingsInBackground()
{
    for (const Sound number : m_library.recordedNumbers())
        decodeInBackground(number);
}

void SoundPlayer::decodeInBackground(Sound sound)
{
    if (m_decoding.contains(sound))
        return;
    const unsigned ticket = ++m_lastTicket;
    m_decoding.emplace(sound, ticket);
    // A recording at the limits takes some 50 ms to read and resample.
    // The task holds its own share of SDL and copies of all else it reads;
    // only its reply, run back on this thread, touches the player.
    m_decoder.post([this, sound, ticket, sources = m_library.sources(sound), output = output()](std::stop_token stop) {
        return [this, sound, ticket, decoded = loadFirst(output, sources, stop)]() mutable {
            finishDecoding(sound, ticket, std::move(decoded));
        };
    });
}

void SoundPlayer::finishDecoding(Sound sound, unsigned ticket, std::optional<DecodedSound> decoded)
{
    const auto underWay = m_decoding.find(sound);
    if (underWay == m_decoding.end() || underWay->second != ticket)
        return;
    m_decoding.erase(underWay);
    const std::optional<DecodedSound> &ready = m_sounds.insert_or_assign(sound, std::move(decoded)).first->second;
    if (m_waitingFor == sound) {
        m_waitingFor.reset();
        start(ready);
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
    if (!m_device)
        return;
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
