// How quickly a sound starts, and what the player costs while the game waits.
// Run with SDL_AUDIODRIVER=dummy or with the machine's own device.

#include "sound/soundplayer.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

namespace {

constexpr int Plays = 50;
constexpr int SilentStarts = 5;
constexpr int DecodeRounds = 20;
constexpr Sound FirstSound = Sound::Number1;
constexpr Sound LastSound = Sound::Leaderboard;
constexpr Sound ShortSound = Sound::Miss;
constexpr Sound LongSound = Sound::Departure;
constexpr int IdleSeconds = 3;
constexpr int LatencyTargetMs = 25;
constexpr double IdleCpuTargetMs = 1.0;
constexpr std::chrono::microseconds PollStep{50};
constexpr std::chrono::seconds GiveUpAfter{2};
// A parent's recording as large as the game takes one: 96 kHz 16-bit
// stereo for 4.9 s is just under 2 MB, and all of it must be resampled.
constexpr int RecordingRate = 96000;
constexpr int RecordingChannels = 2;
constexpr double RecordingSeconds = 4.9;
// It is decoded on a worker thread: the UI thread only looks at the file.
constexpr double RecordingCallTargetMs = 1.0;
// Leaving the game waits for the one recording being decoded, not the rest.
constexpr int QueuedRecordings = 10;
constexpr double LeavingTargetMs = 150.0;

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double processCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}

struct Spread
{
    double median;
    double worst;
};

Spread spreadOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2], values.back()};
}

// One summary line in the form bench/run collects.
void verdict(bool met, const char *name, double valueMs, const char *relation, double targetMs)
{
    std::printf("%s  %-32s %10.3f ms   target %s %g ms\n", met ? "PASS" : "MISS", name, valueMs, relation,
                targetMs);
}

// The sound that many places after the given one, in the numbering of the embedded sounds.
Sound soundAfter(Sound sound, int places)
{
    return Sound(int(sound) + places);
}

QByteArray embedded(Sound sound)
{
    QFile file(QStringLiteral(":/wav/") + Sounds::fileName(sound));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void runEventLoopFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// A sound is decoded once, at its first play, on the UI thread.
void reportDecoding(const SdlAudio &sdl, const SDL_AudioSpec &device)
{
    Sound slowestId = FirstSound;
    Spread slowest{0.0, 0.0};
    for (Sound id = FirstSound; id <= LastSound; id = soundAfter(id, 1)) {
        const QByteArray wav = embedded(id);
        std::vector<double> times;
        for (int round = 0; round < DecodeRounds; ++round) {
            const Clock::time_point start = Clock::now();
            if (!DecodedSound::decode(sdl, wav, device))
                std::printf("  sound %d does not decode\n", int(id));
            times.push_back(millisecondsSince(start));
        }
        const Spread spread = spreadOf(times);
        if (spread.median > slowest.median) {
            slowest = spread;
            slowestId = id;
        }
    }
    std::printf("decode, slowest sound (%d):     median %7.3f ms, worst %7.3f ms\n", int(slowestId),
                slowest.median, slowest.worst);
}

// From play() until the device has taken the first samples of the new sound;
// empty if it never does.
std::optional<double> startLatency(SoundPlayer &player, Sound id, std::size_t fullSize,
                                   std::vector<double> &callTimes)
{
    const Clock::time_point start = Clock::now();
    player.play(id);
    callTimes.push_back(millisecondsSince(start));
    while (player.pendingBytes() >= fullSize && Clock::now() - start < GiveUpAfter)
        std::this_thread::sleep_for(PollStep);
    if (player.pendingBytes() >= fullSize)
        return std::nullopt;
    return millisecondsSince(start);
}

void printLatency(const char *what, const std::vector<double> &times, int plays)
{
    if (times.empty()) {
        std::printf("%-32s never started (%d plays)\n", what, plays);
        return;
    }
    const Spread spread = spreadOf(times);
    std::printf("%-32s median %7.3f ms, worst %7.3f ms over %zu plays\n", what, spread.median,
                spread.worst, times.size());
    if (int(times.size()) < plays)
        std::printf("  %d plays never started\n", plays - int(times.size()));
}

// The sounds follow one another at uneven gaps, as a child's clicks do, so
// most cut off the one before and each starts at a different point of the
// device's period. Then some start after silence, with the device closed.
void reportStartLatency(SoundPlayer &player, const SdlAudio &sdl, const SDL_AudioSpec &device)
{
    std::vector<double> callTimes;
    std::vector<double> firstStarts;
    std::vector<double> cutOffStarts;
    std::vector<double> silenceStarts;
    const std::size_t longSize = DecodedSound::decode(sdl, embedded(LongSound), device)->bytes.size();
    if (const std::optional<double> latency = startLatency(player, LongSound, longSize, callTimes))
        firstStarts.push_back(*latency);
    for (int play = 0; play < Plays; ++play) {
        const Sound id = soundAfter(FirstSound, play % (int(ShortSound) - int(FirstSound) + 1));
        const std::size_t fullSize = DecodedSound::decode(sdl, embedded(id), device)->bytes.size();
        if (const std::optional<double> latency = startLatency(player, id, fullSize, callTimes))
            cutOffStarts.push_back(*latency);
        runEventLoopFor(play * 7 % 60);
    }
    const std::size_t shortSize = DecodedSound::decode(sdl, embedded(ShortSound), device)->bytes.size();
    for (int play = 0; play < SilentStarts; ++play) {
        while (player.isDeviceOpen())
            runEventLoopFor(10);
        if (const std::optional<double> latency = startLatency(player, ShortSound, shortSize, callTimes))
            silenceStarts.push_back(*latency);
    }

    const Spread call = spreadOf(callTimes);
    std::printf("play() call (UI thread):         median %7.3f ms, worst %7.3f ms\n", call.median, call.worst);
    printLatency("first play of the longest sound:", firstStarts, 1);
    printLatency("first samples taken, cut-off:", cutOffStarts, Plays);
    printLatency("first samples after silence:", silenceStarts, SilentStarts);

    std::vector<double> all = firstStarts;
    all.insert(all.end(), cutOffStarts.begin(), cutOffStarts.end());
    all.insert(all.end(), silenceStarts.begin(), silenceStarts.end());
    const bool allStarted = int(all.size()) == 1 + Plays + SilentStarts;
    const double worst = all.empty() ? 0.0 : spreadOf(all).worst;
    verdict(allStarted && worst <= LatencyTargetMs, "sound start, worst", worst, "<=", LatencyTargetMs);
}

// The device is closed on the UI thread some seconds after a sound ends;
// SDL joins its audio thread there.
void reportEndOfSoundStall(SoundPlayer &player)
{
    player.play(ShortSound);
    double longest = 0.0;
    while (player.isDeviceOpen()) {
        const Clock::time_point start = Clock::now();
        QCoreApplication::processEvents();
        longest = std::max(longest, millisecondsSince(start));
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    std::printf("UI thread held at device close: %7.3f ms\n", longest);
}

void reportCpu(SoundPlayer &player)
{
    player.play(LongSound);
    double before = processCpuMs();
    runEventLoopFor(IdleSeconds * 1000);
    const double playing = processCpuMs() - before;
    std::printf("CPU while a sound plays:        %7.3f ms over %d s\n", playing, IdleSeconds);

    player.play(ShortSound);
    while (player.isDeviceOpen())
        runEventLoopFor(10);
    before = processCpuMs();
    runEventLoopFor(IdleSeconds * 1000);
    const double idle = processCpuMs() - before;
    std::printf("CPU idle after the sound ended: %7.3f ms over %d s (%.4f %% of one core)\n", idle,
                IdleSeconds, idle / (IdleSeconds * 10.0));
    verdict(idle < IdleCpuTargetMs, "sound player CPU idle 3 s", idle, "<", IdleCpuTargetMs);
}

QByteArray largestRecording()
{
    const auto frames = quint32(RecordingRate * RecordingSeconds);
    const quint32 dataBytes = frames * RecordingChannels * 2;
    QByteArray wav;
    QDataStream out(&wav, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataBytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(RecordingChannels) << quint32(RecordingRate)
        << quint32(RecordingRate * RecordingChannels * 2) << quint16(RecordingChannels * 2) << quint16(16);
    out.writeRawData("data", 4);
    out << dataBytes;
    for (quint32 i = 0; i < frames; ++i) {
        const auto sample = qint16(std::lround(12000 * std::sin(i * 0.03)));
        for (int c = 0; c < RecordingChannels; ++c)
            out << sample;
    }
    return wav;
}

// Writes the largest recording the game takes as the numbers 1 to count.
bool writeRecordings(const QString &folder, int count)
{
    const QByteArray wav = largestRecording();
    for (int number = 1; number <= count; ++number) {
        QFile file(QDir(folder).filePath(QStringLiteral("%1.wav").arg(number)));
        if (!file.open(QIODevice::WriteOnly) || file.write(wav) != wav.size()) {
            std::printf("cannot write a recording\n");
            return false;
        }
    }
    return true;
}

// A recording is decoded on a worker thread when its number is first heard.
void reportRecording()
{
    QTemporaryDir folder;
    if (!writeRecordings(folder.path(), 1))
        return;
    const QFileInfo file(QDir(folder.path()).filePath(QStringLiteral("1.wav")));
    SoundPlayer player(SoundLibrary(QStringLiteral(":/wav/"), {folder.path()}));
    player.deviceSpec();
    const Clock::time_point start = Clock::now();
    player.play(FirstSound);
    const double call = millisecondsSince(start);
    while (player.pendingBytes() == 0 && Clock::now() - start < GiveUpAfter)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    std::printf("largest recording (%lld bytes):  play() %7.3f ms on the UI thread, heard after %7.3f ms\n",
                file.size(), call, millisecondsSince(start));
    verdict(player.pendingBytes() > 0 && call <= RecordingCallTargetMs, "largest recording, play() call", call,
            "<=", RecordingCallTargetMs);
}

// The game is left just after its output started, with every number's
// recording still waiting to be decoded.
void reportLeaving()
{
    QTemporaryDir folder;
    if (!writeRecordings(folder.path(), QueuedRecordings))
        return;
    auto player = std::make_unique<SoundPlayer>(SoundLibrary(QStringLiteral(":/wav/"), {folder.path()}));
    player->deviceSpec();
    const Clock::time_point start = Clock::now();
    player.reset();
    const double leaving = millisecondsSince(start);
    std::printf("player gone with %d recordings queued: %7.3f ms\n", QueuedRecordings, leaving);
    verdict(leaving <= LeavingTargetMs, "leaving, recordings queued", leaving, "<=", LeavingTargetMs);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const Clock::time_point created = Clock::now();
    SoundPlayer player;
    // The output starts with the first sound, or when asked what it is.
    const std::optional<SDL_AudioSpec> device = player.deviceSpec();
    const double creationMs = millisecondsSince(created);

    std::printf("audio driver: %s\n", qEnvironmentVariableIsSet("SDL_AUDIODRIVER")
                                           ? qPrintable(qEnvironmentVariable("SDL_AUDIODRIVER"))
                                           : "(SDL's choice)");
    std::printf("audio output started in %.3f ms (at the first sound)\n", creationMs);
    if (!device) {
        const Clock::time_point start = Clock::now();
        player.play(FirstSound);
        std::printf("no audio device: the player is silent; play() took %.3f ms\n", millisecondsSince(start));
        return 0;
    }
    std::printf("device: %d Hz, %d channel(s), %d-bit%s, period %d frames (%.1f ms)\n", device->freq,
                device->channels, SDL_AUDIO_BITSIZE(device->format),
                SDL_AUDIO_ISFLOAT(device->format) ? " float" : "", device->samples,
                device->samples * 1000.0 / device->freq);

    const SdlAudio sdl;
    reportDecoding(sdl, *device);
    reportStartLatency(player, sdl, *device);
    reportEndOfSoundStall(player);
    reportCpu(player);
    reportRecording();
    reportLeaving();
    return 0;
}
