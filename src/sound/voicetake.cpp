#include "sound/voicetake.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double FullScale = 32768.0;

bool isHeard(std::int16_t sample)
{
    return std::abs(int(sample)) > VoiceTake::SilenceLevel;
}

int peakOf(std::span<const std::int16_t> samples)
{
    int peak = 0;
    for (const std::int16_t sample : samples)
        peak = std::max(peak, std::abs(int(sample)));
    return peak;
}

void appendLittleEndian(QByteArray &bytes, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.append(char((value >> (8 * i)) & 0xff));
}

} // namespace

namespace VoiceTake {

std::vector<std::int16_t> trimSilence(std::span<const std::int16_t> samples)
{
    const auto first = std::find_if(samples.begin(), samples.end(), isHeard);
    if (first == samples.end())
        return {};
    const auto last = std::find_if(samples.rbegin(), samples.rend(), isHeard).base();
    const auto from = first - std::min<std::ptrdiff_t>(MarginFrames, first - samples.begin());
    const auto to = last + std::min<std::ptrdiff_t>(MarginFrames, samples.end() - last);
    return {from, to};
}

std::vector<std::int16_t> normalisePeak(std::span<const std::int16_t> samples)
{
    const int peak = peakOf(samples);
    std::vector<std::int16_t> scaled(samples.begin(), samples.end());
    if (peak == 0)
        return scaled;
    const double gain = FullScale * std::pow(10.0, PeakDbfs / 20.0) / peak;
    for (std::int16_t &sample : scaled)
        sample = std::int16_t(std::lround(sample * gain));
    return scaled;
}

QByteArray waveFile(std::span<const std::int16_t> samples)
{
    constexpr int BytesPerSample = 2;
    constexpr int Channels = 1;
    constexpr int FormatChunkSize = 16;
    constexpr int PcmFormat = 1;
    const auto dataSize = quint32(samples.size() * BytesPerSample);
    QByteArray wave;
    wave.reserve(int(44 + dataSize));
    wave.append("RIFF");
    appendLittleEndian(wave, 36 + dataSize, 4);
    wave.append("WAVEfmt ");
    appendLittleEndian(wave, FormatChunkSize, 4);
    appendLittleEndian(wave, PcmFormat, 2);
    appendLittleEndian(wave, Channels, 2);
    appendLittleEndian(wave, SampleRate, 4);
    appendLittleEndian(wave, SampleRate * Channels * BytesPerSample, 4);
    appendLittleEndian(wave, Channels * BytesPerSample, 2);
    appendLittleEndian(wave, BytesPerSample * 8, 2);
    wave.append("data");
    appendLittleEndian(wave, dataSize, 4);
    for (const std::int16_t sample : samples)
        appendLittleEndian(wave, quint16(sample), 2);
    return wave;
}

} // namespace VoiceTake
