#include "game/soundplayer.h"

#include <QFile>
#include <QtEndian>
#include <QtTest>

constexpr int ShortSound = 111, LongSound = 112; // under a second, ten seconds

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
