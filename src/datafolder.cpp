#include "datafolder.h"

#include "appinfo.h"
#include "history/historydatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <algorithm>

namespace {

// The same test a rewrite faces: can a new file be made in this folder?
bool canCreateFilesIn(const QString &folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("kobu.XXXXXX")));
    return probe.open();
}

// The ranking files of every grade, and the history. Compared by hand: a
// name filter would build a regular expression at every start.
bool holdsGameFiles(const QString &folder)
{
    const QStringList names = QDir(folder).entryList(QDir::Files);
    return std::any_of(names.begin(), names.end(), [](const QString &name) {
        return (name.startsWith(u"kobu", Qt::CaseInsensitive) && name.endsWith(u".tmp", Qt::CaseInsensitive))
            || name.compare(QLatin1String(HistoryDatabase::FileName), Qt::CaseInsensitive) == 0;
    });
}

// An installed program's folder belongs to the system and to every player
// at once; a program run from where it was built or unpacked has no desktop
// entry beside it.
bool isInstalledIn(const QString &folder)
{
    return QFileInfo::exists(folder + QLatin1String(AppInfo::InstalledDesktopEntry));
}

} // namespace

QString gameDataFolder(const QString &programFolder)
{
    if (!isInstalledIn(programFolder) && (holdsGameFiles(programFolder) || canCreateFilesIn(programFolder)))
        return programFolder;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QLatin1Char('/');
}

QString executableFolder()
{
    return QDir(QCoreApplication::applicationDirPath()).absolutePath() + QDir::separator();
}
