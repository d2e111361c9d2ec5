#include "game/bitmaps.h"

#include <QImageReader>
#include <QPixmap>

#include <array>

namespace {
constexpr std::array<int, 10> GameBitmaps{101, 102, 103, 104, 105, 106, 107, 109, 110, 111};

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
    Bitmaps bitmaps;
    for (const int number : GameBitmaps) {
        QImage picture = readPng(folder + QString::number(number));
        if (!picture.isNull())
            bitmaps.emplace(number, std::move(picture));
    }
    return bitmaps;
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
