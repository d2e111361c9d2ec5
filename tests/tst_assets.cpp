#include "game/gamerules.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QtEndian>
#include <QtTest>

namespace {

const QRgb HillGreen = qRgb(1, 176, 59);

QImage bitmap(int number)
{
    return QImage(QStringLiteral(":/bitmap/%1").arg(number)).convertToFormat(QImage::Format_RGB32);
}

// AND with the mask, then XOR with the picture, as the game seats a monkey.
void paintMonkey(QImage &target, int x, int y)
{
    QPainter p(&target);
    p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    p.drawImage(x, y, bitmap(104));
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.drawImage(x, y, bitmap(105));
}

struct Wave { int number; QByteArrayList layout; int tag, rate, bits, fmtSize; double seconds; };

} // namespace

Q_DECLARE_METATYPE(Wave)

class tst_Assets : public QObject
{
    Q_OBJECT

private slots:
    void pictureSize_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        const QList<QPair<int, QSize>> pictures{{101, {16, 16}}, {102, {600, 450}}, {103, {50, 42}}, {104, {40, 34}},
                                                {105, {40, 34}}, {106, {60, 30}},   {107, {480, 77}}, {109, {50, 35}},
                                                {110, {50, 35}}, {111, {50, 35}}};
        for (const auto &[number, size] : pictures)
            QTest::addRow("%d", number) << QStringLiteral(":/bitmap/%1").arg(number) << size;
        QTest::newRow("icon") << QStringLiteral(":/icon/kobu.png") << QSize(32, 32);
    }

    void pictureSize()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        const QImage image(path);
        QCOMPARE(image.size(), size);
        // Only the icon is see-through: the game paints the others opaquely.
        QCOMPARE(image.hasAlphaChannel(), path.startsWith(":/icon/"));
    }

    void trainLayout()
    {
        const QImage bare = bitmap(107);
        QImage train = bare;
        for (int seat = 0; seat < GameRules::Seats; ++seat) {
            const int x = GameRules::seatX[seat], y = GameRules::seatY[seat];
            // The middle of the 40 x 34 head looks out of a white window.
            for (int wy = y + 8; wy <= y + 30; ++wy)
                for (int wx = x + 6; wx <= x + 28; ++wx)
                    QVERIFY2(bare.pixel(wx, wy) == qRgb(255, 255, 255), qPrintable(QString::number(seat)));
            paintMonkey(train, x, y);
        }
        // With every seat taken, the coupling gap at the threshold and the edges still
        // show the background, so a click there hits neither carriage nor locomotive.
        for (int y = 0; y < train.height(); ++y)
            for (int x : {0, 399, 400, 401, 402, 403, 404, 405, 479})
                QCOMPARE(train.pixel(x, y), HillGreen);
        // The train drives over plain hill green, so its background shows no edge.
        const QImage scene = bitmap(102);
        for (int y = 253; y <= 329; ++y)
            for (int x = GameRules::TrainHome; x < scene.width(); ++x)
                QCOMPARE(scene.pixel(x, y), HillGreen);
    }

    // Any mask pixel not black or white, or picture colour where the mask is white,
    // would show on some background.
    void monkeyChangesOnlyItsHead()
    {
        const QImage mask = bitmap(104), picture = bitmap(105);
        QRandomGenerator random(20240);
        for (int round = 0; round < 8; ++round) {
            QImage background(60, 50, QImage::Format_RGB32);
            random.fillRange(reinterpret_cast<quint32 *>(background.bits()), background.width() * background.height());
            QImage target = background;
            paintMonkey(target, 7, 9);
            int head = 0;
            for (int y = 0; y < target.height(); ++y) {
                for (int x = 0; x < target.width(); ++x) {
                    const QPoint at(x - 7, y - 9);
                    const bool inHead = mask.rect().contains(at) && (mask.pixel(at) & 0xffffff) == 0;
                    const QRgb expected = inHead ? picture.pixel(at) : background.pixel(x, y);
                    QCOMPARE(target.pixel(x, y) & 0xffffff, expected & 0xffffff);
                    head += inHead && (picture.pixel(at) & 0xffffff) != 0;
                }
            }
            QVERIFY(head > 40 * 34 / 2);
        }
    }

    void wave_data()
    {
        QTest::addColumn<Wave>("expected");
        const QByteArrayList fact{"fmt ", "fact", "data"};
        const double spoken[] = {0.50, 0.50, 0.67, 0.71, 0.75, 0.58, 0.67, 0.51, 0.59, 0.65};
        for (int n = 101; n <= 110; ++n)
            QTest::addRow("%d", n) << Wave{n, fact, 1, 22050, 8, 18, spoken[n - 101]};
        QTest::newRow("111 miss") << Wave{111, {"fmt ", "data"}, 1, 22050, 8, 16, 0.45};
        QTest::newRow("112 departure") << Wave{112, fact, 1, 11025, 8, 16, 10.35};
        QTest::newRow("113 fanfare") << Wave{113, fact + QByteArrayList{"LIST", "DISP", "DISP"}, 2, 22050, 4, 50, 2.12};
    }

    void wave()
    {
        QFETCH(Wave, expected);
        QFile file(QStringLiteral(":/wav/%1").arg(expected.number));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WAVE");
        QByteArrayList ids, bodies;
        qsizetype at = 12, size = 0;
        for (; at + 8 <= bytes.size(); at += 8 + size + size % 2) {
            size = qFromLittleEndian<quint32>(bytes.data() + at + 4);
            ids.append(bytes.mid(at, 4));
            bodies.append(bytes.mid(at + 8, size));
        }
        QCOMPARE(at, bytes.size());
        QCOMPARE(ids, expected.layout);

        const char *fmt = bodies[0].data();
        const QList<int> format{int(bodies[0].size()), qFromLittleEndian<quint16>(fmt),
                                qFromLittleEndian<quint16>(fmt + 2), int(qFromLittleEndian<quint32>(fmt + 4)),
                                qFromLittleEndian<quint16>(fmt + 14)};
        QCOMPARE(format, (QList<int>{expected.fmtSize, expected.tag, 1, expected.rate, expected.bits})); // 1: mono
        // 8-bit PCM holds a frame a byte; compressed data says its length in the fact chunk.
        const double frames = expected.tag == 1 ? bodies[ids.indexOf("data")].size()
                                                : qFromLittleEndian<quint32>(bodies[1].data());
        QVERIFY2(qAbs(frames / expected.rate - expected.seconds) <= 0.25 * expected.seconds,
                 qPrintable(QString::number(frames / expected.rate)));
    }
};

QTEST_MAIN(tst_Assets)
#include "tst_assets.moc"
