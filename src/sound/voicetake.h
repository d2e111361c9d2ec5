#pragma once

#include <QByteArray>

#include <cstdint>
#include <span>
#include <vector>

// What becomes of a take from the microphone before it is heard or kept:
// pure functions over 16-bit mono samples.
namespace VoiceTake {

// The format a parent's recording is kept in.
inline constexpr int SampleRate = 22050;
// Quieter than this is silence: about -40 dBFS, below a room's hum on a
// laptop's microphone and far below a spoken word.
inline constexpr int SilenceLevel = 328;
// Kept either side of the voice, so that a soft first or last sound of the
// word is not cut: 30 ms.
inline constexpr int MarginFrames = SampleRate * 30 / 1000;
// The loudest sample after normalising: -3 dBFS.
inline constexpr double PeakDbfs = -3.0;

// The samples from a margin before the first sample louder than silence to
// a margin after the last one; empty when nothing is louder than silence.
std::vector<std::int16_t> trimSilence(std::span<const std::int16_t> samples);

// The samples scaled so that the loudest lies at PeakDbfs; silence stays silence.
std::vector<std::int16_t> normalisePeak(std::span<const std::int16_t> samples);

// A whole RIFF WAVE file: 16-bit PCM, mono, at SampleRate.
QByteArray waveFile(std::span<const std::int16_t> samples);

} // namespace VoiceTake
