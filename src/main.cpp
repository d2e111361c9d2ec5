#include "appinfo.h"
#include "game/bitmaps.h"
#include "widgets/chinesefont.h"
#include "game/gamewindow.h"
#include "game/soundplayer.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <random>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The name also names the player's data folder, where an installed game keeps the scores.
    QApplication::setApplicationName(QLatin1String(AppInfo::Name));
    QApplication::setApplicationVersion(QLatin1String(AppInfo::Version));
    QGuiApplication::setDesktopFileName(QLatin1String(AppInfo::DesktopId));
    installChineseFontSubstitutes();

    SoundPlayer sound;
    GameWindow game(sound, QDir(QApplication::applicationDirPath()).absolutePath() + QDir::separator(),
                    std::random_device{}(), loadBitmaps());
    game.show();
    // The leaderboard and help show the application's icon; it can wait
    // until the game is on screen.
    QTimer::singleShot(0, &app, [] { QApplication::setWindowIcon(gameIcon({32, 256})); });
    return QApplication::exec();
}
