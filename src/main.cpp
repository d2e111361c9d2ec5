#include "appinfo.h"
#include "commandline.h"
#include "game/bitmaps.h"
#include "datafolder.h"
#include "game/gamewindow.h"
#include "grades/gradeselection.h"
#include "history/gamerecorder.h"
#include "history/historycommands.h"
#include "history/historystore.h"
#include "parents/parentsentrance.h"
#include "parents/preferencesineffect.h"
#include "parents/reportcommand.h"
#include "parents/whoplays.h"
#include "sound/soundplayer.h"
#include "language/translation.h"
#include "progress/knowerlevelsfile.h"
#include "screens.h"
#include "widgets/chinesefont.h"
#include "widgets/firstframe.h"

#include <QApplication>
#include <QSettings>
#include <QProcessEnvironment>
#include <QStandardPaths>

#include <cstdio>
#include <random>

int main(int argc, char *argv[])
{
    // Before the application: --help and --version need no display, and
    // without one the player is told so.
    const QStringList arguments = commandLineArguments(argc, argv);
    const CommandLine commandLine = CommandLine::parse(arguments);
    // What a parent set in the corner; the command line wins for its run.
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QLatin1String(AppInfo::Name));
    const Preferences preferences = Preferences::load(settings);
    const Language language = commandLine.language.value_or(PreferencesInEffect::languageOf(preferences));
    if (commandLine.action == CommandLine::Action::KnowerLevels) {
        const QCoreApplication console(argc, argv);
        const Translation translation(language);
        return printKnowerLevels(commandLine.knowerLevelsFile);
    }
    if (commandLine.action == CommandLine::Action::Progress || commandLine.action == CommandLine::Action::ExportCsv
        || commandLine.action == CommandLine::Action::ImportCsv) {
        const QCoreApplication console(argc, argv);
        QCoreApplication::setApplicationName(QLatin1String(AppInfo::Name));
        const Translation translation(language);
        const QString dataFolder = gameDataFolder(executableFolder());
        switch (commandLine.action) {
        case CommandLine::Action::Progress:
            return HistoryCommands::printProgress(dataFolder);
        case CommandLine::Action::ExportCsv:
            return HistoryCommands::exportCsv(dataFolder, commandLine.csvFile);
        default:
            return HistoryCommands::importCsv(dataFolder, commandLine.csvFile);
        }
    }
    if (commandLine.action == CommandLine::Action::Report) {
        // Drawn into a file: no screen is needed, whatever the desktop has.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        const QGuiApplication printer(argc, argv);
        QGuiApplication::setApplicationName(QLatin1String(AppInfo::Name));
        const Translation translation(language);
        return ReportCommand::run(gameDataFolder(executableFolder()), commandLine.reportPlayer, commandLine.reportFile);
    }
    const bool screenFound = Screens::available(commandLine, QProcessEnvironment::systemEnvironment());
    if (commandLine.action != CommandLine::Action::Play || !screenFound) {
        // Said again in the player's language, which a bare application can hold.
        const QCoreApplication console(argc, argv);
        const Translation translation(language);
        const CommandLine said = CommandLine::parse(arguments);
        const bool printed = said.action == CommandLine::Action::PrintAndExit;
        const QString text = said.action == CommandLine::Action::Play
            ? QStringLiteral("%1: %2\n").arg(QLatin1String(AppInfo::Name), Screens::missingText())
            : said.text;
        std::fputs(text.toLocal8Bit().constData(), printed ? stdout : stderr);
        return printed ? EXIT_SUCCESS : EXIT_FAILURE;
    }

    QApplication app(argc, argv);
    // The name also names the player's data folder, where an installed game keeps the scores.
    QApplication::setApplicationName(QLatin1String(AppInfo::Name));
    QApplication::setApplicationVersion(QLatin1String(AppInfo::Version));
    QGuiApplication::setDesktopFileName(QLatin1String(AppInfo::DesktopId));
    Translation translation(language);
    installChineseFontSubstitutes();

    const QString programFolder = executableFolder();
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QStringList voiceFolders = SoundLibrary::voiceFolders(dataFolder, programFolder);
    SoundPlayer sound;
    HistoryStore history;
    GameRecorder recorder(history, Languages::code(language));
    const std::uint32_t seed = std::random_device{}();
    GameWindow game(sound, recorder, programFolder, seed, loadBitmaps());
    PreferencesInEffect inEffect({game, sound, recorder, translation}, preferences, language, voiceFolders);
    ParentsEntrance parents(game, history, preferences, seed);
    parents.offerVoiceRecording(sound, SoundLibrary::voiceFolders(dataFolder, {}).first());
    const WhoPlays whoPlays(game, history);
    QObject::connect(&parents, &ParentsEntrance::preferencesChanged, &app,
                     [&settings, &inEffect](const Preferences &chosen) {
                         chosen.save(settings);
                         inEffect.change(chosen);
                     });
    const GradeSelection grades(history, commandLine.grade);
    game.setGradeChooser([&grades] { return grades.forNewGame(); });
    if (commandLine.fullScreen || preferences.fullScreen)
        game.setFullScreen(true);
    else
        game.show();
    if (commandLine.parentsCorner)
        game.openParentsCorner();
    // The leaderboard and help show the application's icon, and the game
    // never waits for the history: both come once the game is on screen.
    afterFirstFrame(game, [&history, player = commandLine.player, programFolder, voiceFolders] {
        history.open([player, programFolder, voiceFolders] {
            return HistoryWriter::Options{gameDataFolder(programFolder), player, {},
                                          PreferencesInEffect::recordedVoice(voiceFolders)};
        });
        QApplication::setWindowIcon(gameIcon({32, 256}));
    });
    return QApplication::exec();
}
