#include "game/soundplayer.h"
#include "language/language.h"

#include <QtTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

constexpr int ShortSound = 111, LongSound = 112; // under a second, ten seconds

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

// Seconds of sound the player has queued: what it took to play.
double queuedSeconds(SoundPlayer &player)
{
    const SDL_AudioSpec spec = *player.deviceSpec();
    return double(player.pendingBytes()) / (spec.freq * spec.channels * (SDL_AUDIO_BITSIZE(spec.format) / 8));
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
            for (int id = 101; id <= (folder == ":/wav/"_L1 ? 113 : 110); ++id) {
                const QByteArray wav = contents(folder + QString::number(id));
                const auto at = [&](qsizetype offset) { return qFromLittleEndian<quint32>(wav.data() + offset); };
                const SDL_AudioSpec target{int(at(24)), AUDIO_S16SYS, 1, 0, 0, 0, 0, nullptr, nullptr};
                const auto sound = SoundPlayer::decode(sdl, wav, target);
                const quint32 frames = at(wav.contains("fact") ? wav.indexOf("fact") + 8 : wav.indexOf("data") + 4);
                QVERIFY2(sound && sound->bytes.size() == 2 * frames, qPrintable(folder + QString::number(id)));
                // PCM, mono, 22 050 Hz, as many bytes a second, a byte a frame, 8 bits.
                QVERIFY(id > 110 || (wav.mid(12, 24) == "fmt \x12\0\0\0\1\0\1\0\x22\x56\0\0\x22\x56\0\0\1\0\x08\0"_ba
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
        QTest::newRow("MS ADPCM") << contents(u":/wav/113"_s) << 2.12; // the fanfare
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
        sound.play(101);
        // Decoded away from the UI thread: the length is read the moment it starts, before the device drains it.
        QTRY_VERIFY_WITH_TIMEOUT(sound.pendingBytes() > 0, 20000); // a busy machine decodes slowly
        QVERIFY2(std::abs(queuedSeconds(sound) - seconds) < 0.1, qPrintable(QString::number(queuedSeconds(sound))));
    }

    // One sound at a time: a recording is not heard once another sound has been asked for while it was
    // still being decoded, and a new sound cuts off the playing one. The device closes after a sound and
    // opens again; without one, silence.
    void oneSoundAtATime()
    {
        QTemporaryDir player;
        QVERIFY(place(player.filePath(u"4.wav"_s), recording(96000, 2, 4.9)));
        SoundPlayer sound(SoundLibrary(u":/wav/"_s, {player.path()}));
        sound.play(104);
        sound.play(ShortSound);
        QTest::qWait(1000); // time enough to decode: the recording would have cut in
        QVERIFY(queuedSeconds(sound) < 1);
        sound.play(104);
        QTRY_VERIFY_WITH_TIMEOUT(queuedSeconds(sound) > 4.5, 20000);
        sound.play(ShortSound);
        QVERIFY(queuedSeconds(sound) < 1);
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
