#include "leaderboard/rankingstore.h"

#include "appinfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <utility>

namespace {

// The same test a rewrite faces: can a new file be made in this folder?
bool canCreateFilesIn(const QString &folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("kobu.XXXXXX")));
    return probe.open();
}

// Only a regular file: opening a pipe that stands there would block.
bool openForReading(QFile &file)
{
    return QFileInfo(file.fileName()).isFile() && file.open(QIODevice::ReadOnly);
}

// An installed program's folder belongs to the system and to every player
// at once; a program run from where it was built or unpacked has no desktop
// entry beside it.
bool isInstalledIn(const QString &folder)
{
    return QFileInfo::exists(folder + QLatin1String(AppInfo::InstalledDesktopEntry));
}

} // namespace

QString RankingStore::resolvePath(const QString &programFolder, std::int16_t grade)
{
    const QString besideExecutable = programFolder + Ranking::fileName(grade);
    if (!isInstalledIn(programFolder) && (QFileInfo::exists(besideExecutable) || canCreateFilesIn(programFolder)))
        return besideExecutable;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QLatin1Char('/')
        + Ranking::fileName(grade);
}

RankingStore::RankingStore(QString path)
    : m_path(std::move(path))
{
}

RankingStore::ReadResult RankingStore::read(RankingTable &table) const
{
    if (!QFileInfo::exists(m_path))
        return ReadResult::Missing;
    QFile file(m_path);
    if (!openForReading(file))
        return ReadResult::Unreadable;
    const QByteArray bytes = file.read(Ranking::MaxFileBytes);
    if (file.error() != QFileDevice::NoError)
        return ReadResult::Unreadable;
    Ranking::parseInto(table, bytes);
    return ReadResult::Read;
}

bool RankingStore::write(const RankingTable &table) const
{
    // A file that cannot be read may still hold scores: never replace it.
    QFile old(m_path);
    if (old.exists() && !openForReading(old))
        return false;
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return false;
    // QSaveFile writes a new file beside the old one and renames it over,
    // so a crash or a full disk never leaves a cut table behind.
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    // Unbuffered, so a short write (a full disk) shows here: a buffered
    // flush lets it pass, and commit would rename a cut file into place.
    const QByteArray bytes = Ranking::render(table);
    if (file.write(bytes) != bytes.size())
        file.cancelWriting();
    return file.commit();
}
