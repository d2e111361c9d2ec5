#include "sound/decodedsound.h"

#include "sound/sdlaudio.h"

#include <algorithm>
#include <memory>

std::optional<DecodedSound> DecodedSound::decode(const SdlAudio &sdl, QByteArrayView wav, const SDL_AudioSpec &target,
                                                 std::optional<int> maxMs)
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
    const std::size_t sourceFrames = rawLength / bytesPerFrame(source);
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
