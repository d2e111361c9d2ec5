#include "players/playerpicture.h"

#include "game/bitmaps.h"

#include <QCoreApplication>
#include <QImageReader>

namespace {

struct Animal
{
    PlayerPicture picture;
    const char *code;
    const char *name;
};

const std::array<Animal, 8> Animals{{
    {PlayerPicture::Cat, "cat", QT_TRANSLATE_NOOP("PlayerPictures", "小猫")},
    {PlayerPicture::Dog, "dog", QT_TRANSLATE_NOOP("PlayerPictures", "小狗")},
    {PlayerPicture::Rabbit, "rabbit", QT_TRANSLATE_NOOP("PlayerPictures", "小兔")},
    {PlayerPicture::Panda, "panda", QT_TRANSLATE_NOOP("PlayerPictures", "熊猫")},
    {PlayerPicture::Pig, "pig", QT_TRANSLATE_NOOP("PlayerPictures", "小猪")},
    {PlayerPicture::Frog, "frog", QT_TRANSLATE_NOOP("PlayerPictures", "青蛙")},
    {PlayerPicture::Chick, "chick", QT_TRANSLATE_NOOP("PlayerPictures", "小鸡")},
    {PlayerPicture::Lion, "lion", QT_TRANSLATE_NOOP("PlayerPictures", "狮子")},
}};

const Animal &animal(PlayerPicture picture)
{
    return Animals.at(std::size_t(picture));
}

} // namespace

namespace PlayerPictures {

QString code(PlayerPicture picture)
{
    return QLatin1String(animal(picture).code);
}

std::optional<PlayerPicture> fromCode(const QString &code)
{
    for (const Animal &each : Animals) {
        if (code == QLatin1String(each.code))
            return each.picture;
    }
    return std::nullopt;
}

QString name(PlayerPicture picture)
{
    return QCoreApplication::translate("PlayerPictures", animal(picture).name);
}

QString resource(PlayerPicture picture, int scale)
{
    const QString folder = scale == 1 ? QString() : QStringLiteral("%1x/").arg(scale);
    return QStringLiteral(":/player/%1%2.png").arg(folder, code(picture));
}

QPixmap pixmap(PlayerPicture picture, qreal devicePixelRatio)
{
    const int scale = pictureScaleFor(devicePixelRatio);
    QImageReader reader(resource(picture, scale), "PNG");
    reader.setAutoDetectImageFormat(false);
    QPixmap drawn = QPixmap::fromImage(reader.read());
    drawn.setDevicePixelRatio(scale);
    return drawn;
}

} // namespace PlayerPictures
