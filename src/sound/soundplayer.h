#pragma once

#include "sound/audiodevice.h"
#include "sound/backgroundqueue.h"
#include "sound/decodedsound.h"
#include "sound/sdlaudio.h"
#include "sound/soundlibrary.h"
#include "sound/soundsink.h"

#include <QTimer>

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <stop_token>
#include <vector>

// The game's only sound output: one sound at a time, a new one cuts off the
// old, and every failure (no device, a bad or missing sound) is silence.
// A parent's recordings are decoded on a worker thread: a number asked for
// before its recording is ready starts when it is, unless another sound has
// been asked for meanwhile.
class SoundPlayer : public SoundSink
{
public:
    explicit SoundPlayer(SoundLibrary library = {});
    SoundPlayer(const SoundPlayer &) = delete;
    SoundPlayer &operator=(const SoundPlayer &) = delete;

    void play(Sound sound) override;

    // The device is open while a sound plays and for a while after.
    bool isDeviceOpen() const { return m_device.has_value(); }
    // What of the current sound the device has not taken yet.
    std::size_t pendingBytes() const;
    // The whole length of the sound last handed to the device, heard or not.
    int startedSoundMs() const { return m_startedSoundMs; }
    // Plays a whole WAVE image that is none of the game's sounds (a take a
    // parent listens to), as it would play a sound: decoded off this thread.
    void playWave(QByteArray wave);
    // The numbers are heard from now on as this library has them (another
    // language, or a voice switched on or off): what was decoded of them is
    // forgotten, and the new recordings made ready.
    void setLibrary(SoundLibrary library);
    // Forgets the number's recording as it was decoded: it has just been
    // changed, and is read again the next time the number is heard.
    void forgetRecording(int number);
    // SDL's audio as the player has it, started if need be.
    std::shared_ptr<const SdlAudio> audio();

    // Whether a recording is still being decoded.
    bool isDecoding() const { return !m_decoding.empty(); }
    // Empty without a device; starts the output if no sound has done so.
    std::optional<SDL_AudioSpec> deviceSpec();

private:
    // SDL's audio and the device's own format. Set up by the first sound:
    // a game that is only looked at starts faster and smaller without it.
    struct Output
    {
        std::shared_ptr<const SdlAudio> sdl;
        std::optional<SDL_AudioSpec> format; // empty means silence
    };

    const Output &output();
    void start(const std::optional<DecodedSound> &decoded);
    const std::optional<DecodedSound> &decoded(Sound sound);
    // The first of the sources that can be played.
    static std::optional<DecodedSound> loadFirst(const Output &output, const std::vector<SoundLibrary::Source> &sources,
                                                 std::stop_token stop = {});
    void decodeInBackground(Sound sound);
    void decodeRecordingsInBackground();
    void finishDecoding(Sound sound, unsigned ticket, std::optional<DecodedSound> decoded);
    bool ensureDeviceOpen();
    void closeWhenDrained();

    std::optional<Output> m_output;
    std::optional<AudioDevice> m_device;
    SoundLibrary m_library;
    // Decoded at first play; a sound that cannot be decoded stays empty.
    std::map<Sound, std::optional<DecodedSound>> m_sounds;
    // Each decoding under way, by the ticket that its result must still hold.
    std::map<Sound, unsigned> m_decoding;
    unsigned m_lastTicket = 0;
    std::optional<Sound> m_waitingFor; // asked for, its recording still decoding
    unsigned m_requests = 0;           // sounds asked for so far
    int m_startedSoundMs = 0;
    QTimer m_endOfSound;
    // Its replies reach the player only while both live.
    BackgroundQueue m_decoder;
};
