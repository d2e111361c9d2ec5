#include "game/soundplayer.h"

#include <QFile>
#include <QtEndian>
#include <QtTest>

namespace {

// Frames in one 4-bit mono MS ADPCM block: two in its 7-byte header, two per byte.
constexpr int AdpcmAlign = 512, AdpcmFrames = 2 + (AdpcmAlign - 7) * 2;
constexpr int ShortSound = 111, LongSound = 112, MissingSound = 114;

template <typename... T>
void put(QByteArray &out, T... values)
{
    (out.append(reinterpret_cast<const char *>(&(values = qToLittleEndian(values))), sizeof(T)), ...);
}

QByteArray chunk(const char *id, const QByteArray &body)
{
    QByteArray out(id, 4);
    put(out, quint32(body.size()));
    return out + body + QByteArray(body.size() % 2, '\0');
}

struct WaveLayout
{
    bool adpcm = false;
    int bits = 8, rate = 22050, frames = 1000;
    bool fmt18 = false, fact = false, trailer = false; // LIST, DISP after data
};

QByteArray wave(const WaveLayout &l)
{
    QByteArray fmt, data, count;
    put(fmt, quint16(l.adpcm ? 2 : 1), quint16(1), quint32(l.rate));
    if (l.adpcm) {
        put(fmt, quint32(l.rate * AdpcmAlign / AdpcmFrames), quint16(AdpcmAlign), quint16(4), quint16(32),
            quint16(AdpcmFrames), quint16(7));
        for (qint16 c : {256, 0, 512, -256, 0, 0, 192, 64, 240, 0, 460, -208, 392, -232})
            put(fmt, c);
        // Silent blocks: predictor 0, delta 16, zero samples.
        data = (QByteArray(1, 0) + char(16) + QByteArray(AdpcmAlign - 2, 0)).repeated((l.frames - 1) / AdpcmFrames + 1);
    } else {
        put(fmt, quint32(l.rate * l.bits / 8), quint16(l.bits / 8), quint16(l.bits));
        if (l.fmt18)
            put(fmt, quint16(0));
        data = QByteArray(l.frames * l.bits / 8, l.bits == 8 ? char(0x80) : '\0');
    }
    put(count, quint32(l.frames));
    QByteArray body = QByteArray("WAVE") + chunk("fmt ", fmt) + (l.fact ? chunk("fact", count) : QByteArray());
    body += chunk("data", data);
    if (l.trailer)
        body += chunk("LIST", QByteArray("INFO") + chunk("ICMT", "counting")) + chunk("DISP", "\x01kobu");
    return chunk("RIFF", body);
}

// The {rate, frames} an embedded header promises: the fact count, else the
// data size (they are all 8-bit mono).
std::pair<int, int> promised(const QByteArray &file)
{
    const auto field = [&](const char *id, int at) { return qFromLittleEndian<int>(file.data() + file.indexOf(id) + at); };
    const bool fact = file.indexOf("fact") >= 0 && file.indexOf("fact") < file.indexOf("data");
    return {field("fmt ", 12), fact ? field("fact", 8) : field("data", 4)};
}

} // namespace

class tst_SoundPlayer : public QObject
{
    Q_OBJECT

private slots:
    void decode_data()
    {
        QTest::addColumn<QByteArray>("wav");
        QTest::addColumn<int>("deviceRate");
        QTest::addColumn<int>("frames"); // -1: rejected
        QTest::newRow("8-bit 22050, 18-byte fmt, fact") << wave({.fmt18 = true, .fact = true}) << 22050 << 1000;
        QTest::newRow("8-bit 11025, 16-byte fmt, fact") << wave({.rate = 11025, .fact = true}) << 11025 << 1000;
        QTest::newRow("16-bit 11025, 18-byte fmt") << wave({.bits = 16, .rate = 11025, .fmt18 = true}) << 11025 << 1000;
        QTest::newRow("odd length, LIST, DISP after data") << wave({.frames = 1001, .trailer = true}) << 22050 << 1001;
        // The fact chunk ends the sound inside the padded last block.
        QTest::newRow("MS ADPCM") << wave({.adpcm = true, .frames = AdpcmFrames + 300, .fact = true}) << 22050
                                  << AdpcmFrames + 300;
        QTest::newRow("11025 Hz converted to 48000") << wave({.rate = 11025, .frames = 11025}) << 48000 << 48000;
        const QByteArray good = wave({});
        QTest::newRow("not a WAVE file") << QByteArray("GIF89a, not a sound at all") << 22050 << -1;
        QTest::newRow("cut inside fmt") << good.left(28) << 22050 << -1;
        QTest::newRow("no data chunk") << good.left(36) << 22050 << -1;
        QTest::newRow("unknown format tag") << QByteArray(good).replace(20, 2, "\x55\x55") << 22050 << -1;
        for (int id = 101; id <= 113; ++id) {
            QFile file(QStringLiteral(":/wav/%1").arg(id));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray wav = file.readAll();
            const auto [rate, frames] = promised(wav);
            QTest::addRow("%d", id) << wav << rate << frames;
        }
    }

    void decode()
    {
        QFETCH(QByteArray, wav);
        QFETCH(int, deviceRate);
        QFETCH(int, frames);
        const SDL_AudioSpec target{deviceRate, AUDIO_S16SYS, 1, 0, 0, 0, 0, nullptr, nullptr};
        const SdlAudio sdl;
        const std::optional<DecodedSound> decoded = SoundPlayer::decode(sdl, wav, target);
        QCOMPARE(decoded ? int(decoded->bytes.size()) / 2 : -1, frames);
    }

    void newSoundCutsOffOld()
    {
        SoundPlayer player;
        player.PlayWav(LongSound);
        player.PlayWav(ShortSound);
        QVERIFY(player.isDeviceOpen());
        // The short sound is well under a second, the long one ten.
        QVERIFY(player.pendingBytes() < std::size_t(player.deviceSpec()->freq) * 8);
    }

    void closesAfterSoundEndsAndReopens()
    {
        SoundPlayer player;
        player.PlayWav(MissingSound);
        QVERIFY(!player.isDeviceOpen());
        player.PlayWav(ShortSound);
        QVERIFY(player.isDeviceOpen());
        QTRY_VERIFY_WITH_TIMEOUT(!player.isDeviceOpen(), 10000);
        player.PlayWav(LongSound);
        player.PlayWav(MissingSound); // leaves the sound playing
        QVERIFY(player.pendingBytes() > 0);
    }

    void silentWithoutDevice()
    {
        const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
        qputenv("SDL_AUDIODRIVER", "no-such-driver");
        SoundPlayer player;
        player.PlayWav(ShortSound); // the output starts with the first sound
        qputenv("SDL_AUDIODRIVER", driver);
        QVERIFY(!player.deviceSpec());
        player.PlayWav(ShortSound);
        QVERIFY(!player.isDeviceOpen());
    }
};

QTEST_GUILESS_MAIN(tst_SoundPlayer)
#include "tst_soundplayer.moc"
