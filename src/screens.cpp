#include "screens.h"

#include "commandline.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

bool hasX11Display(const CommandLine &commandLine, const QProcessEnvironment &environment)
{
    return !commandLine.qtDisplay.isEmpty() || !environment.value(QStringLiteral("DISPLAY")).isEmpty();
}

// As Qt's Wayland client looks for it: the socket named by
// WAYLAND_DISPLAY, or wayland-0, in the runtime folder.
bool hasWaylandDisplay(const QProcessEnvironment &environment)
{
    QString name = environment.value(QStringLiteral("WAYLAND_DISPLAY"));
    if (name.isEmpty())
        name = QStringLiteral("wayland-0");
    if (QDir::isAbsolutePath(name))
        return QFileInfo::exists(name);
    const QString runtimeFolder = environment.value(QStringLiteral("XDG_RUNTIME_DIR"));
    return !runtimeFolder.isEmpty() && QFileInfo::exists(runtimeFolder + QLatin1Char('/') + name);
}

// One platform of Qt's list, with its own options after a colon.
bool platformAvailable(const QString &platform, const CommandLine &commandLine, const QProcessEnvironment &environment)
{
    const QString name = platform.section(QLatin1Char(':'), 0, 0);
    if (name == QStringLiteral("xcb"))
        return hasX11Display(commandLine, environment);
    if (name.startsWith(QStringLiteral("wayland")))
        return hasWaylandDisplay(environment);
    // Off-screen, frame buffers and the desktops of other systems need no display server.
    return true;
}

} // namespace

namespace Screens {

bool available(const CommandLine &commandLine, const QProcessEnvironment &environment)
{
    QString platforms = commandLine.qtPlatform;
    if (platforms.isEmpty())
        platforms = environment.value(QStringLiteral("QT_QPA_PLATFORM"));
    if (platforms.isEmpty()) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
        // Qt picks X11 or Wayland, whichever the session names.
        return hasX11Display(commandLine, environment)
            || !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty();
#else
        return true;
#endif
    }
    // A list such as "wayland;xcb" is tried in turn.
    for (const QString &platform : platforms.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (platformAvailable(platform, commandLine, environment))
            return true;
    }
    return false;
}

QString missingText()
{
    return QCoreApplication::translate("Screens", "没有可以显示游戏的屏幕。");
}

} // namespace Screens
