// The yardstick for the start-up benchmark: the least a Qt Widgets program
// must do to show a window of the game's size with a scene-sized picture or,
// with --fullscreen, a 4K picture over the whole screen.
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPixmap>

namespace {

constexpr QSize ClientSize(694, 438);
constexpr QSize PictureSize(600, 450);
constexpr QSize FullScreenPictureSize(3840, 2160);

QImage makePicture(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qRgb(x * 255 / image.width(), y * 255 / image.height(), 128);
    }
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool fullScreen = QApplication::arguments().contains(QStringLiteral("--fullscreen"));
    QLabel window;
    window.setWindowTitle(QStringLiteral("minimal"));
    window.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    window.setPixmap(QPixmap::fromImage(makePicture(fullScreen ? FullScreenPictureSize : PictureSize)));
    if (fullScreen) {
        window.showFullScreen();
    } else {
        window.setFixedSize(ClientSize);
        window.show();
    }
    return QApplication::exec();
}
