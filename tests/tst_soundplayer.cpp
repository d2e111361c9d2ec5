#include "game/soundplayer.h"

#include <QFile>
#include <QtEndian>
#include <QtTest>

#include <optional>

namespace {

constexpr quint16 PcmTag = 1;
constexpr quint16 MsAdpcmTag = 2;

// Samples of a 4-bit MS ADPCM mono block: two in the header, two per byte.
constexpr int AdpcmBlockAlign = 512;
constexpr int AdpcmHeaderBytes = 7;
constexpr int AdpcmBlockFrames = 2 + (AdpcmBlockAlign - AdpcmHeaderBytes) * 2;

void append16(QByteArray &out, quint16 value)
{
    out.append(char(value & 0xff)).append(char(value >> 8));
}

void append32(QByteArray &out, quint32 value)
{
    append16(out, quint16(value & 0xffff));
    append16(out, quint16(value >> 16));
}

QByteArray chunk(const char *id, const QByteArray &body)
{
    QByteArray out(id, 4);
    append32(out, quint32(body.size()));
    out += body;
    if (body.size() % 2)
        out.append('\0');
    return out;
}

struct WaveLayout
{
    quint16 tag = PcmTag;
    int bits = 8;
    int rate = 22050;
    int frames = 1000;
    bool extendedFmt = false; // 18 bytes instead of 16
    bool fact = false;
    bool trailingMetadata = false; // LIST and DISP after the data
};

QByteArray formatChunk(const WaveLayout &layout)
{
    QByteArray fmt;
    append16(fmt, layout.tag);
    append16(fmt, 1);
    append32(fmt, quint32(layout.rate));
    if (layout.tag == MsAdpcmTag) {
        append32(fmt, quint32(layout.rate * AdpcmBlockAlign / AdpcmBlockFrames));
        append16(fmt, AdpcmBlockAlign);
        append16(fmt, 4);
        static constexpr qint16 coefficients[] = {256, 0, 512, -256, 0, 0, 192, 64, 240, 0, 460, -208, 392, -232};
        append16(fmt, 4 + sizeof coefficients);
        append16(fmt, AdpcmBlockFrames);
        append16(fmt, 7);
        for (qint16 c : coefficients)
            append16(fmt, quint16(c));
        return chunk("fmt ", fmt);
    }
    const int blockAlign = layout.bits / 8;
    append32(fmt, quint32(layout.rate * blockAlign));
    append16(fmt, quint16(blockAlign));
    append16(fmt, quint16(layout.bits));
    if (layout.extendedFmt)
        append16(fmt, 0);
    return chunk("fmt ", fmt);
}

QByteArray samples(const WaveLayout &layout)
{
    if (layout.tag != MsAdpcmTag)
        return QByteArray(layout.frames * layout.bits / 8, layout.bits == 8 ? char(0x80) : '\0');
    QByteArray blocks;
    const int blockCount = (layout.frames + AdpcmBlockFrames - 1) / AdpcmBlockFrames;
    for (int b = 0; b < blockCount; ++b) {
        blocks.append('\0');  // predictor
        append16(blocks, 16); // delta
        append32(blocks, 0);  // the two first samples
        blocks.append(AdpcmBlockAlign - AdpcmHeaderBytes, '\0');
    }
    return blocks;
}

QByteArray wave(const WaveLayout &layout)
{
    QByteArray body("WAVE");
    body += formatChunk(layout);
    if (layout.fact) {
        QByteArray count;
        append32(count, quint32(layout.frames));
        body += chunk("fact", count);
    }
    body += chunk("data", samples(layout));
    if (layout.trailingMetadata) {
        body += chunk("LIST", QByteArray("INFO") + chunk("ICMT", "counting"));
        body += chunk("DISP", QByteArray("\x01\0\0\0kobu", 8));
        body += chunk("DISP", QByteArray("\x01\0\0\0kobu", 8));
    }
    return chunk("RIFF", body);
}

// The frame count a WAVE header promises: the fact chunk's for compressed
// data, the data chunk's size otherwise.
struct PromisedLength
{
    int rate = 0;
    int frames = 0;
};

std::optional<PromisedLength> promisedLength(QByteArrayView file)
{
    PromisedLength promised;
    quint16 tag = 0;
    int blockAlign = 0;
    int factFrames = -1;
    for (qsizetype at = 12; at + 8 <= file.size();) {
        const QByteArrayView id = file.sliced(at, 4);
        const auto size = qsizetype(qFromLittleEndian<quint32>(file.data() + at + 4));
        const QByteArrayView body = file.sliced(at + 8, std::min(size, file.size() - at - 8));
        if (id == "fmt " && body.size() >= 16) {
            tag = qFromLittleEndian<quint16>(body.data());
            promised.rate = int(qFromLittleEndian<quint32>(body.data() + 4));
            blockAlign = qFromLittleEndian<quint16>(body.data() + 12);
        } else if (id == "fact" && body.size() >= 4) {
            factFrames = int(qFromLittleEndian<quint32>(body.data()));
        } else if (id == "data" && blockAlign > 0) {
            promised.frames = tag == PcmTag ? int(size / blockAlign) : factFrames;
        }
        at += 8 + size + size % 2;
    }
    if (promised.rate == 0 || promised.frames <= 0)
        return std::nullopt;
    return promised;
}

SDL_AudioSpec monoS16(int rate)
{
    SDL_AudioSpec spec{};
    spec.freq = rate;
    spec.format = AUDIO_S16SYS;
    spec.channels = 1;
    return spec;
}

int framesOf(const DecodedSound &sound, const SDL_AudioSpec &spec)
{
    return int(sound.bytes.size() / (SDL_AUDIO_BITSIZE(spec.format) / 8 * spec.channels));
}

QByteArray embedded(int id)
{
    QFile file(QStringLiteral(":/wav/%1").arg(id));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::size_t deviceBytesOf(const SoundPlayer &player, int id)
{
    return SoundPlayer::decode(embedded(id), *player.deviceSpec()).value().bytes.size();
}

constexpr int FirstSound = 101;
constexpr int LastSound = 113;
constexpr int ShortSound = 111;
constexpr int LongSound = 112;
constexpr int DrainTimeoutMs = 10000;

} // namespace

Q_DECLARE_METATYPE(WaveLayout)

class tst_SoundPlayer : public QObject
{
    Q_OBJECT

private slots:
    void decodesLayouts_data();
    void decodesLayouts();
    void decodesEmbeddedSounds_data();
    void decodesEmbeddedSounds();
    void convertsToDeviceRate_data();
    void convertsToDeviceRate();
    void rejectsBrokenData_data();
    void rejectsBrokenData();

    void newSoundCutsOffOld();
    void missingSoundIsIgnored();
    void stopsWhenSoundEndsAndStartsAgain();
    void silentWithoutDevice();
};

void tst_SoundPlayer::decodesLayouts_data()
{
    QTest::addColumn<WaveLayout>("layout");

    QTest::newRow("8-bit 22050 Hz, 18-byte fmt, fact") << WaveLayout{.extendedFmt = true, .fact = true};
    QTest::newRow("8-bit 22050 Hz, 16-byte fmt") << WaveLayout{};
    QTest::newRow("8-bit 11025 Hz, 16-byte fmt, fact") << WaveLayout{.rate = 11025, .fact = true};
    QTest::newRow("16-bit 11025 Hz, 18-byte fmt") << WaveLayout{.bits = 16, .rate = 11025, .extendedFmt = true};
    QTest::newRow("16-bit 22050 Hz, fact") << WaveLayout{.bits = 16, .fact = true};
    QTest::newRow("8-bit odd length, LIST and DISP after data")
        << WaveLayout{.frames = 1001, .trailingMetadata = true};
    QTest::newRow("MS ADPCM, fact ends inside the last block")
        << WaveLayout{.tag = MsAdpcmTag, .frames = AdpcmBlockFrames + 300, .fact = true, .trailingMetadata = true};
}

void tst_SoundPlayer::decodesLayouts()
{
    QFETCH(WaveLayout, layout);
    const SDL_AudioSpec target = monoS16(layout.rate);

    const std::optional<DecodedSound> decoded = SoundPlayer::decode(wave(layout), target);

    QVERIFY(decoded);
    QCOMPARE(framesOf(*decoded, target), layout.frames);
}

void tst_SoundPlayer::decodesEmbeddedSounds_data()
{
    QTest::addColumn<int>("id");
    for (int id = FirstSound; id <= LastSound; ++id)
        QTest::addRow("%d", id) << id;
}

void tst_SoundPlayer::decodesEmbeddedSounds()
{
    QFETCH(int, id);
    const QByteArray file = embedded(id);
    QVERIFY2(!file.isEmpty(), "sound is not embedded");
    const std::optional<PromisedLength> promised = promisedLength(file);
    QVERIFY2(promised, "header promises no length");
    const SDL_AudioSpec target = monoS16(promised->rate);

    const std::optional<DecodedSound> decoded = SoundPlayer::decode(file, target);

    QVERIFY(decoded);
    QCOMPARE(framesOf(*decoded, target), promised->frames);
}

void tst_SoundPlayer::convertsToDeviceRate_data()
{
    QTest::addColumn<int>("sourceRate");
    QTest::addColumn<int>("deviceRate");
    QTest::addColumn<int>("deviceChannels");
    QTest::addColumn<SDL_AudioFormat>("deviceFormat");

    QTest::newRow("11025 to 44100 stereo float") << 11025 << 44100 << 2 << SDL_AudioFormat(AUDIO_F32SYS);
    QTest::newRow("22050 to 44100 mono") << 22050 << 44100 << 1 << SDL_AudioFormat(AUDIO_S16SYS);
    QTest::newRow("22050 to 48000 stereo") << 22050 << 48000 << 2 << SDL_AudioFormat(AUDIO_S16SYS);
    QTest::newRow("11025 to 48000 stereo float") << 11025 << 48000 << 2 << SDL_AudioFormat(AUDIO_F32SYS);
}

void tst_SoundPlayer::convertsToDeviceRate()
{
    QFETCH(int, sourceRate);
    QFETCH(int, deviceRate);
    QFETCH(int, deviceChannels);
    QFETCH(SDL_AudioFormat, deviceFormat);
    const WaveLayout layout{.rate = sourceRate, .frames = sourceRate};
    SDL_AudioSpec device = monoS16(deviceRate);
    device.channels = Uint8(deviceChannels);
    device.format = deviceFormat;

    const std::optional<DecodedSound> decoded = SoundPlayer::decode(wave(layout), device);

    // One second at any rate: the whole sound, tail included.
    QVERIFY(decoded);
    QCOMPARE(framesOf(*decoded, device), deviceRate);
}

void tst_SoundPlayer::rejectsBrokenData_data()
{
    QTest::addColumn<QByteArray>("data");

    const QByteArray good = wave(WaveLayout{});
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not a WAVE file") << QByteArray("GIF89a, not a sound at all");
    QTest::newRow("header only") << good.left(12);
    QTest::newRow("cut inside fmt") << good.left(28);
    QTest::newRow("no data chunk") << good.left(44 - 8);
    QTest::newRow("unknown format tag") << QByteArray(good).replace(20, 2, "\x55\x55");
}

void tst_SoundPlayer::rejectsBrokenData()
{
    QFETCH(QByteArray, data);
    QVERIFY(!SoundPlayer::decode(data, monoS16(22050)));
}

void tst_SoundPlayer::newSoundCutsOffOld()
{
    SoundPlayer player;
    QVERIFY(player.hasDevice());

    player.PlayWav(LongSound);
    player.PlayWav(ShortSound);

    QVERIFY(player.isDeviceOpen());
    QVERIFY(player.pendingBytes() <= deviceBytesOf(player, ShortSound));
}

void tst_SoundPlayer::missingSoundIsIgnored()
{
    SoundPlayer player;
    player.PlayWav(LastSound + 1);
    QVERIFY(!player.isDeviceOpen());

    // A missing sound leaves the one playing alone.
    player.PlayWav(LongSound);
    player.PlayWav(LastSound + 1);
    QVERIFY(player.isDeviceOpen());
    QVERIFY(player.pendingBytes() > 0);
}

void tst_SoundPlayer::stopsWhenSoundEndsAndStartsAgain()
{
    SoundPlayer player;
    QVERIFY(!player.isDeviceOpen());

    player.PlayWav(ShortSound);
    QVERIFY(player.isDeviceOpen());
    QTRY_VERIFY_WITH_TIMEOUT(!player.isDeviceOpen(), DrainTimeoutMs);

    player.PlayWav(LongSound);
    QVERIFY(player.isDeviceOpen());
    QVERIFY(player.pendingBytes() > 0);
}

void tst_SoundPlayer::silentWithoutDevice()
{
    const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    SoundPlayer player;
    qputenv("SDL_AUDIODRIVER", driver);

    QVERIFY(!player.hasDevice());
    player.PlayWav(ShortSound);
    QVERIFY(!player.isDeviceOpen());
    QCOMPARE(player.pendingBytes(), std::size_t(0));
}

QTEST_GUILESS_MAIN(tst_SoundPlayer)
#include "tst_soundplayer.moc"
