#pragma once

#include <QString>

class HistoryDatabase;

// What the command line does with the history, with no display: each
// prints to standard output or says why not on standard error, and
// returns the exit status.
namespace HistoryCommands {

// The exit status of a file that cannot be read, written or taken.
inline constexpr int Refused = 2;

// For each player: games, questions, knower level and first-try accuracy
// per number; and whether the history was damaged or cannot be written.
QString progressText(HistoryDatabase &history);
int printProgress(const QString &dataFolder);

// fileName "-" is standard output.
int exportCsv(const QString &dataFolder, const QString &fileName);
// The whole file or nothing.
int importCsv(const QString &dataFolder, const QString &fileName);

} // namespace HistoryCommands
