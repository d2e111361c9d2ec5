#include "game/soundplayer.h"
#include "language/language.h"

#include <QFile>
#include <QtEndian>
#include <QtTest>

#include <sys/stat.h>

#include <cmath>

using namespace Qt::StringLiterals;

constexpr int ShortSound = 111, LongSound = 112; // under a second, ten seconds

namespace {

QByteArray chunk(const QByteArray &tag, const QByteArray &payload)
{
    QByteArray size(4, 0);
    qToLittleEndian<quint32>(quint32(payload.size()), size.data());
    return tag + size + payload + QByteArray(payload.size() % 2, 0);
}

QByteArray le(quint32 value, int bytes)
{
    QByteArray out(bytes, 0);
    for (int i = 0; i < bytes; ++i)
        out[i] = char(value >> (8 * i));
    return out;
}

// A PCM WAVE of a 440 Hz tone, as a sound recorder writes it.
QByteArray recording(int rate, int channels, int bits, double seconds, const QByteArray &after = {})
{
    const int frames = int(rate * seconds), sampleBytes = bits / 8;
    QByteArray data;
    for (int i = 0; i < frames; ++i) {
        const double v = 0.5 * std::sin(2 * M_PI * 440 * i / rate);
        for (int c = 0; c < channels; ++c)
            data += bits == 8 ? le(quint32(128 + std::lround(v * 127)), 1) : le(quint32(std::lround(v * 32767)), 2);
    }
    const QByteArray format = le(1, 2) + le(channels, 2) + le(rate, 4) + le(rate * channels * sampleBytes, 4)
                              + le(channels * sampleBytes, 2) + le(bits, 2);
    const QByteArray body = "WAVE" + chunk("fmt ", format) + chunk("data", data) + after;
    return "RIFF" + le(body.size(), 4) + body;
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
    // Every layout the sounds come in (an 18-byte fmt, no fact, ADPCM, chunks after the data) decodes
    // to its fact count of frames, else to a frame a byte; a file cut inside fmt to nothing.
    void waves()
    {
        QList<std::size_t> promised, decoded;
        const SdlAudio sdl;
        for (int id = 101; id <= 113; ++id) {
            QFile file(QStringLiteral(":/wav/%1").arg(id));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray wav = file.readAll();
            const auto le = [&](qsizetype at) { return qFromLittleEndian<quint32>(wav.data() + at); };
            promised << le(wav.contains("fact") ? wav.indexOf("fact") + 8 : wav.indexOf("data") + 4) * 2;
            const SDL_AudioSpec target{int(le(24)), AUDIO_S16SYS, 1, 0, 0, 0, 0, nullptr, nullptr};
            const auto sound = SoundPlayer::decode(sdl, wav, target);
            decoded << (sound ? sound->bytes.size() : 0);
            QVERIFY(!SoundPlayer::decode(sdl, wav.left(28), target)); // cut inside fmt
        }
        QCOMPARE(decoded, promised);
    }

    // Each language's ten numbers, in the design's layout: 8-bit mono PCM at 22 050 Hz
    // with an 18-byte fmt chunk and a fact chunk, each a short word.
    void numbersInEveryLanguage()
    {
        const SdlAudio sdl;
        for (Language language : {Language::SimplifiedMandarin, Language::TraditionalMandarin,
                                  Language::Cantonese, Language::English}) {
            for (int id = 101; id <= 110; ++id) {
                QFile file(Languages::numberSoundFolder(language) + QString::number(id));
                QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
                const QByteArray wav = file.readAll();
                QCOMPARE(wav.mid(12, 8), "fmt \x12\0\0\0"_ba);
                QCOMPARE(wav.mid(20, 16), le(1, 2) + le(1, 2) + le(22050, 4) + le(22050, 4) + le(1, 2) + le(8, 2));
                QCOMPARE(wav.mid(38, 4), "fact"_ba);
                const SDL_AudioSpec target{22050, AUDIO_U8, 1, 0, 0, 0, 0, nullptr, nullptr};
                const auto sound = SoundPlayer::decode(sdl, wav, target);
                QVERIFY(sound && sound->bytes.size() > 22050 / 4 && sound->bytes.size() < 22050);
                QCOMPARE(sound->bytes.size(), qFromLittleEndian<quint32>(wav.data() + 46));
            }
        }
    }

    // A parent's recording of a number replaces the built-in one, file by file; anything
    // the game cannot take falls back to the built-in number (half a second).
    void voiceFolder_data()
    {
        QTest::addColumn<QByteArray>("file"); // written as 1.wav in the player's folder
        QTest::addColumn<double>("seconds");  // what plays: 0.5 is the built-in number
        QTest::newRow("CD quality") << recording(44100, 2, 16, 2.0) << 2.0;
        QTest::newRow("8-bit mono") << recording(11025, 1, 8, 1.5) << 1.5;
        QTest::newRow("with a LIST chunk") << recording(48000, 1, 16, 1.0, chunk("LIST", "INFO")) << 1.0;
        QFile adpcm(u":/wav/113"_s); // the leaderboard's fanfare: MS ADPCM, 2.12 s
        QVERIFY(adpcm.open(QIODevice::ReadOnly));
        QTest::newRow("MS ADPCM") << adpcm.readAll() << 2.12;
        QTest::newRow("just under 5 s") << recording(8000, 1, 16, 4.9) << 4.9;
        QTest::newRow("missing") << QByteArray() << 0.5;
        QTest::newRow("not a WAVE") << "hello, this is not a sound"_ba << 0.5;
        QTest::newRow("no samples") << recording(22050, 1, 16, 0) << 0.5;
        QTest::newRow("data cut short") << recording(22050, 1, 16, 2.0).left(44 + 44100) << 1.0;
        QTest::newRow("cut inside fmt") << recording(22050, 1, 16, 2.0).left(30) << 0.5;
        QTest::newRow("longer than 5 s") << recording(8000, 1, 8, 5.5) << 0.5;
        QTest::newRow("over 2 MB") << recording(22050, 1, 16, 1.0, chunk("LIST", QByteArray(2 << 20, 'x'))) << 0.5;
    }

    void voiceFolder()
    {
        QFETCH(QByteArray, file);
        QFETCH(double, seconds);
        QTemporaryDir player, program;
        QVERIFY(QDir(player.path()).mkpath(u"voice"_s) && QDir(program.path()).mkpath(u"voice"_s));
        QFile recorded(player.filePath(u"voice/1.wav"_s));
        QVERIFY(file.isNull() || (recorded.open(QIODevice::WriteOnly) && recorded.write(file) == file.size()));
        recorded.close();
        // The portable copy's recording of 2 is heard; its 1 only comes after the player's.
        QFile portable(program.filePath(u"voice/2.wav"_s));
        QVERIFY(portable.open(QIODevice::WriteOnly) && portable.write(recording(22050, 1, 8, 3.0)));
        portable.close();

        SoundPlayer sound(SoundLibrary(u":/wav/"_s, SoundLibrary::voiceFolders(player.path(), program.path())));
        // Recordings are decoded away from the UI thread: a first play starts a little later,
        // and its length is read the moment it starts, before the device drains it.
        sound.play(101);
        QTRY_VERIFY(sound.pendingBytes() > 0);
        QVERIFY2(std::abs(queuedSeconds(sound) - seconds) < 0.1, qPrintable(QString::number(queuedSeconds(sound))));
        sound.play(102);
        QTRY_VERIFY(queuedSeconds(sound) > 2.0);
        QVERIFY(std::abs(queuedSeconds(sound) - 3.0) < 0.1);
        sound.play(103); // no recording: the built-in number, at once
        QVERIFY(queuedSeconds(sound) > 0.3 && queuedSeconds(sound) < 1);
        sound.play(101); // ready now: at once
        QVERIFY(std::abs(queuedSeconds(sound) - seconds) < 0.1);
    }

    // One sound at a time: a recording still being decoded does not start
    // once another sound has been asked for.
    void newerSoundWinsOverDecoding()
    {
        QTemporaryDir player;
        QVERIFY(QDir(player.path()).mkpath(u"voice"_s));
        QFile recorded(player.filePath(u"voice/4.wav"_s));
        QVERIFY(recorded.open(QIODevice::WriteOnly) && recorded.write(recording(96000, 2, 16, 4.9)));
        recorded.close();
        SoundPlayer sound(SoundLibrary(u":/wav/"_s, {player.filePath(u"voice"_s)}));
        sound.play(104);
        sound.play(ShortSound);
        QTRY_VERIFY(sound.pendingBytes() == 0);
        QTest::qWait(1000); // time enough to decode, however busy the machine
        QVERIFY(sound.pendingBytes() == 0);
        sound.play(104);
        QTRY_VERIFY(queuedSeconds(sound) > 4.5);
    }

    // Neither a pipe nor a folder in a recording's place stops the game.
    void voiceFolderOddFiles()
    {
        QTemporaryDir player;
        QVERIFY(QDir(player.path()).mkpath(u"voice/1.wav"_s));
        QVERIFY(mkfifo(QFile::encodeName(player.filePath(u"voice/2.wav"_s)).constData(), 0600) == 0);
        SoundPlayer sound(SoundLibrary(u":/wav/yue/"_s, {player.filePath(u"voice"_s)}));
        for (int id : {101, 102}) {
            sound.play(id);
            QVERIFY(queuedSeconds(sound) > 0.3 && queuedSeconds(sound) < 1);
        }
    }

    void cutsOffClosesAfterSoundAndReopens()
    {
        SoundPlayer player;
        player.play(LongSound);
        player.play(ShortSound);
        QVERIFY(player.pendingBytes() < std::size_t(player.deviceSpec()->freq) * 2);
        QTRY_VERIFY_WITH_TIMEOUT(!player.isDeviceOpen(), 8000);
        player.play(LongSound);
        QVERIFY(player.pendingBytes() > 0);
    }

    void silentWithoutDevice()
    {
        qputenv("SDL_AUDIODRIVER", "no-such-driver"); // the last test: nothing after needs a device
        SoundPlayer player;
        player.play(ShortSound);
        QVERIFY(!player.deviceSpec());
    }
};

QTEST_GUILESS_MAIN(tst_SoundPlayer)
#include "tst_soundplayer.moc"
