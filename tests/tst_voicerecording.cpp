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
constexpr int ToneFrames = Rate;      // a second of tone
constexpr int SilenceFrames = Rate / 2; // half a second of silence either side
constexpr std::int16_t ToneLevel = 8000;
// What a take of the tone is kept as: the tone and a margin either side.
constexpr int KeptFrames = ToneFrames + 2 * VoiceTake::MarginFrames;

// What the player reports for it, in whole milliseconds.
constexpr int KeptMs = (KeptFrames * 1000 + Rate - 1) / Rate;

// Silence, a square tone, silence: the microphone's input.
QByteArray microphoneInput()
{
    std::vector<std::int16_t> samples(SilenceFrames + ToneFrames + SilenceFrames, 0);
    for (int i = 0; i < ToneFrames; ++i)
        samples[SilenceFrames + i] = qToLittleEndian(std::int16_t(i / 25 % 2 ? ToneLevel : -ToneLevel));
    return QByteArray(reinterpret_cast<const char *>(samples.data()), qsizetype(samples.size() * sizeof samples[0]));
}

} // namespace

class tst_VoiceRecording : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    QString m_input;

    void useMicrophone(bool present)
    {
        qputenv("SDL_DISKAUDIOFILEIN", QFile::encodeName(present ? m_input : m_folder.filePath(u"none"_s)));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(qEnvironmentVariable("SDL_AUDIODRIVER") == "disk"_L1);
        m_input = m_folder.filePath(u"microphone.raw"_s);
        QFile input(m_input);
        QVERIFY(input.open(QIODevice::WriteOnly) && input.write(microphoneInput()) > 0);
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(m_folder.filePath(u"speaker.raw"_s)));
        qputenv("SDL_DISKAUDIODELAY", "1"); // some ten times faster than speech
    }

    // A take runs to its limit unless stopped, and the meter hears the tone.
    void recorder()
    {
        useMicrophone(true);
        SoundPlayer player;
        VoiceRecorder recorder(player.audio());
        QSignalSpy started(&recorder, &VoiceRecorder::started), taken(&recorder, &VoiceRecorder::taken),
            failed(&recorder, &VoiceRecorder::failed);
        double loudest = 0;
        connect(&recorder, &VoiceRecorder::level, this, [&loudest](double peak) { loudest = qMax(loudest, peak); });
        for (const bool stopAtOnce : {false, true}) {
            recorder.start();
            QVERIFY(recorder.isRecording());
            if (stopAtOnce)
                recorder.stop();
            QTRY_VERIFY_WITH_TIMEOUT(!recorder.isRecording(), 20000);
        }
        QCOMPARE(QList<qsizetype>({started.size(), taken.size(), failed.size()}), QList<qsizetype>({2, 2, 0}));
        const auto whole = taken[0][0].value<std::vector<std::int16_t>>();
        QCOMPARE(whole.size(), std::size_t(Rate) * VoiceRecorder::MaxMs / 1000);
        QVERIFY(taken[1][0].value<std::vector<std::int16_t>>().size() < whole.size());
        QCOMPARE(int(VoiceTake::trimSilence(whole).size()), KeptFrames);
        QCOMPARE(loudest, ToneLevel / 32768.0);
    }

    // Without a microphone the page says so in one sentence and nothing else changes. Recorded and kept, the number
    // is heard in the parent's voice, trimmed, at -3 dBFS, in the game's format; deleted, the built-in number is heard
    // again. A cached number never hides a change.
    void recordOnThePage()
    {
        QTemporaryDir voice;
        SoundPlayer player(SoundLibrary(u":/wav/"_s, {voice.path()}));
        VoiceRecordingPage page(voice.path(), player);
        const auto button = [&page](const QString &name) { return page.findChild<QPushButton *>(name); };
        QSignalSpy started(page.findChild<VoiceRecorder *>(), &VoiceRecorder::started);
        const QString recordText = button(u"recordButton"_s)->text();
        useMicrophone(false);
        button(u"recordButton"_s)->click();
        QTRY_COMPARE(page.findChild<QLabel *>(u"statusLabel"_s)->text(), u"找不到能用的麦克风，所以没法录音。"_s);
        QCOMPARE(button(u"recordButton"_s)->text(), recordText);
        QVERIFY(started.isEmpty() && button(u"recordButton"_s)->isEnabled() && !button(u"keepButton"_s)->isEnabled());
        QCOMPARE(QDir(voice.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());

        useMicrophone(true);
        button(u"number4"_s)->click();
        player.play(Sounds::spokenNumber(4));
        const int builtIn = player.startedSoundMs();
        QVERIFY(builtIn > 0 && builtIn != KeptMs);
        button(u"recordButton"_s)->click(); // a click records until Stop, or the limit
        QTRY_VERIFY_WITH_TIMEOUT(button(u"keepButton"_s)->isEnabled(), 20000);
        QTRY_COMPARE(player.startedSoundMs(), KeptMs); // played back at once
        button(u"keepButton"_s)->click();
        QFile file(QDir(voice.path()).filePath(u"4.wav"_s));
        QTRY_VERIFY(file.exists() && button(u"deleteButton"_s)->isEnabled());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray wave = file.readAll();
        // PCM, mono, 22 050 Hz, 44 100 bytes a second, two a frame, 16 bits.
        QCOMPARE(wave.left(4) + wave.mid(8, 28), "RIFFWAVEfmt \x10\0\0\0\1\0\1\0\x22\x56\0\0\x44\xac\0\0\2\0\x10\0"_ba);
        QCOMPARE(wave.size(), 44 + 2 * KeptFrames);
        const auto *samples = reinterpret_cast<const std::int16_t *>(wave.constData() + 44);
        QVERIFY(qAbs(VoiceTake::peakDbfs(std::span(samples, KeptFrames)) - VoiceTake::PeakDbfs) < 0.001);

        player.play(Sound::Miss);
        player.play(Sounds::spokenNumber(4));
        QTRY_COMPARE(player.startedSoundMs(), KeptMs);
        button(u"deleteButton"_s)->click();
        QTRY_VERIFY(!file.exists() && button(u"deleteButton"_s)->isEnabled());
        player.play(Sounds::spokenNumber(4));
        QCOMPARE(player.startedSoundMs(), builtIn);
    }
};

QTEST_MAIN(tst_VoiceRecording)
#include "tst_voicerecording.moc"
