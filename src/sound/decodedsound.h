#pragma once

#include <QByteArrayView>

#include <SDL.h>

#include <cstddef>
#include <optional>
#include <vector>

class SdlAudio;

// Samples ready for the device, in its format.
struct DecodedSound
{
    std::vector<Uint8> bytes;

    // A whole WAVE image converted to the target format; empty if it cannot
    // be decoded or converted, holds no sound, or lasts longer than maxMs.
    static std::optional<DecodedSound> decode(const SdlAudio &sdl, QByteArrayView wav, const SDL_AudioSpec &target,
                                              std::optional<int> maxMs = {});
};

inline std::size_t bytesPerFrame(const SDL_AudioSpec &spec)
{
    return std::size_t(SDL_AUDIO_BITSIZE(spec.format) / 8) * spec.channels;
}
