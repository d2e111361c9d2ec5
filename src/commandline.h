#pragma once

#include "language/language.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

// What the player asked for on the command line. Read before the
// application exists, so that --help and --version work without a display.
// Qt's own options are taken too (QApplication uses them): a desktop's
// session restore passes -session, for one.
struct CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Action {
        Play,         // start the game with the options below
        PrintAndExit, // text goes to standard output, the exit status is 0
        Fail,         // text goes to standard error, the exit status is not 0
        KnowerLevels, // the knower levels of knowerLevelsFile go to standard output
        Progress,     // every player's progress goes to standard output
        ExportCsv,    // the history goes to csvFile ("-": standard output)
        ImportCsv,    // csvFile's judgements join the history
        Report,       // reportPlayer's one-page report is written to reportFile, with no display
    };

    Action action = Action::Play;
    QString text{};
    bool fullScreen = false;
    std::optional<Language> language{}; // empty: the desktop's
    bool parentsCorner = false;
    std::optional<QString> player{}; // play as them; empty: the last player
    std::optional<int> grade{};      // empty: the player's own, chosen in the parents' corner
    QString knowerLevelsFile{};
    QString csvFile{};
    QString reportPlayer{};
    QString reportFile{};
    // Where Qt is told to open windows (-platform, and -display for X11); empty when not told.
    QString qtPlatform{};
    QString qtDisplay{};

    // arguments[0] is the program itself. The texts are in the language
    // whose translation is installed.
    static CommandLine parse(const QStringList &arguments);
};

QStringList commandLineArguments(int argc, const char *const *argv);
