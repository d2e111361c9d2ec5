#pragma once

#include <QString>

// The one folder where the game keeps its files, the ranking files and the
// history: beside the executable (programFolder, ending with a separator)
// for a game run where it was built or unpacked; the player's own data
// folder for an installed game, and when the executable's folder cannot be
// written and holds none of the game's files. Ends with a separator.
QString gameDataFolder(const QString &programFolder);

// The folder of the running executable, ending with a separator.
QString executableFolder();
