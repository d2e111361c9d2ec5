#include "sound/soundplayer.h"
#include "language/language.h"
#include "sound/voicetake.h"
#include "testfiles.h"

#include <QtTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// Silence as a sound recorder writes it: 16-bit PCM, at any rate and number of channels.
QByteArray recording(int rate, int channels, double seconds)
{
    QByteArray wave = VoiceTake::waveFile(std::vector<std::int16_t>(std::size_t(rate * seconds) * channels));
    qToLittleEndian(quint16(channels), wave.data() + 22);
    qToLittleEndian(quint32(rate), wave.data() + 24);
    qToLittleEndian(quint32(rate * channels * 2), wave.data() + 28);
    qToLittleEndian(quint16(channels * 2), wave.data() + 32);
    return wave;
}

} // namespace

class tst_SoundPlayer : public QObject
{
    Q_OBJECT

private slots:
    // Traditional Mandarin speaks the design's numbers; Cantonese and English have their own. Every embedded sound
    // decodes to its fact count of frames, else to a frame a byte; the numbers are short words in the design's layout.
    void embeddedSounds()
    {
        QStringList folders;
        for (const QString &code : Languages::codes())
            folders << Languages::numberSoundFolder(*Languages::fromCode(code));
        QCOMPARE(folders, (QStringList{u":/wav/"_s, u":/wav/"_s, u":/wav/yue/"_s, u":/wav/en/"_s}));
        folders.removeDuplicates();
        const SdlAudio sdl;
        for (const QString &folder : folders) {
            const Sound last = folder == ":/wav/"_L1 ? Sound::Leaderboard : Sound::Number10;
            for (Sound id = Sound::Number1; id <= last; id = Sound(int(id) + 1)) {
                const QByteArray wav = SoundLibrary::read({folder + Sounds::fileName(id)}).value_or(QByteArray());
                const auto at = [&](qsizetype offset) { return qFromLittleEndian<quint32>(wav.data() + offset); };
                // At its own rate, so that nothing is resampled.
                const auto sound = DecodedSound::decode(sdl, wav, {int(at(24)), AUDIO_S16SYS, 1, 0, 0, 0, 0, nullptr, nullptr});
                const quint32 frames = at(wav.contains("fact") ? wav.indexOf("fact") + 8 : wav.indexOf("data") + 4);
                QVERIFY2(sound && sound->bytes.size() == 2 * frames, qPrintable(folder + Sounds::fileName(id)));
                // PCM, mono, 22 050 Hz, as many bytes a second, a byte a frame, 8 bits.
                QVERIFY(!Sounds::numberSpoken(id) || (wav.mid(12, 24) == "fmt \x12\0\0\0\1\0\1\0\x22\x56\0\0\x22\x56\0\0\1\0\x08\0"_ba
                                     && wav.mid(38, 4) == "fact" && frames > 22050 / 4 && frames < 22050));
            }
        }
    }

    // A parent's recording of a number replaces the built-in one. The player's data folder is searched before the
    // program's; a recording the game cannot take gives way to the next, and after the last to the built-in number.
    // One folder named twice is searched once.
    void voiceFolders_data()
    {
        QTest::addColumn<QByteArray>("dataFile");    // 1.wav in the player's data folder
        QTest::addColumn<QByteArray>("programFile"); // 1.wav in the program's folder
        QTest::addColumn<int>("ms");                 // what plays
        SoundPlayer embedded;
        embedded.play(Sound::Number1);
        const int builtIn = embedded.startedSoundMs();
        const QByteArray two = recording(22050, 1, 2.0), three = recording(22050, 1, 3.0);
        QTest::newRow("both: the player's") << two << three << 2000;
        QTest::newRow("the player's not a WAVE") << "hello, this is not a sound"_ba << three << 3000;
        QTest::newRow("longer than 5 s") << recording(8000, 1, 5.5) << QByteArray() << builtIn;
        QTest::newRow("over 2 MB in 3 s") << recording(192000, 2, 3.0) << QByteArray() << builtIn;
        QTest::newRow("a pipe") << "pipe"_ba << QByteArray() << builtIn;
    }

    void voiceFolders()
    {
        QFETCH(QByteArray, dataFile);
        QFETCH(QByteArray, programFile);
        QFETCH(int, ms);
        QTemporaryDir data, program;
        QCOMPARE(SoundLibrary::voiceFolders(data.path(), data.path()), QStringList{QDir(data.path()).filePath(u"voice"_s)});
        QVERIFY(QDir(data.path()).mkdir(u"voice"_s) && QDir(program.path()).mkdir(u"voice"_s));
        const QString dataPath = data.filePath(u"voice/1.wav"_s);
        // A pipe would block a reader forever.
        QVERIFY(dataFile == "pipe" ? mkfifo(QFile::encodeName(dataPath).constData(), 0600) == 0 : writeFile(dataPath, dataFile));
        QVERIFY(programFile.isNull() || writeFile(program.filePath(u"voice/1.wav"_s), programFile));
        SoundPlayer sound(SoundLibrary(u":/wav/"_s, SoundLibrary::voiceFolders(data.path(), program.path())));
        sound.play(Sound::Number1);
        // Decoded away from the interface thread, slowly on a busy machine.
        QTRY_COMPARE_WITH_TIMEOUT(sound.startedSoundMs(), ms, 20000);
    }

    // Leaving the game drops the recordings still waiting to be decoded (the benchmark times it). One sound at a
    // time: a recording is not heard once another sound has been asked for while it was still being decoded, and a
    // new sound cuts off the playing one. The device closes after a sound and opens again; without one, silence.
    void oneSoundAtATime()
    {
        QTemporaryDir player;
        for (int number = Sounds::FirstNumber; number <= Sounds::LastNumber; ++number) // the largest the game takes
            QVERIFY(writeFile(player.filePath(SoundLibrary::recordingFileName(number)), recording(96000, 2, 4.9)));
        const SoundLibrary library(u":/wav/"_s, {player.path()});
        {
            SoundPlayer leaving(library);
            QVERIFY(leaving.deviceSpec() && leaving.isDecoding());
        }
        QCoreApplication::processEvents(); // no reply reaches the player that is gone
        SoundPlayer sound(library);
        sound.play(Sounds::spokenNumber(4));
        sound.play(Sound::Miss); // under a second
        QTRY_VERIFY_WITH_TIMEOUT(!sound.isDecoding(), 20000); // decoded now: it would have cut in
        QVERIFY(sound.startedSoundMs() < 1000);
        sound.play(Sounds::spokenNumber(4)); // resampled and mixed down exactly
        QCOMPARE(sound.startedSoundMs(), 4900);
        sound.play(Sound::Miss);
        QVERIFY(sound.startedSoundMs() < 1000);
        QTRY_VERIFY_WITH_TIMEOUT(!sound.isDeviceOpen(), 8000);
        sound.play(Sound::Departure); // ten seconds
        QVERIFY(sound.pendingBytes() > 0);
        qputenv("SDL_AUDIODRIVER", "no-such-driver"); // the last test: nothing after needs a device
        SoundPlayer silent;
        silent.play(Sound::Miss);
        QVERIFY(!silent.deviceSpec());
    }
};

QTEST_GUILESS_MAIN(tst_SoundPlayer)
#include "tst_soundplayer.moc"
