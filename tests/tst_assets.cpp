// The embedded pictures, sounds and icon: present under their numbers, in the
// formats the game and its sound player expect, and drawn so that the game's
// coordinates (seats, locomotive threshold, home places) point at the right things.

#include "game/gamerules.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QtEndian>
#include <QtTest>

#include <algorithm>
#include <cmath>

namespace {

QByteArray resource(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QImage bitmap(int number)
{
    return QImage(QStringLiteral(":/bitmap/%1").arg(number)).convertToFormat(QImage::Format_RGB32);
}

QRgb rgb(int r, int g, int b) { return qRgb(r, g, b); }

const QRgb HillGreen = rgb(1, 176, 59);
const QRgb Navy = rgb(0, 0, 128);
const QRgb White = rgb(255, 255, 255);

// Train picture layout: the white windows (columns, inclusive) and their rows.
struct Window { int x0, x1, y0, y1; };
const Window Windows[] = {
    {417, 448, 29, 57},                                          // locomotive
    {361, 390, 22, 58}, {318, 350, 22, 58}, {277, 310, 22, 58},  // third carriage
    {227, 256, 22, 58}, {184, 216, 22, 58}, {143, 176, 22, 58},  // second carriage
    {93, 122, 22, 58},  {50, 82, 22, 58},   {9, 42, 22, 58},     // first carriage
};

// AND with the mask, then XOR with the picture, as the game seats a monkey.
void paintMonkey(QImage &target, int x, int y, const QImage &mask, const QImage &picture)
{
    QPainter p(&target);
    p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    p.drawImage(x, y, mask);
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.drawImage(x, y, picture);
}

struct Chunk { QByteArray id; QByteArray data; };

// Splits a RIFF WAVE file into its chunks; an empty list if it is not one.
QList<Chunk> riffChunks(const QByteArray &file)
{
    QList<Chunk> chunks;
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return chunks;
    if (qFromLittleEndian<quint32>(file.constData() + 4) != quint32(file.size() - 8))
        return chunks;
    qsizetype pos = 12;
    while (pos + 8 <= file.size()) {
        const quint32 size = qFromLittleEndian<quint32>(file.constData() + pos + 4);
        if (pos + 8 + qsizetype(size) > file.size())
            return {};
        chunks.append({file.mid(pos, 4), file.mid(pos + 8, size)});
        pos += 8 + size + (size & 1);
    }
    if (pos != file.size())
        return {};
    return chunks;
}

quint16 u16(const QByteArray &b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }
quint32 u32(const QByteArray &b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }

} // namespace

class TestAssets : public QObject
{
    Q_OBJECT

private slots:
    void pictureIsLossless24Bit_data();
    void pictureIsLossless24Bit();
    void picturesSitOnTheirBackground_data();
    void picturesSitOnTheirBackground();
    void sceneLeavesTheTrainsPathPlain();
    void trainKeepsItsLayout();
    void everySeatLooksOutOfAWindow();
    void maskAndPictureAreComplementary();
    void monkeyLeavesEverythingElseUnchanged();
    void wave_data();
    void wave();
    void spokenNumbersAreEquallyLoud();
    void iconIsThirtyTwoPixelsWithTransparency();
};

void TestAssets::pictureIsLossless24Bit_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QSize>("size");
    const QList<QPair<int, QSize>> pictures{
        {101, {16, 16}}, {102, {600, 450}}, {103, {50, 42}}, {104, {40, 34}}, {105, {40, 34}},
        {106, {60, 30}}, {107, {480, 77}},  {109, {50, 35}}, {110, {50, 35}}, {111, {50, 35}}};
    for (const auto &[number, size] : pictures)
        QTest::addRow("%d", number) << number << size;
}

void TestAssets::pictureIsLossless24Bit()
{
    QFETCH(int, number);
    QFETCH(QSize, size);
    const QString path = QStringLiteral(":/bitmap/%1").arg(number);
    const QByteArray file = resource(path);
    // A PNG whose header says 8 bits per channel, colour type 2 (RGB, no alpha).
    QVERIFY2(file.startsWith("\x89PNG\r\n\x1a\n") && file.mid(12, 4) == "IHDR", qPrintable(path));
    QCOMPARE(qFromBigEndian<quint32>(file.constData() + 16), quint32(size.width()));
    QCOMPARE(qFromBigEndian<quint32>(file.constData() + 20), quint32(size.height()));
    QCOMPARE(int(file.at(24)), 8);
    QCOMPARE(int(file.at(25)), 2);
    const QImage image(path);
    QCOMPARE(image.size(), size);
    QVERIFY(!image.hasAlphaChannel());
}

void TestAssets::picturesSitOnTheirBackground_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QRgb>("background");
    QTest::newRow("life marker on sky") << 101 << rgb(179, 227, 253);
    QTest::newRow("monkey group on navy") << 103 << Navy;
    QTest::newRow("smoke on hill green") << 106 << HillGreen;
    QTest::newRow("train on hill green") << 107 << HillGreen;
    QTest::newRow("start on navy") << 109 << rgb(0, 1, 128);
    QTest::newRow("help on navy") << 110 << rgb(0, 1, 128);
    QTest::newRow("sound on navy") << 111 << rgb(0, 1, 128);
}

// The whole border is the background colour, and something is drawn inside it.
void TestAssets::picturesSitOnTheirBackground()
{
    QFETCH(int, number);
    QFETCH(QRgb, background);
    const QImage image = bitmap(number);
    QVERIFY(!image.isNull());
    const int w = image.width(), h = image.height();
    // The monkey group's collar and the train's wheels reach the bottom edge.
    const bool openBottom = number == 103 || number == 107;
    for (int x = 0; x < w; ++x) {
        QCOMPARE(image.pixel(x, 0), background);
        if (!openBottom)
            QCOMPARE(image.pixel(x, h - 1), background);
    }
    for (int y = 0; y < h; ++y) {
        QCOMPARE(image.pixel(0, y), background);
        QCOMPARE(image.pixel(w - 1, y), background);
    }
    int drawn = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            drawn += image.pixel(x, y) != background;
    QVERIFY2(drawn > w * h / 5, "hardly anything drawn on the background");
}

void TestAssets::sceneLeavesTheTrainsPathPlain()
{
    const QImage scene = bitmap(102);
    QCOMPARE(scene.size(), QSize(600, 450));
    // The life markers sit on the sky at the top centre.
    for (int y = 0; y < 16; ++y)
        for (int x = 200; x < 312; ++x)
            QVERIFY(qAbs(qRed(scene.pixel(x, y)) - 180) <= 1 && qGreen(scene.pixel(x, y)) == 227
                    && qBlue(scene.pixel(x, y)) == 253);
    // The opaque train (rows 253-329) and smoke (rows 216-245) move right from their home
    // places over plain hill green, so their own green background never shows an edge.
    const auto plain = [&](int left, int top, int bottom) {
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x < scene.width(); ++x)
                if (scene.pixel(x, y) != HillGreen)
                    return QStringLiteral("(%1, %2) is not hill green").arg(x).arg(y);
        return QString();
    };
    QCOMPARE(plain(GameRules::TrainHome, 253, 329), QString());
    QCOMPARE(plain(GameRules::SmokeStart, 216, 245), QString());
    // Grey rail line in rows 330-342, brown ground below.
    for (int y = 330; y <= 342; ++y) {
        const QRgb c = scene.pixel(300, y);
        QVERIFY2(qAbs(qRed(c) - qBlue(c)) < 60 && c != HillGreen, qPrintable(QString::number(y)));
    }
    int brown = 0;
    for (int x = 0; x < 600; ++x)
        brown += scene.pixel(x, 400) == rgb(200, 165, 111);
    QVERIFY(brown > 300);
}

void TestAssets::trainKeepsItsLayout()
{
    const QImage train = bitmap(107);
    QCOMPARE(train.size(), QSize(480, 77));
    // Windows: white inside, as the table places them.
    for (const Window &w : Windows)
        for (int y = w.y0 + 2; y <= w.y1 - 2; ++y)
            for (int x = w.x0 + 2; x <= w.x1 - 2; ++x)
                QCOMPARE(train.pixel(x, y), White);
    // The gap between the last carriage and the locomotive shows the background, so a
    // click at the threshold x is neither on a carriage nor on the locomotive.
    QVERIFY(GameRules::LocomotiveThreshold >= 399 && GameRules::LocomotiveThreshold <= 405);
    for (int y = 0; y < train.height(); ++y)
        for (int x = 399; x <= 405; ++x)
            QCOMPARE(train.pixel(x, y), HillGreen);
    // Carriages (3-130, 137-264, 271-398) and locomotive (406-475) are solid at mid height,
    // nothing lies above the carriages' roofs, and every part has wheels down to row 76.
    const QList<QPair<int, int>> parts{{3, 130}, {137, 264}, {271, 398}, {406, 475}};
    for (const auto &[x0, x1] : parts) {
        for (int x = x0; x <= x1; ++x)
            QVERIFY2(train.pixel(x, 62) != HillGreen, qPrintable(QString::number(x)));
        int wheel = 0;
        for (int x = x0; x <= x1; ++x)
            wheel += train.pixel(x, 76) != HillGreen;
        QVERIFY(wheel > 0);
        QCOMPARE(train.pixel(x0 - 1, 40), HillGreen);
        QCOMPARE(train.pixel(x1 + 1, 40), HillGreen);
    }
    for (int x = 0; x < 399; ++x)
        QCOMPARE(train.pixel(x, 12), HillGreen);
    // The chimney stands on the locomotive.
    for (int y = 5; y <= 17; ++y)
        QVERIFY(train.pixel(465, y) != HillGreen);
}

void TestAssets::everySeatLooksOutOfAWindow()
{
    const QImage mask = bitmap(104), picture = bitmap(105);
    QImage train = bitmap(107);
    for (int seat = 0; seat < GameRules::Seats; ++seat) {
        const int x = GameRules::seatX[seat], y = GameRules::seatY[seat];
        const Window &w = Windows[seat];
        // The 40 x 34 head starts 1 to 3 pixels left of its window and covers its middle.
        QVERIFY2(w.x0 - x >= 1 && w.x0 - x <= 3, qPrintable(QString::number(seat)));
        QVERIFY(y <= w.y0 + 5 && y + 34 >= w.y1 - 1);
        QVERIFY((seat == 0) == (x >= GameRules::LocomotiveThreshold));
        paintMonkey(train, x, y, mask, picture);
        // The face now fills the window's centre.
        QVERIFY(train.pixel((w.x0 + w.x1) / 2, (w.y0 + w.y1) / 2) != White);
    }
    // Ten seated monkeys still leave the coupling gap and the picture's edges alone.
    for (int y = 0; y < train.height(); ++y) {
        for (int x = 399; x <= 405; ++x)
            QCOMPARE(train.pixel(x, y), HillGreen);
        QCOMPARE(train.pixel(0, y), HillGreen);
        QCOMPARE(train.pixel(479, y), HillGreen);
    }
}

void TestAssets::maskAndPictureAreComplementary()
{
    const QImage mask = bitmap(104), picture = bitmap(105);
    QCOMPARE(mask.size(), QSize(40, 34));
    QCOMPARE(picture.size(), mask.size());
    int head = 0, colouredHead = 0;
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            const QRgb m = mask.pixel(x, y) & 0xffffff, p = picture.pixel(x, y) & 0xffffff;
            QVERIFY2(m == 0 || m == 0xffffff, "mask pixel neither black nor white");
            if (m == 0xffffff) {
                QCOMPARE(p, QRgb(0));
            } else {
                ++head;
                colouredHead += p != 0;
            }
        }
    }
    // A real head: most of the box, all of it in colour, not touching the top-left corner.
    QVERIFY(head > 40 * 34 / 2);
    QCOMPARE(colouredHead, head);
    QCOMPARE(mask.pixel(0, 0) & 0xffffff, QRgb(0xffffff));
}

void TestAssets::monkeyLeavesEverythingElseUnchanged()
{
    const QImage mask = bitmap(104), picture = bitmap(105);
    QRandomGenerator random(20240);
    for (int round = 0; round < 8; ++round) {
        QImage background(60, 50, QImage::Format_RGB32);
        for (int y = 0; y < background.height(); ++y)
            for (int x = 0; x < background.width(); ++x)
                background.setPixel(x, y, 0xff000000 | random.generate());
        if (round == 0)
            background.fill(HillGreen);
        QImage target = background;
        paintMonkey(target, 7, 9, mask, picture);
        for (int y = 0; y < target.height(); ++y) {
            for (int x = 0; x < target.width(); ++x) {
                const QPoint sprite(x - 7, y - 9);
                const bool inBox = QRect(0, 0, 40, 34).contains(sprite);
                const bool inHead = inBox && (mask.pixel(sprite) & 0xffffff) == 0;
                const QRgb expected = inHead ? picture.pixel(sprite) : background.pixel(x, y);
                QCOMPARE(target.pixel(x, y) & 0xffffff, expected & 0xffffff);
            }
        }
    }
}

void TestAssets::wave_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QByteArrayList>("layout");
    QTest::addColumn<int>("formatTag");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("fmtSize");
    QTest::addColumn<double>("seconds");
    const double spoken[] = {0.50, 0.50, 0.67, 0.71, 0.75, 0.58, 0.67, 0.51, 0.59, 0.65};
    for (int n = 1; n <= 10; ++n)
        QTest::addRow("%d", 100 + n) << 100 + n << QByteArrayList{"fmt ", "fact", "data"} << 1 << 22050 << 8
                                     << 18 << spoken[n - 1];
    QTest::newRow("111 miss") << 111 << QByteArrayList{"fmt ", "data"} << 1 << 22050 << 8 << 16 << 0.45;
    QTest::newRow("112 departure") << 112 << QByteArrayList{"fmt ", "fact", "data"} << 1 << 11025 << 8 << 16
                                   << 10.35;
    QTest::newRow("113 fanfare") << 113 << QByteArrayList{"fmt ", "fact", "data", "LIST", "DISP", "DISP"} << 2
                                 << 22050 << 4 << 50 << 2.12;
}

void TestAssets::wave()
{
    QFETCH(int, number);
    QFETCH(QByteArrayList, layout);
    QFETCH(int, formatTag);
    QFETCH(int, rate);
    QFETCH(int, bits);
    QFETCH(int, fmtSize);
    QFETCH(double, seconds);

    const QList<Chunk> chunks = riffChunks(resource(QStringLiteral(":/wav/%1").arg(number)));
    QByteArrayList ids;
    for (const Chunk &c : chunks)
        ids.append(c.id);
    QCOMPARE(ids, layout);

    const QByteArray fmt = chunks[0].data;
    QCOMPARE(fmt.size(), fmtSize);
    QCOMPARE(int(u16(fmt, 0)), formatTag);
    QCOMPARE(int(u16(fmt, 2)), 1); // mono
    QCOMPARE(int(u32(fmt, 4)), rate);
    QCOMPARE(int(u16(fmt, 14)), bits);
    const QByteArray data = chunks[layout.indexOf("data")].data;
    const int factIndex = layout.indexOf("fact");
    qint64 frames = 0;
    if (formatTag == 1) {
        QCOMPARE(int(u16(fmt, 12)), 1);   // block align
        QCOMPARE(int(u32(fmt, 8)), rate); // bytes per second
        if (fmtSize == 18)
            QCOMPARE(int(u16(fmt, 16)), 0); // no extra format bytes
        frames = data.size();
        if (factIndex >= 0)
            QCOMPARE(qint64(u32(chunks[factIndex].data, 0)), frames);
        // 8-bit samples are unsigned: silence is 128, and the sound is really there.
        int peak = 0;
        for (char c : data)
            peak = qMax(peak, qAbs(int(quint8(c)) - 128));
        QVERIFY2(peak > 40, qPrintable(QString("peak %1").arg(peak)));
        QVERIFY(qAbs(int(quint8(data.front())) - 128) <= 2 && qAbs(int(quint8(data.back())) - 128) <= 2);
    } else {
        // Microsoft ADPCM: 512-byte blocks of 1012 samples, seven coefficient pairs.
        QCOMPARE(int(u16(fmt, 12)), 512);
        QCOMPARE(int(u16(fmt, 16)), 32);
        QCOMPARE(int(u16(fmt, 18)), 1012);
        QCOMPARE(int(u16(fmt, 20)), 7);
        QCOMPARE(data.size() % 512, 0);
        frames = u32(chunks[factIndex].data, 0);
        const qint64 blocks = data.size() / 512;
        QVERIFY(frames > (blocks - 1) * 1012 && frames <= blocks * 1012);
        QCOMPARE(qFromLittleEndian<quint32>(chunks[4].data.constData()), 1u);  // CF_TEXT
        QVERIFY(chunks[3].data.startsWith("INFO"));
    }
    const double length = double(frames) / rate;
    QVERIFY2(qAbs(length - seconds) <= 0.25 * seconds,
             qPrintable(QString("%1 s instead of about %2 s").arg(length).arg(seconds)));
}

// The loudness (RMS) of each spoken number, from its first to its last audible sample.
void TestAssets::spokenNumbersAreEquallyLoud()
{
    QList<double> levels;
    for (int n = 101; n <= 110; ++n) {
        const QList<Chunk> chunks = riffChunks(resource(QStringLiteral(":/wav/%1").arg(n)));
        QVERIFY(chunks.size() == 3);
        const QByteArray data = chunks[2].data;
        qsizetype first = -1, last = -1;
        for (qsizetype i = 0; i < data.size(); ++i) {
            if (qAbs(int(quint8(data[i])) - 128) > 6) {
                if (first < 0)
                    first = i;
                last = i;
            }
        }
        QVERIFY(first >= 0);
        double sum = 0;
        for (qsizetype i = first; i <= last; ++i)
            sum += std::pow(int(quint8(data[i])) - 128, 2);
        levels.append(std::sqrt(sum / double(last - first + 1)));
    }
    const auto [lo, hi] = std::minmax_element(levels.begin(), levels.end());
    QVERIFY2(*hi <= *lo * 1.3, qPrintable(QString("RMS from %1 to %2").arg(*lo).arg(*hi)));
}

void TestAssets::iconIsThirtyTwoPixelsWithTransparency()
{
    const QImage icon(QStringLiteral(":/icon/kobu.png"));
    QCOMPARE(icon.size(), QSize(32, 32));
    QVERIFY(icon.hasAlphaChannel());
    const QImage argb = icon.convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(qAlpha(argb.pixel(0, 31)), 0);
    QCOMPARE(qAlpha(argb.pixel(31, 31)), 0);
    int lime = 0, pink = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb c = argb.pixel(x, y);
            if (qAlpha(c) < 255)
                continue;
            lime += qGreen(c) > 180 && qRed(c) < 200 && qBlue(c) < 120;
            pink += qRed(c) > 220 && qGreen(c) < 160 && qBlue(c) > 140;
        }
    }
    QVERIFY(lime > 100);
    QVERIFY(pink > 30);
    QVERIFY(resource(QStringLiteral(":/icon/kobu.svg")).contains("<svg"));
}

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
