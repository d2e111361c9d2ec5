#pragma once

#include <SDL.h>

#include <cstddef>
#include <memory>
#include <optional>

class SdlAudio;
struct DecodedSound;

// One open device, fed from SDL's queue or, for a microphone, read from it.
// The queue copies what it is given, so no memory of ours is read by the
// audio thread.
class AudioDevice
{
public:
    enum class Fit {
        Exact,  // SDL converts if the hardware differs
        Native, // the device's own format, as near to the wanted one as it allows
    };

    // The default device; empty when none can be opened.
    static std::optional<AudioDevice> open(std::shared_ptr<const SdlAudio> sdl, const SDL_AudioSpec &wanted, Fit fit);
    // The default microphone, already taking samples in exactly that format;
    // empty when there is none or it cannot be opened.
    static std::optional<AudioDevice> openMicrophone(std::shared_ptr<const SdlAudio> sdl, const SDL_AudioSpec &wanted);

    ~AudioDevice();
    AudioDevice(AudioDevice &&other) noexcept;
    AudioDevice &operator=(AudioDevice &&other) noexcept;
    AudioDevice(const AudioDevice &) = delete;
    AudioDevice &operator=(const AudioDevice &) = delete;

    const SDL_AudioSpec &spec() const { return m_spec; }

    // Drops whatever is waiting and starts these samples instead.
    void replaceQueue(const DecodedSound &sound);
    std::size_t queuedBytes() const;
    // Moves up to `bytes` of what a microphone took into `into`; how many it moved.
    std::size_t dequeue(void *into, std::size_t bytes);
    // A device that was lost (unplugged, or failed) takes no more.
    bool isLost() const;
    int millisecondsFor(std::size_t bytes) const;

private:
    AudioDevice(std::shared_ptr<const SdlAudio> sdl, SDL_AudioDeviceID id, const SDL_AudioSpec &spec);

    // Its share keeps SDL's audio up until the device is closed.
    std::shared_ptr<const SdlAudio> m_sdl;
    SDL_AudioDeviceID m_id;
    SDL_AudioSpec m_spec;
};
