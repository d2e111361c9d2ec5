#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

#include <map>

// The game's pictures by number, decoded once.
using Bitmaps = std::map<int, QImage>;

// Every picture the game window shows, read from <folder><number>; one that
// cannot be read is left out.
Bitmaps loadBitmaps(const QString &folder = QStringLiteral(":/bitmap/"));

// The game's icon at the given sizes (32 and 256 are embedded).
QIcon gameIcon(std::initializer_list<int> sizes);
