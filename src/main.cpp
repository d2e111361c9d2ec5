#include "game/bitmaps.h"
#include "game/chinesefont.h"
#include "game/gamewindow.h"
#include "game/soundplayer.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

#include <random>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kobu"));
    QIcon icon(QStringLiteral(":/icon/kobu.png"));
    icon.addFile(QStringLiteral(":/icon/kobu-256.png"));
    QApplication::setWindowIcon(icon);
    installChineseFontSubstitutes();

    SoundPlayer sound;
    GameWindow game(sound, QDir(QApplication::applicationDirPath()).absolutePath() + QDir::separator(),
                    std::random_device{}(), loadBitmaps());
    game.show();
    return QApplication::exec();
}
