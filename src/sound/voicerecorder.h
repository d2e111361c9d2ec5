#pragma once

#include "sound/backgroundqueue.h"

#include <QObject>

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

class SdlAudio;

// Takes from the microphone through SDL's audio capture, at most MaxMs long,
// in the format a parent's recording is kept in. The device is opened, read
// and closed on a thread of the recorder's own: the thread that asks never
// waits on it.
class VoiceRecorder : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxMs = 3000;

    explicit VoiceRecorder(std::shared_ptr<const SdlAudio> sdl, QObject *parent = nullptr);
    ~VoiceRecorder() override;

    // Opens the microphone; the take begins as soon as it is open. Ignored
    // while a take is under way.
    void start();
    // Ends the take; taken() follows with what was heard until now.
    void stop();
    bool isRecording() const { return m_take != nullptr; }

signals:
    void started();
    // The loudness of the latest stretch, both from 0 to 1 of full scale.
    void level(double peak, double rms);
    void taken(const std::vector<std::int16_t> &samples);
    // No microphone, or it could not be read: nothing was taken.
    void failed();

private:
    struct Take
    {
        std::atomic<bool> stopAsked = false;
    };

    void finish(bool opened, std::vector<std::int16_t> samples);

    std::shared_ptr<const SdlAudio> m_sdl;
    std::shared_ptr<Take> m_take; // the take under way, if any
    // Last: its thread stops before anything it reports to is gone.
    BackgroundQueue m_capture;
};
