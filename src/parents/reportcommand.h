#pragma once

#include <QCoreApplication>
#include <QString>

// kobu --report NAME FILE.pdf: the page a parent prints from the corner,
// written without a display.
class ReportCommand
{
    Q_DECLARE_TR_FUNCTIONS(ReportCommand)

public:
    // The exit status; a reason goes to standard error.
    static int run(const QString &dataFolder, const QString &playerName, const QString &fileName);
};
