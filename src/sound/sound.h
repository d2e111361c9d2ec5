#pragma once

#include <QString>

#include <optional>

// The game's sounds, each by its number among the embedded sounds
// (:/wav/<number>).
enum class Sound {
    Number1 = 101, // the numbers 1 to 10, spoken, in order
    Number10 = 110,
    Miss = 111,
    Departure = 112,
    Leaderboard = 113,
};

namespace Sounds {

inline constexpr int FirstNumber = 1;
inline constexpr int LastNumber = 10;

// The number n spoken, for n from 1 to 10.
constexpr Sound spokenNumber(int n)
{
    return Sound(int(Sound::Number1) + n - FirstNumber);
}

// The number a sound speaks; empty for the other sounds.
constexpr std::optional<int> numberSpoken(Sound sound)
{
    if (sound < Sound::Number1 || sound > Sound::Number10)
        return std::nullopt;
    return int(sound) - int(Sound::Number1) + FirstNumber;
}

// Its file name in a folder of embedded sounds.
inline QString fileName(Sound sound)
{
    return QString::number(int(sound));
}

} // namespace Sounds
