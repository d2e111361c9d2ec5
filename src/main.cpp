#include "appinfo.h"
#include "commandline.h"
#include "game/bitmaps.h"
#include "widgets/chinesefont.h"
#include "game/gamewindow.h"
#include "game/soundplayer.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <cstdio>
#include <random>

int main(int argc, char *argv[])
{
    // Before the application: --help and --version need no display.
    const CommandLine commandLine = CommandLine::parse(commandLineArguments(argc, argv));
    if (commandLine.action != CommandLine::Action::Play) {
        const bool printed = commandLine.action == CommandLine::Action::PrintAndExit;
        std::fputs(commandLine.text.toLocal8Bit().constData(), printed ? stdout : stderr);
        return printed ? EXIT_SUCCESS : EXIT_FAILURE;
    }

    QApplication app(argc, argv);
    // The name also names the player's data folder, where an installed game keeps the scores.
    QApplication::setApplicationName(QLatin1String(AppInfo::Name));
    QApplication::setApplicationVersion(QLatin1String(AppInfo::Version));
    QGuiApplication::setDesktopFileName(QLatin1String(AppInfo::DesktopId));
    installChineseFontSubstitutes();

    SoundPlayer sound;
    GameWindow game(sound, QDir(QApplication::applicationDirPath()).absolutePath() + QDir::separator(),
                    std::random_device{}(), loadBitmaps());
    if (commandLine.fullScreen)
        game.setFullScreen(true);
    else
        game.show();
    // The leaderboard and help show the application's icon; it can wait
    // until the game is on screen.
    QTimer::singleShot(0, &app, [] { QApplication::setWindowIcon(gameIcon({32, 256})); });
    return QApplication::exec();
}
