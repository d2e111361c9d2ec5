#include "game/picturebox.h"

#include <QSignalSpy>
#include <QTest>

#include <random>

class tst_PictureBox : public QObject
{
    Q_OBJECT

private slots:
    void autoSizeFollowsThePicture();
    void andThenXorShowsTheSpriteOnly();
    void clearingRestoresTheBarePicture();
    void mouseDownKeepsFractions_data();
    void mouseDownKeepsFractions();
    void disabledBoxIgnoresTheMouse();
    void clickNeedsPressAndReleaseInside();
};

namespace {

QImage randomPicture(QSize size, std::uint32_t seed)
{
    std::mt19937 generator(seed);
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, 0xff000000u | (generator() & 0xffffffu));
    return image;
}

// A ring-shaped sprite: mask black inside the ring, picture black outside it.
struct Sprite
{
    QImage mask;
    QImage picture;
};

Sprite ringSprite()
{
    Sprite sprite{QImage(12, 10, QImage::Format_RGB32), QImage(12, 10, QImage::Format_RGB32)};
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 12; ++x) {
            const bool inside = (x - 6) * (x - 6) + (y - 5) * (y - 5) <= 16;
            sprite.mask.setPixel(x, y, inside ? 0xff000000u : 0xffffffffu);
            sprite.picture.setPixel(x, y, inside ? qRgb(200, 100 + x, 50 + y) : 0xff000000u);
        }
    }
    return sprite;
}

void sendMouse(QWidget &widget, QEvent::Type type, QPointF position)
{
    QMouseEvent event(type, position, widget.mapToGlobal(position), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

} // namespace

void tst_PictureBox::autoSizeFollowsThePicture()
{
    PictureBox box;
    box.resize(33, 33);
    box.setPicture(QImage(50, 35, QImage::Format_RGB888));
    QCOMPARE(box.size(), QSize(50, 35));

    PictureBox fixed;
    fixed.setAutoSize(false);
    fixed.resize(601, 441);
    fixed.setPicture(QImage(600, 450, QImage::Format_RGB888));
    QCOMPARE(fixed.size(), QSize(601, 441));
}

void tst_PictureBox::andThenXorShowsTheSpriteOnly()
{
    const QImage background = randomPicture(QSize(40, 30), 7);
    const Sprite sprite = ringSprite();
    const QPoint place(9, 13); // the sprite hangs over the bottom edge
    PictureBox box;
    box.setPicture(background);

    box.paintPicture(sprite.mask, place, QPainter::RasterOp_SourceAndDestination);
    box.paintPicture(sprite.picture, place, QPainter::RasterOp_SourceXorDestination);
    // Painting the same place again gives the same picture.
    box.paintPicture(sprite.mask, place, QPainter::RasterOp_SourceAndDestination);
    box.paintPicture(sprite.picture, place, QPainter::RasterOp_SourceXorDestination);

    for (int y = 0; y < background.height(); ++y) {
        for (int x = 0; x < background.width(); ++x) {
            const QPoint inSprite = QPoint(x, y) - place;
            const bool inside = sprite.mask.rect().contains(inSprite) && qRed(sprite.mask.pixel(inSprite)) == 0;
            const QRgb expected = inside ? sprite.picture.pixel(inSprite) : background.pixel(x, y);
            QCOMPARE(box.surface().pixel(x, y), expected);
        }
    }
}

void tst_PictureBox::clearingRestoresTheBarePicture()
{
    const QImage background = randomPicture(QSize(20, 20), 3);
    const Sprite sprite = ringSprite();
    PictureBox box;
    box.setPicture(background);
    box.paintPicture(sprite.mask, QPoint(2, 2), QPainter::RasterOp_SourceAndDestination);
    QVERIFY(box.surface() != background);

    box.clearDrawing();
    QCOMPARE(box.surface(), background);
    box.move(100, 0);
    QCOMPARE(box.surface(), background);
}

void tst_PictureBox::mouseDownKeepsFractions_data()
{
    QTest::addColumn<QPointF>("position");
    QTest::newRow("just left of 400") << QPointF(399.9, 10.25);
    QTest::newRow("exactly 400") << QPointF(400.0, 76.0);
    QTest::newRow("origin") << QPointF(0.0, 0.0);
}

void tst_PictureBox::mouseDownKeepsFractions()
{
    QFETCH(QPointF, position);
    PictureBox box;
    box.setPicture(QImage(480, 77, QImage::Format_RGB32));
    QSignalSpy downs(&box, &PictureBox::mouseDown);

    sendMouse(box, QEvent::MouseButtonPress, position);

    QCOMPARE(downs.size(), 1);
    QCOMPARE(downs.at(0).at(0).value<Qt::MouseButton>(), Qt::LeftButton);
    QCOMPARE(downs.at(0).at(1).toPointF(), position);
}

void tst_PictureBox::disabledBoxIgnoresTheMouse()
{
    QWidget window;
    auto *box = new PictureBox(&window);
    box->setPicture(QImage(50, 42, QImage::Format_RGB32));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(box, &PictureBox::clicked);
    QSignalSpy downs(box, &PictureBox::mouseDown);

    box->setEnabled(false);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(clicks.size(), 0);
    QCOMPARE(downs.size(), 0);

    box->setEnabled(true);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(downs.size(), 1);
}

void tst_PictureBox::clickNeedsPressAndReleaseInside()
{
    PictureBox box;
    box.setPicture(QImage(50, 35, QImage::Format_RGB32));
    QSignalSpy clicks(&box, &PictureBox::clicked);

    sendMouse(box, QEvent::MouseButtonPress, QPointF(5, 5));
    sendMouse(box, QEvent::MouseButtonRelease, QPointF(80, 5));
    QCOMPARE(clicks.size(), 0);

    sendMouse(box, QEvent::MouseButtonPress, QPointF(5, 5));
    sendMouse(box, QEvent::MouseButtonRelease, QPointF(6, 7));
    QCOMPARE(clicks.size(), 1);
}

QTEST_MAIN(tst_PictureBox)
#include "tst_picturebox.moc"
