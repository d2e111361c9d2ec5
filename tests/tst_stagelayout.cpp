#include "game/stagelayout.h"

#include <QTest>

class tst_StageLayout : public QObject
{
    Q_OBJECT
private slots:
    // The design as large as it fits whole, centred, drawn from the smallest picture variant that is only
    // ever shrunk on the screen's own pixels.
    void layout_data()
    {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<qreal>("devicePixelRatio");
        QTest::addColumn<qreal>("factor");
        QTest::addColumn<QRect>("stage");
        QTest::addColumn<int>("pictureScale");
        const QRect design(0, 0, 694, 438);
        QTest::newRow("window") << QSize(694, 438) << 1.0 << 1.0 << design << 1;
        QTest::newRow("window, dpr 1.25") << QSize(694, 438) << 1.25 << 1.0 << design << 2;
        QTest::newRow("window, dpr a hair above 2: rounding, not detail") << QSize(694, 438) << 2.0004 << 1.0 << design << 2;
        QTest::newRow("twice the design, dpr 1.5") << QSize(1388, 876) << 1.5 << 2.0 << QRect(0, 0, 1388, 876) << 3;
        QTest::newRow("2.461, bars above and below") << QSize(1708, 1080) << 1.0 << 1708 / 694.0 << QRect(0, 1, 1708, 1078) << 3;
        QTest::newRow("1080p, dpr 2") << QSize(1920, 1080) << 2.0 << 1080 / 438.0 << QRect(104, 0, 1711, 1080) << 5;
        QTest::newRow("4K, dpr 1.5: the largest there is") << QSize(3840, 2160) << 1.5 << 2160 / 438.0 << QRect(209, 0, 3422, 2160) << 5;
    }

    void layout()
    {
        QFETCH(QSize, window);
        QFETCH(qreal, devicePixelRatio);
        const StageLayout layout(window, devicePixelRatio);
        QTEST(layout.factor(), "factor");
        QTEST(layout.stageRect(), "stage");
        QTEST(layout.pictureScale(), "pictureScale");
    }
};

QTEST_MAIN(tst_StageLayout)
#include "tst_stagelayout.moc"
