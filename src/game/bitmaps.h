#pragma once

#include <QImage>
#include <QString>

#include <map>

// The game's pictures by number, decoded once.
using Bitmaps = std::map<int, QImage>;

// Every picture the game window shows, read from <folder><number>; one that
// cannot be read is left out.
Bitmaps loadBitmaps(const QString &folder = QStringLiteral(":/bitmap/"));
