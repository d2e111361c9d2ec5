#include "game/bitmaps.h"
#include "game/gamerules.h"

#include <QImage>
#include <QtTest>

const QString Bitmap = QStringLiteral(":/bitmap/%1");

class tst_Assets : public QObject
{
    Q_OBJECT

private slots:
    void everyPictureIsThere() { QCOMPARE(loadBitmaps().size(), std::size_t(10)); }

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
