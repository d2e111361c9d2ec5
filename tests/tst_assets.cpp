#include "game/gamerules.h"

#include <QImage>
#include <QRandomGenerator>
#include <QtTest>

const QString Bitmap = QStringLiteral(":/bitmap/%1");

class tst_Assets : public QObject
{
    Q_OBJECT

private slots:
    void sizes()
    {
        QList<QSize> sizes{QImage(":/icon/kobu.png").size()};
        for (int number : {101, 102, 103, 104, 105, 106, 107, 109, 110, 111})
            sizes << QImage(Bitmap.arg(number)).size();
        QCOMPARE(sizes, (QList<QSize>{{32, 32}, {16, 16}, {600, 450}, {50, 42}, {40, 34}, {40, 34}, {60, 30},
                                      {480, 77}, {50, 35}, {50, 35}, {50, 35}}));
    }

    // Seated by AND with the mask, then XOR with the picture: only the head changes.
    void monkeyChangesOnlyItsHead()
    {
        const QImage mask(Bitmap.arg(104)), picture(Bitmap.arg(105));
        QRandomGenerator random(2024);
        int head = 0;
        for (int i = 0; i < 40 * 34; ++i) {
            const QRgb m = mask.pixel(i % 40, i / 40) & 0xffffff, p = picture.pixel(i % 40, i / 40) & 0xffffff;
            const QRgb background = random.generate() & 0xffffff;
            head += m == 0;
            QCOMPARE((background & m) ^ p, m == 0 ? p : background);
        }
        QVERIFY(head > 40 * 34 / 2);
    }

    // Each head looks out of a white window, and no head covers the coupling gap.
    void trainWindowsAndGap()
    {
        const QImage train(Bitmap.arg(107));
        for (int seat = 0; seat < GameRules::Seats; ++seat) {
            const int x = GameRules::seatX[seat], y = GameRules::seatY[seat];
            QVERIFY(x + 40 < 399 || x > 405);
            for (int wy = y + 8; wy <= y + 30; ++wy)
                for (int wx = x + 6; wx <= x + 28; ++wx)
                    QCOMPARE(train.pixel(wx, wy), qRgb(255, 255, 255));
        }
        for (int y = 0; y < train.height(); ++y)
            for (int x = 399; x <= 405; ++x)
                QCOMPARE(train.pixel(x, y), qRgb(1, 176, 59));
    }

    // The Windows icon is the same 32 x 32 picture in 24 bits, bottom-up, with a
    // 1-bit mask set where the PNG is more than half transparent.
    void windowsIconMatchesPng()
    {
        QFile file(QStringLiteral(KOBU_ICON_ICO));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray ico = file.readAll();
        const auto word = [&](int at) { return quint8(ico[at]) | quint8(ico[at + 1]) << 8; };
        QCOMPARE(ico.size(), 22 + 40 + 32 * 32 * 3 + 32 * 4);
        QCOMPARE(QList<int>({word(2), word(4), quint8(ico[6]), quint8(ico[7]), word(12), word(18)}),
                 QList<int>({1, 1, 32, 32, 24, 22})); // one icon, 32 x 32, 24 bits, right after the directory
        QCOMPARE(QList<int>({word(22), word(26), word(30), word(36)}), QList<int>({40, 32, 64, 24}));
        const QImage png = QImage(":/icon/kobu.png").convertToFormat(QImage::Format_ARGB32);
        const char *colour = ico.constData() + 62, *mask = colour + 32 * 32 * 3;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const int row = 31 - y;
                const bool shown = qAlpha(png.pixel(x, y)) >= 128;
                QCOMPARE(bool(mask[row * 4 + x / 8] & (0x80 >> x % 8)), !shown);
                const char *bgr = colour + (row * 32 + x) * 3;
                QCOMPARE(qRgb(quint8(bgr[2]), quint8(bgr[1]), quint8(bgr[0])),
                         shown ? png.pixel(x, y) | 0xff000000 : qRgb(0, 0, 0));
            }
    }
};

QTEST_MAIN(tst_Assets)
#include "tst_assets.moc"
