#include "game/bitmaps.h"

#include <QImageReader>
#include <QPixmap>

#include <algorithm>
#include <array>
#include <cmath>
#include <future>

namespace {

// Told it is a PNG and not to guess, the reader does not load every image
// plugin Qt has to ask each whether it knows the data.
QImage readPng(const QString &fileName)
{
    QImageReader reader(fileName, "PNG");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace

Bitmaps loadBitmaps(const QString &folder)
{
    const auto fileName = [&folder](Picture picture) { return folder + QString::number(int(picture)); };
    // The scene alone is as much work as all the others: it decodes on a
    // second core meanwhile, so the window shows sooner.
    std::future<QImage> scene = std::async(std::launch::async, readPng, fileName(Picture::Scene));
    Bitmaps bitmaps;
    const auto keep = [&bitmaps](Picture picture, QImage image) {
        if (!image.isNull())
            bitmaps.emplace(picture, std::move(image));
    };
    for (const Picture picture : AllPictures) {
        if (picture != Picture::Scene)
            keep(picture, readPng(fileName(picture)));
    }
    keep(Picture::Scene, scene.get());
    return bitmaps;
}

int pictureScaleFor(qreal screenPixelsPerDesignPixel)
{
    // A hair over a whole number is the whole number: rounding, not detail.
    constexpr qreal Tolerance = 1e-3;
    return std::clamp(int(std::ceil(screenPixelsPerDesignPixel - Tolerance)), 1, LargestPictureScale);
}

QString bitmapFolder(int scale)
{
    return scale == 1 ? QStringLiteral(":/bitmap/") : QStringLiteral(":/bitmap/%1x/").arg(scale);
}

QIcon gameIcon(std::initializer_list<int> sizes)
{
    QIcon icon;
    for (const int size : sizes) {
        const QString name = size == 32 ? QStringLiteral(":/icon/kobu.png") : QStringLiteral(":/icon/kobu-%1.png").arg(size);
        icon.addPixmap(QPixmap::fromImage(readPng(name)));
    }
    return icon;
}
