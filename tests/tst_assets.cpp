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
};

QTEST_MAIN(tst_Assets)
#include "tst_assets.moc"
