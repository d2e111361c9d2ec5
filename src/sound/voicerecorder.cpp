#include "sound/voicerecorder.h"

#include "sound/audiodevice.h"
#include "sound/voicetake.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <thread>

namespace {

constexpr std::size_t MaxFrames = std::size_t(VoiceTake::SampleRate) * VoiceRecorder::MaxMs / 1000;
// How often the take is read from SDL's queue, and so how often the level
// meter moves.
constexpr std::chrono::milliseconds ReadInterval{20};
// A short period: the first samples reach the queue soon after opening.
constexpr Uint16 PeriodFrames = 256;
constexpr double FullScale = 32768.0;

SDL_AudioSpec takeSpec()
{
    SDL_AudioSpec spec{};
    spec.freq = VoiceTake::SampleRate;
    spec.format = AUDIO_S16SYS;
    spec.channels = 1;
    spec.samples = PeriodFrames;
    return spec;
}

std::pair<double, double> levelOf(std::span<const std::int16_t> samples)
{
    if (samples.empty())
        return {0.0, 0.0};
    int peak = 0;
    double squares = 0.0;
    for (const std::int16_t sample : samples) {
        peak = std::max(peak, std::abs(int(sample)));
        squares += double(sample) * double(sample);
    }
    return {peak / FullScale, std::sqrt(squares / double(samples.size())) / FullScale};
}

} // namespace

VoiceRecorder::VoiceRecorder(std::shared_ptr<const SdlAudio> sdl, QObject *parent)
    : QObject(parent)
    , m_sdl(std::move(sdl))
{
}

VoiceRecorder::~VoiceRecorder() = default;

void VoiceRecorder::start()
{
    if (m_take)
        return;
    m_take = std::make_shared<Take>();
    BackgroundQueue *const capture = &m_capture;
    m_capture.post([this, capture, take = m_take, sdl = m_sdl](std::stop_token stop) -> BackgroundQueue::Reply {
        std::optional<AudioDevice> microphone = AudioDevice::openMicrophone(sdl, takeSpec());
        if (!microphone)
            return [this] { finish(false, {}); };
        capture->answer([this] { emit started(); });
        std::vector<std::int16_t> samples;
        samples.reserve(MaxFrames);
        while (!take->stopAsked && !stop.stop_requested() && samples.size() < MaxFrames) {
            std::this_thread::sleep_for(ReadInterval);
            const std::size_t before = samples.size();
            samples.resize(MaxFrames);
            const std::size_t bytes = microphone->dequeue(samples.data() + before,
                                                          (MaxFrames - before) * sizeof(std::int16_t));
            samples.resize(before + bytes / sizeof(std::int16_t));
            const std::pair<double, double> loudness = levelOf(std::span(samples).subspan(before));
            capture->answer([this, loudness] { emit level(loudness.first, loudness.second); });
        }
        microphone.reset();
        return [this, samples = std::move(samples)]() mutable { finish(true, std::move(samples)); };
    });
}

void VoiceRecorder::stop()
{
    if (m_take)
        m_take->stopAsked = true;
}

void VoiceRecorder::finish(bool opened, std::vector<std::int16_t> samples)
{
    m_take.reset();
    if (opened)
        emit taken(samples);
    else
        emit failed();
}
