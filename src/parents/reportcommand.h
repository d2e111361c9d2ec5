#pragma once

#include <QString>

// kobu --report NAME FILE.pdf: the page a parent prints from the corner,
// written without a display. Returns the exit status; a reason goes to
// standard error.
int writeReportCommand(const QString &dataFolder, const QString &playerName, const QString &fileName);
