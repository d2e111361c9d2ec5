#include "game/bitmaps.h"

#include <array>

namespace {
constexpr std::array<int, 10> GameBitmaps{101, 102, 103, 104, 105, 106, 107, 109, 110, 111};
}

Bitmaps loadBitmaps(const QString &folder)
{
    Bitmaps bitmaps;
    for (const int number : GameBitmaps) {
        // The format is named: guessing it would load every image plugin.
        QImage picture(folder + QString::number(number), "PNG");
        if (!picture.isNull())
            bitmaps.emplace(number, std::move(picture));
    }
    return bitmaps;
}
