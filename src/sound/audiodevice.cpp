#include "sound/audiodevice.h"

#include "sound/decodedsound.h"
#include "sound/sdlaudio.h"

#include <utility>

std::optional<AudioDevice> AudioDevice::open(std::shared_ptr<const SdlAudio> sdl, const SDL_AudioSpec &wanted, Fit fit)
{
    if (!sdl || !sdl->isUp())
        return std::nullopt;
    SDL_AudioSpec request = wanted;
    // No callback: SDL feeds the device from its own queue.
    request.callback = nullptr;
    SDL_AudioSpec obtained{};
    const SDL_AudioDeviceID id = sdl->openAudioDevice(nullptr, 0, &request, &obtained,
                                                     fit == Fit::Exact ? 0 : SDL_AUDIO_ALLOW_ANY_CHANGE);
    if (id == 0)
        return std::nullopt;
    return AudioDevice(std::move(sdl), id, fit == Fit::Exact ? wanted : obtained);
}

std::optional<AudioDevice> AudioDevice::openMicrophone(std::shared_ptr<const SdlAudio> sdl, const SDL_AudioSpec &wanted)
{
    if (!sdl || !sdl->isUp())
        return std::nullopt;
    SDL_AudioSpec request = wanted;
    request.callback = nullptr;
    SDL_AudioSpec obtained{};
    constexpr int Capture = 1;
    const SDL_AudioDeviceID id = sdl->openAudioDevice(nullptr, Capture, &request, &obtained, 0);
    if (id == 0)
        return std::nullopt;
    sdl->pauseAudioDevice(id, 0);
    return AudioDevice(std::move(sdl), id, wanted);
}

AudioDevice::AudioDevice(std::shared_ptr<const SdlAudio> sdl, SDL_AudioDeviceID id, const SDL_AudioSpec &spec)
    : m_sdl(std::move(sdl))
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

std::size_t AudioDevice::dequeue(void *into, std::size_t bytes)
{
    return m_sdl->dequeueAudio(m_id, into, Uint32(bytes));
}

bool AudioDevice::isLost() const
{
    return m_sdl->getAudioDeviceStatus(m_id) == SDL_AUDIO_STOPPED;
}

int AudioDevice::millisecondsFor(std::size_t bytes) const
{
    const std::size_t bytesPerSecond = bytesPerFrame(m_spec) * std::size_t(m_spec.freq);
    return int((bytes * 1000 + bytesPerSecond - 1) / bytesPerSecond);
}
