#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

#include <array>
#include <map>

// The game window's pictures, each by its number among the embedded
// pictures (:/bitmap/<number>).
enum class Picture {
    LifeMarker = 101,
    Scene = 102,
    MonkeyGroup = 103,
    MonkeyMask = 104,
    Monkey = 105,
    Smoke = 106,
    Train = 107,
    StartButton = 109,
    HelpButton = 110,
    SoundButton = 111,
};
inline constexpr std::array<Picture, 10> AllPictures{
    Picture::LifeMarker, Picture::Scene, Picture::MonkeyGroup, Picture::MonkeyMask,  Picture::Monkey,
    Picture::Smoke,      Picture::Train, Picture::StartButton, Picture::HelpButton, Picture::SoundButton};

// The game's pictures, decoded once.
using Bitmaps = std::map<Picture, QImage>;

// Every picture the game window shows, read from <folder><number>; one that
// cannot be read is left out.
Bitmaps loadBitmaps(const QString &folder = QStringLiteral(":/bitmap/"));

// The pictures are also drawn 2 to 5 times larger, for screens with more
// pixels to the design's pixel (a 4K screen in full screen has about 5).
inline constexpr int LargestPictureScale = 5;
// The variant to draw from at a number of screen pixels per design pixel:
// the smallest at least as large, so that pictures are only ever shrunk.
int pictureScaleFor(qreal screenPixelsPerDesignPixel);
// Where the pictures of that variant are embedded, for loadBitmaps.
QString bitmapFolder(int scale);

// The game's icon at the given sizes (32 and 256 are embedded).
QIcon gameIcon(std::initializer_list<int> sizes);
