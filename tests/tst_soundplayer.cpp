#include "sound/soundplayer.h"
#include "language/language.h"

#include <QtTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

constexpr Sound ShortSound = Sound::Miss, LongSound = Sound::Departure; // under a second, ten seconds

namespace {

QByteArray le(quint32 value, int bytes)
{
    const quint32 little = qToLittleEndian(value);
    return QByteArray(reinterpret_cast<const char *>(&little), bytes);
}

// A 16-bit PCM WAVE of silence, as a sound recorder writes it.
QByteArray recording(int rate, int channels, double seconds)
{
    const QByteArray format =
        le(1, 2) + le(channels, 2) + le(rate, 4) + le(rate * channels * 2, 4) + le(channels * 2, 2) + le(16, 2);
    const QByteArray samples(int(rate * seconds) * channels * 2, '\0');
    const QByteArray body = "WAVEfmt " + le(16, 4) + format + "data" + le(samples.size(), 4) + samples;
    return "RIFF" + le(body.size(), 4) + body;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Puts a recording in place (none when null).
bool place(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return content.isNull() || (file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
}

} // namespace

class tst_SoundPlayer : public QObject
{
    Q_OBJECT

private slots:
    // Each language speaks the numbers from its own folder, Traditional Mandarin the design's, and the folders hold
    // different voices. Every embedded sound decodes to its fact count of frames, else to a frame a byte; the numbers
    // are short words in the design's layout.
    void embeddedSounds_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("folder");
        QTest::newRow("Simplified Mandarin") << Language::SimplifiedMandarin << u":/wav/"_s;
        QTest::newRow("Traditional Mandarin") << Language::TraditionalMandarin << u":/wav/"_s;
        QTest::newRow("Cantonese") << Language::Cantonese << u":/wav/yue/"_s;
        QTest::newRow("English") << Language::English << u":/wav/en/"_s;
    }

    void embeddedSounds()
    {
        QFETCH(Language, language);
        QFETCH(QString, folder);
        QCOMPARE(Languages::numberSoundFolder(language), folder);
        for (const QString &other : {u":/wav/"_s, u":/wav/yue/"_s, u":/wav/en/"_s})
            QCOMPARE(contents(folder + Sounds::fileName(Sound::Number1)) == contents(other + Sounds::fileName(Sound::Number1)), folder == other);
        const SdlAudio sdl;
        const Sound last = folder == ":/wav/"_L1 ? Sound::Leaderboard : Sound::Number10;
        for (Sound id = Sound::Number1; id <= last; id = Sound(int(id) + 1)) {
            const QByteArray wav = contents(folder + Sounds::fileName(id));
            const auto at = [&](qsizetype offset) { return qFromLittleEndian<quint32>(wav.data() + offset); };
            const SDL_AudioSpec target{int(at(24)), AUDIO_S16SYS, 1, 0, 0, 0, 0, nullptr, nullptr};
            const auto sound = DecodedSound::decode(sdl, wav, target);
            const quint32 frames = at(wav.contains("fact") ? wav.indexOf("fact") + 8 : wav.indexOf("data") + 4);
            QVERIFY2(sound && sound->bytes.size() == 2 * frames, qPrintable(folder + Sounds::fileName(id)));
            // PCM, mono, 22 050 Hz, as many bytes a second, a byte a frame, 8 bits.
            QVERIFY(!Sounds::numberSpoken(id) || (wav.mid(12, 24) == "fmt \x12\0\0\0\1\0\1\0\x22\x56\0\0\x22\x56\0\0\1\0\x08\0"_ba
                                 && wav.mid(38, 4) == "fact" && frames > 22050 / 4 && frames < 22050));
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
        embedded.play(Sound::Leaderboard);
        const int fanfare = embedded.startedSoundMs();
        embedded.play(Sound::Number1);
        const int builtIn = embedded.startedSoundMs();
        const QByteArray two = recording(22050, 1, 2.0), three = recording(22050, 1, 3.0);
        QTest::newRow("both: the player's") << two << three << 2000;
        QTest::newRow("only the program's") << QByteArray() << three << 3000;
        QTest::newRow("the player's not a WAVE") << "hello, this is not a sound"_ba << three << 3000;
        QTest::newRow("CD quality") << recording(44100, 2, 2.0) << QByteArray() << 2000;
        QTest::newRow("MS ADPCM") << contents(u":/wav/"_s + Sounds::fileName(Sound::Leaderboard)) << QByteArray() << fanfare;
        QTest::newRow("none") << QByteArray() << QByteArray() << builtIn;
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
        QVERIFY(dataFile == "pipe" ? mkfifo(QFile::encodeName(dataPath).constData(), 0600) == 0 : place(dataPath, dataFile));
        QVERIFY(place(program.filePath(u"voice/1.wav"_s), programFile));
        SoundPlayer sound(SoundLibrary(u":/wav/"_s, SoundLibrary::voiceFolders(data.path(), program.path())));
        sound.play(Sound::Number1);
        // Decoded away from the interface thread, slowly on a busy machine.
        QTRY_VERIFY_WITH_TIMEOUT(sound.startedSoundMs() > 0, 20000);
        QCOMPARE(sound.startedSoundMs(), ms);
    }

    // Leaving the game drops the recordings still waiting to be decoded (the benchmark times it).
    void leaveWhileDecoding()
    {
        QTemporaryDir player;
        const QByteArray largest = recording(96000, 2, 4.9);
        for (int number = 1; number <= 10; ++number)
            QVERIFY(place(player.filePath(u"%1.wav"_s.arg(number)), largest));
        {
            SoundPlayer sound(SoundLibrary(u":/wav/"_s, {player.path()}));
            QVERIFY(sound.deviceSpec() && sound.isDecoding());
        }
        QCoreApplication::processEvents(); // no reply reaches the player that is gone
    }

    // One sound at a time: a recording is not heard once another sound has been asked for while it was
    // still being decoded, and a new sound cuts off the playing one. The device closes after a sound and
    // opens again; without one, silence.
    void oneSoundAtATime()
    {
        QTemporaryDir player;
        QVERIFY(place(player.filePath(u"4.wav"_s), recording(96000, 2, 4.9)));
        SoundPlayer sound(SoundLibrary(u":/wav/"_s, {player.path()}));
        sound.play(Sounds::spokenNumber(4));
        sound.play(ShortSound);
        QTRY_VERIFY_WITH_TIMEOUT(!sound.isDecoding(), 20000); // decoded now: it would have cut in
        QVERIFY(sound.startedSoundMs() < 1000);
        sound.play(Sounds::spokenNumber(4));
        QTRY_VERIFY_WITH_TIMEOUT(sound.startedSoundMs() > 4500, 20000);
        sound.play(ShortSound);
        QVERIFY(sound.startedSoundMs() < 1000);
        QTRY_VERIFY_WITH_TIMEOUT(!sound.isDeviceOpen(), 8000);
        sound.play(LongSound);
        QVERIFY(sound.pendingBytes() > 0);
        qputenv("SDL_AUDIODRIVER", "no-such-driver"); // the last test: nothing after needs a device
        SoundPlayer silent;
        silent.play(ShortSound);
        QVERIFY(!silent.deviceSpec());
    }
};

QTEST_GUILESS_MAIN(tst_SoundPlayer)
#include "tst_soundplayer.moc"
