#include "game/bitmaps.h"
#include "players/playerpicture.h"

#include <QtTest>

#include <set>

class tst_PlayerPictures : public QObject
{
    Q_OBJECT

private slots:
    void pictures_data()
    {
        QTest::addColumn<PlayerPicture>("picture");
        QTest::addColumn<int>("scale");
        for (const PlayerPicture picture : PlayerPictures::all)
            for (int scale = 1; scale <= LargestPictureScale; ++scale)
                QTest::addRow("%s %dx", qPrintable(PlayerPictures::code(picture)), scale) << picture << scale;
    }

    // Every animal at every scale: a round badge, see-through in the corners. A screen between two scales
    // draws it from the larger variant, at the same size on the screen.
    void pictures()
    {
        QFETCH(PlayerPicture, picture);
        QFETCH(int, scale);
        const QImage image(PlayerPictures::resource(picture, scale));
        const int side = PlayerPictures::Size * scale;
        QCOMPARE(image.size(), QSize(side, side));
        for (const QPoint corner : {QPoint(0, 0), QPoint(side - 1, 0), QPoint(0, side - 1), QPoint(side - 1, side - 1)})
            QCOMPARE(qAlpha(image.pixel(corner)), 0);
        for (const QPoint inside : {QPoint(side / 2, side / 2), QPoint(side / 8, side / 2), QPoint(side / 2, side * 7 / 8)})
            QCOMPARE(qAlpha(image.pixel(inside)), 255);
        const QPixmap drawn = PlayerPictures::pixmap(picture, scale + 0.25);
        const int variant = qMin(scale + 1, LargestPictureScale);
        QCOMPARE(drawn.size(), QSize(PlayerPictures::Size, PlayerPictures::Size) * variant);
        QCOMPARE(drawn.devicePixelRatio(), qreal(variant));
    }

    // Eight different animals, each with its own name and a code that finds it again (so no two share one).
    void animals()
    {
        std::set<QString> names;
        QList<QImage> pictures;
        for (const PlayerPicture picture : PlayerPictures::all) {
            names.insert(PlayerPictures::name(picture));
            const QImage image(PlayerPictures::resource(picture, 1));
            QVERIFY(!pictures.contains(image));
            pictures.append(image);
            QCOMPARE(PlayerPictures::fromCode(PlayerPictures::code(picture)), picture);
        }
        QCOMPARE(names.size(), PlayerPictures::all.size());
        QCOMPARE(PlayerPictures::fromCode(QStringLiteral("Cat")), std::nullopt);
    }
};

QTEST_MAIN(tst_PlayerPictures)
#include "tst_playerpictures.moc"
