// The microphone recorder and its page, fed by SDL's disk driver: its capture reads a raw file of
// 16-bit mono samples at 22 050 Hz, and its playback writes another.
#include "parents/voicerecordingpage.h"
#include "sound/soundplayer.h"
#include "sound/voicerecorder.h"
#include "sound/voicetake.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int Rate = VoiceTake::SampleRate;
// A second of tone, half a second of silence either side.
constexpr int ToneFrames = Rate, SilenceFrames = Rate / 2;
constexpr std::int16_t ToneLevel = 8000;
// What a take of the tone is kept as: the tone and a margin either side.
constexpr int KeptFrames = ToneFrames + 2 * VoiceTake::MarginFrames;
// What the player reports for it, in whole milliseconds.
constexpr int KeptMs = (KeptFrames * 1000 + Rate - 1) / Rate;

// Silence, a square tone, silence: what the microphone hears.
std::vector<std::int16_t> microphoneInput()
{
    std::vector<std::int16_t> samples(SilenceFrames + ToneFrames + SilenceFrames, 0);
    for (int i = 0; i < ToneFrames; ++i)
        samples[SilenceFrames + i] = std::int16_t(i / 25 % 2 ? ToneLevel : -ToneLevel);
    return samples;
}

} // namespace

class tst_VoiceRecording : public QObject
{
    Q_OBJECT

private slots:
    // Without a microphone the page says so in one sentence and nothing else changes. A take runs to its limit
    // unless stopped, and the meter hears the tone. Recorded and kept, the number is heard in the parent's voice,
    // trimmed, at -3 dBFS, in the game's format; deleted, the built-in number is heard again. A cached number never
    // hides a change.
    void recordOnThePage()
    {
        QTemporaryDir devices, voice;
        QFile microphone(devices.filePath(u"microphone.raw"_s));
        const QByteArray raw = VoiceTake::waveFile(microphoneInput()).mid(44); // the samples without a header
        QVERIFY(microphone.open(QIODevice::WriteOnly) && microphone.write(raw) == raw.size() && microphone.flush());
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(devices.filePath(u"speaker.raw"_s)));
        qputenv("SDL_DISKAUDIODELAY", "1"); // some ten times faster than speech
        qputenv("SDL_DISKAUDIOFILEIN", QFile::encodeName(devices.filePath(u"none"_s)));
        SoundPlayer player(SoundLibrary(u":/wav/"_s, {voice.path()}));
        VoiceRecordingPage page(voice.path(), player);
        const auto button = [&page](const QString &name) { return page.findChild<QPushButton *>(name); };
        const auto *recorder = page.findChild<VoiceRecorder *>();
        QSignalSpy started(recorder, &VoiceRecorder::started), taken(recorder, &VoiceRecorder::taken);
        double loudest = 0;
        connect(recorder, &VoiceRecorder::level, this, [&loudest](double peak) { loudest = qMax(loudest, peak); });
        button(u"recordButton"_s)->click();
        QTRY_COMPARE(page.findChild<QLabel *>(u"statusLabel"_s)->text(), u"找不到能用的麦克风，所以没法录音。"_s);
        QCOMPARE(button(u"recordButton"_s)->text(), u"录音"_s);
        QVERIFY(started.isEmpty() && button(u"recordButton"_s)->isEnabled() && !button(u"keepButton"_s)->isEnabled());

        qputenv("SDL_DISKAUDIOFILEIN", QFile::encodeName(microphone.fileName()));
        button(u"number4"_s)->click();
        player.play(Sounds::spokenNumber(4));
        const int builtIn = player.startedSoundMs();
        QVERIFY(builtIn > 0 && builtIn != KeptMs);
        button(u"recordButton"_s)->click(); // a click records until Stop, or the limit
        QTRY_VERIFY_WITH_TIMEOUT(button(u"keepButton"_s)->isEnabled(), 20000);
        const std::size_t limit = std::size_t(Rate) * VoiceRecorder::MaxMs / 1000;
        QCOMPARE(taken.takeFirst()[0].value<std::vector<std::int16_t>>().size(), limit);
        QCOMPARE(loudest, ToneLevel / 32768.0);
        QTRY_COMPARE(player.startedSoundMs(), KeptMs); // played back at once
        button(u"keepButton"_s)->click();
        QFile file(QDir(voice.path()).filePath(u"4.wav"_s));
        QTRY_VERIFY(file.exists() && button(u"deleteButton"_s)->isEnabled());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), VoiceTake::waveFile(VoiceTake::normalisePeak(VoiceTake::trimSilence(microphoneInput()))));

        player.play(Sound::Miss);
        player.play(Sounds::spokenNumber(4));
        QTRY_COMPARE(player.startedSoundMs(), KeptMs);
        button(u"deleteButton"_s)->click();
        QTRY_VERIFY(!file.exists() && button(u"deleteButton"_s)->isEnabled());
        player.play(Sounds::spokenNumber(4));
        QCOMPARE(player.startedSoundMs(), builtIn);

        button(u"recordButton"_s)->click();
        button(u"recordButton"_s)->click(); // Stop
        QTRY_VERIFY_WITH_TIMEOUT(!taken.isEmpty(), 20000);
        QVERIFY(taken[0][0].value<std::vector<std::int16_t>>().size() < limit);
        QCOMPARE(started.size(), 2);
    }
};

QTEST_MAIN(tst_VoiceRecording)
#include "tst_voicerecording.moc"
