#pragma once

#include <QPixmap>
#include <QString>

#include <array>
#include <optional>

// The eight animals a player can have as their picture. The history keeps a
// player's choice by its number: never renumber them.
enum class PlayerPicture { Cat = 0, Dog = 1, Rabbit = 2, Panda = 3, Pig = 4, Frog = 5, Chick = 6, Lion = 7 };

namespace PlayerPictures {

// In the order a chooser shows them.
inline constexpr std::array<PlayerPicture, 8> all{PlayerPicture::Cat,   PlayerPicture::Dog,  PlayerPicture::Rabbit,
                                                  PlayerPicture::Panda, PlayerPicture::Pig,  PlayerPicture::Frog,
                                                  PlayerPicture::Chick, PlayerPicture::Lion};
// The size of every picture in design pixels; it is embedded 1 to 5 times larger.
inline constexpr int Size = 48;

// A word that never changes, for keeping the choice in a file: "cat".
QString code(PlayerPicture picture);
std::optional<PlayerPicture> fromCode(const QString &code);

// The animal's name in the player's language.
QString name(PlayerPicture picture);

// Where the picture is embedded at a scale of 1 to 5.
QString resource(PlayerPicture picture, int scale);
// The picture for a screen with that many pixels to the design's pixel,
// drawn from the nearest larger variant so that it stays sharp.
QPixmap pixmap(PlayerPicture picture, qreal devicePixelRatio);

} // namespace PlayerPictures
