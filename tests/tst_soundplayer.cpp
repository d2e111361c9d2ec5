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

// Seconds of the sound the player last started: what it took to play, however much of it was heard.
double startedSeconds(const SoundPlayer &player)
{
    return player.startedSoundMs() / 1000.0;
}

} // namespace

class tst_SoundPlayer : public QObject
{
    Q_OBJECT

private slots:
    // Every embedded sound decodes to its fact count of frames, else to a frame a byte. Each language's ten numbers are short words in the design's layout.
    void embeddedSounds()
    {
        const SdlAudio sdl;
        for (const QString &code : Languages::codes()) {
            const QString folder = Languages::numberSoundFolder(*Languages::fromCode(code));
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
    }

    // A parent's recording of a number replaces the built-in one; anything the
    // game cannot take falls back to the built-in number (half a second).
    void voiceFolder_data()
    {
        QTest::addColumn<QByteArray>("file"); // the player's 1.wav
        QTest::addColumn<double>("seconds");  // what plays
        QTest::newRow("CD quality") << recording(44100, 2, 2.0) << 2.0;
        QTest::newRow("MS ADPCM") << contents(u":/wav/"_s + Sounds::fileName(Sound::Leaderboard)) << 2.12; // the fanfare
        QTest::newRow("missing") << QByteArray() << 0.5;
        QTest::newRow("not a WAVE") << "hello, this is not a sound"_ba << 0.5;
        QTest::newRow("longer than 5 s") << recording(8000, 1, 5.5) << 0.5;
        QTest::newRow("over 2 MB in 3 s") << recording(192000, 2, 3.0) << 0.5;
        QTest::newRow("a pipe") << "pipe"_ba << 0.5;
    }

    void voiceFolder()
    {
        QFETCH(QByteArray, file);
        QFETCH(double, seconds);
        QTemporaryDir player;
        const QString path = player.filePath(u"1.wav"_s);
        // A pipe would block a reader forever.
        QVERIFY(file == "pipe" ? mkfifo(QFile::encodeName(path).constData(), 0600) == 0 : place(path, file));
        SoundPlayer sound(SoundLibrary(u":/wav/"_s, {player.path()}));
        sound.play(Sound::Number1);
        // Decoded away from the UI thread.
        QTRY_VERIFY_WITH_TIMEOUT(sound.startedSoundMs() > 0, 20000); // a busy machine decodes slowly
        QVERIFY2(std::abs(startedSeconds(sound) - seconds) < 0.1, qPrintable(QString::number(startedSeconds(sound))));
    }

    // The player's data folder is searched before the program's folder; a recording the game cannot take
    // in one gives way to the next; the same folder named twice is searched once.
    void voiceFolderOrder_data()
    {
        QTest::addColumn<QByteArray>("dataFile");    // 1.wav in the player's data folder
        QTest::addColumn<QByteArray>("programFile"); // 1.wav in the program's folder
        QTest::addColumn<bool>("sameFolder");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<int>("folders");
        const QByteArray two = recording(22050, 1, 2.0), three = recording(22050, 1, 3.0);
        QTest::newRow("both: the player's") << two << three << false << 2.0 << 2;
        QTest::newRow("only the program's") << QByteArray() << three << false << 3.0 << 2;
        QTest::newRow("the player's broken") << "broken"_ba << three << false << 3.0 << 2;
        QTest::newRow("only the player's") << two << QByteArray() << false << 2.0 << 2;
        QTest::newRow("one folder for both") << two << QByteArray() << true << 2.0 << 1;
    }

    void voiceFolderOrder()
    {
        QFETCH(QByteArray, dataFile);
        QFETCH(QByteArray, programFile);
        QFETCH(bool, sameFolder);
        QFETCH(double, seconds);
        QFETCH(int, folders);
        QTemporaryDir data, program;
        const QString programPath = sameFolder ? data.path() : program.path();
        const QStringList voice = SoundLibrary::voiceFolders(data.path(), programPath);
        QCOMPARE(voice.size(), folders);
        QVERIFY(QDir().mkpath(voice.first()) && QDir().mkpath(voice.last()));
        QVERIFY(place(QDir(voice.first()).filePath(u"1.wav"_s), dataFile)
                && place(QDir(voice.last()).filePath(u"1.wav"_s), programFile));
        QCOMPARE(voice.first(), QDir(data.path()).filePath(u"voice"_s));
        SoundPlayer sound(SoundLibrary(u":/wav/"_s, voice));
        sound.play(Sound::Number1);
        QTRY_VERIFY_WITH_TIMEOUT(sound.startedSoundMs() > 0, 20000);
        QCOMPARE(startedSeconds(sound), seconds);
    }

    // Each language speaks the numbers from its own folder; Traditional Mandarin shares the design's.
    void numberSounds_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("folder");
        QTest::newRow("Simplified Mandarin") << u"zh_CN"_s << u":/wav/"_s;
        QTest::newRow("Traditional Mandarin") << u"zh_TW"_s << u":/wav/"_s;
        QTest::newRow("Cantonese") << u"zh_HK"_s << u":/wav/yue/"_s;
        QTest::newRow("English") << u"en"_s << u":/wav/en/"_s;
    }

    void numberSounds()
    {
        QFETCH(QString, code);
        QFETCH(QString, folder);
        QCOMPARE(Languages::numberSoundFolder(*Languages::fromCode(code)), folder);
        // The folders hold different voices: a wrong folder is heard.
        for (const QString &other : {u":/wav/"_s, u":/wav/yue/"_s, u":/wav/en/"_s})
            QCOMPARE(contents(folder + Sounds::fileName(Sound::Number1)) == contents(other + Sounds::fileName(Sound::Number1)), folder == other);
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
        QVERIFY(startedSeconds(sound) < 1);
        sound.play(Sounds::spokenNumber(4));
        QTRY_VERIFY_WITH_TIMEOUT(startedSeconds(sound) > 4.5, 20000);
        sound.play(ShortSound);
        QVERIFY(startedSeconds(sound) < 1);
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
