#include "game/picturebox.h"

#include <QSignalSpy>
#include <QTest>

#include <random>

class tst_PictureBox : public QObject
{
    Q_OBJECT

private slots:
    void autoSize();
    void paintedSpriteStaysUntilCleared();
    void mouse();
};

namespace {

void sendMouse(QWidget &widget, QEvent::Type type, QPointF position)
{
    QMouseEvent event(type, position, widget.mapToGlobal(position), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

} // namespace

void tst_PictureBox::autoSize()
{
    PictureBox sized;
    sized.resize(33, 33);
    sized.setPicture(QImage(50, 35, QImage::Format_RGB888));
    QCOMPARE(sized.size(), QSize(50, 35));

    PictureBox fixed;
    fixed.setAutoSize(false);
    fixed.resize(601, 441);
    fixed.setPicture(QImage(600, 450, QImage::Format_RGB888));
    QCOMPARE(fixed.size(), QSize(601, 441));
}

void tst_PictureBox::paintedSpriteStaysUntilCleared()
{
    // A random background and a ring: mask black inside, picture black outside.
    std::mt19937 generator(7);
    QImage background(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < background.height(); ++y)
        for (int x = 0; x < background.width(); ++x)
            background.setPixel(x, y, 0xff000000u | (generator() & 0xffffffu));
    QImage mask(12, 10, QImage::Format_RGB32);
    QImage picture(12, 10, QImage::Format_RGB32);
    const auto inRing = [](int x, int y) { return (x - 6) * (x - 6) + (y - 5) * (y - 5) <= 16; };
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 12; ++x) {
            mask.setPixel(x, y, inRing(x, y) ? 0xff000000u : 0xffffffffu);
            picture.setPixel(x, y, inRing(x, y) ? qRgb(200, 100 + x, 50 + y) : 0xff000000u);
        }
    }
    const QPoint place(33, 23); // hangs over the right and bottom edges
    PictureBox box;
    box.setPicture(background);

    // Twice at the same place gives the same picture as once.
    for (int i = 0; i < 2; ++i) {
        box.paintPicture(mask, place, QPainter::RasterOp_SourceAndDestination);
        box.paintPicture(picture, place, QPainter::RasterOp_SourceXorDestination);
    }
    box.move(100, 0);
    for (int y = 0; y < background.height(); ++y) {
        for (int x = 0; x < background.width(); ++x) {
            const QPoint p = QPoint(x, y) - place;
            const bool inside = mask.rect().contains(p) && inRing(p.x(), p.y());
            QCOMPARE(box.surface().pixel(x, y), inside ? picture.pixel(p) : background.pixel(x, y));
        }
    }

    box.clearDrawing();
    QCOMPARE(box.surface(), background);
}

void tst_PictureBox::mouse()
{
    QWidget window;
    auto *box = new PictureBox(&window);
    box->setPicture(QImage(480, 77, QImage::Format_RGB32));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy downs(box, &PictureBox::mouseDown);
    QSignalSpy clicks(box, &PictureBox::clicked);

    // Positions keep their fractions: 399.9 is not 400.
    sendMouse(*box, QEvent::MouseButtonPress, QPointF(399.9, 10.25));
    QCOMPARE(downs.at(0).at(0).value<Qt::MouseButton>(), Qt::LeftButton);
    QCOMPARE(downs.at(0).at(1).toPointF(), QPointF(399.9, 10.25));

    // A click is a press and a release inside the box.
    sendMouse(*box, QEvent::MouseButtonRelease, QPointF(500, 5));
    QCOMPARE(clicks.size(), 0);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(clicks.size(), 1);

    // A disabled box ignores the mouse.
    box->setEnabled(false);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(downs.size(), 2);
    QCOMPARE(clicks.size(), 1);
}

QTEST_MAIN(tst_PictureBox)
#include "tst_picturebox.moc"
