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

    void scales_data()
    {
        QTest::addColumn<int>("scale");
        for (int scale = 1; scale <= LargestPictureScale; ++scale)
            QTest::addRow("%dx", scale) << scale;
    }

    // Each variant is exactly its scale times the design's picture.
    void detailedPicturesHaveTheirScale_data() { scales_data(); }
    void detailedPicturesHaveTheirScale()
    {
        QFETCH(int, scale);
        const Bitmaps design = loadBitmaps();
        const Bitmaps detailed = loadBitmaps(bitmapFolder(scale));
        QCOMPARE(detailed.size(), design.size());
        for (const auto &[number, picture] : design)
            QCOMPARE(detailed.at(number).size(), picture.size() * scale);
    }

    // Each head looks out of a white window, and no head covers the coupling
    // gap, at every scale.
    void trainWindowsAndGap_data() { scales_data(); }
    void trainWindowsAndGap()
    {
        QFETCH(int, scale);
        const QImage train(bitmapFolder(scale) + QString::number(107));
        for (int seat = 0; seat < GameRules::Seats; ++seat) {
            const int x = GameRules::seatX[seat], y = GameRules::seatY[seat];
            QVERIFY(x + 40 < 399 || x > 405);
            for (int wy = (y + 8) * scale; wy <= (y + 30) * scale; ++wy)
                for (int wx = (x + 6) * scale; wx <= (x + 28) * scale; ++wx)
                    QCOMPARE(train.pixel(wx, wy), qRgb(255, 255, 255));
        }
        for (int y = 0; y < train.height(); ++y)
            for (int x = 399 * scale; x < 406 * scale; ++x)
                QCOMPARE(train.pixel(x, y), qRgb(1, 176, 59));
    }

    // The picture is black wherever the mask lets the train show through.
    void monkeyMaskAndPictureMatch_data() { scales_data(); }
    void monkeyMaskAndPictureMatch()
    {
        QFETCH(int, scale);
        const QImage mask(bitmapFolder(scale) + QString::number(104));
        const QImage monkey(bitmapFolder(scale) + QString::number(105));
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x) {
                const QRgb m = mask.pixel(x, y);
                QVERIFY(m == qRgb(0, 0, 0) || (m == qRgb(255, 255, 255) && monkey.pixel(x, y) == qRgb(0, 0, 0)));
            }
    }

    void pictureScaleForScreen_data()
    {
        QTest::addColumn<qreal>("screenPixels");
        QTest::addColumn<int>("scale");
        QTest::newRow("window") << 1.0 << 1;
        QTest::newRow("125 %") << 1.25 << 2;
        QTest::newRow("200 %") << 2.0 << 2;
        QTest::newRow("1080p full screen") << 1080.0 / 438 << 3;
        QTest::newRow("rounding above 3") << 3.0004 << 3;
        QTest::newRow("4K full screen") << 2160.0 / 438 << 5;
        QTest::newRow("beyond the largest") << 7.5 << 5;
    }
    void pictureScaleForScreen()
    {
        QFETCH(qreal, screenPixels);
        QFETCH(int, scale);
        QCOMPARE(pictureScaleFor(screenPixels), scale);
    }
};

QTEST_MAIN(tst_Assets)
#include "tst_assets.moc"
