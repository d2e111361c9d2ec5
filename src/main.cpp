#include "game/bitmaps.h"
#include "game/chinesefont.h"
#include "game/gamewindow.h"
#include "game/soundplayer.h"

#include <QApplication>
#include <QDir>

#include <random>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kobu"));
    QApplication::setWindowIcon(gameIcon({32, 256}));
    installChineseFontSubstitutes();

    SoundPlayer sound;
    GameWindow game(sound, QDir(QApplication::applicationDirPath()).absolutePath() + QDir::separator(),
                    std::random_device{}(), loadBitmaps());
    game.show();
    return QApplication::exec();
}
