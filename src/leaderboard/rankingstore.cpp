#include "leaderboard/rankingstore.h"

#include "datafolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QDeadlineTimer>
#include <QLockFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>
#include <QThread>

#include <optional>
#include <utility>

namespace {

// A lock whose holder has died is taken over at once: its process id no
// longer runs. This age is for a lock that names no holder, left empty by
// a game killed between making it and writing its id, or made on another
// computer sharing the folder. A save takes milliseconds, and Qt never
// takes over a lock whose holder still holds the file.
constexpr int StaleLockMs = 1000;
// Short, random pauses between tries: games that found the lock taken at
// the same moment must not all wake up together again.
constexpr int MaxLockPauseMs = 20;

// Another program rewriting the file in place may hand a reader half of
// it: a read that saw the size change is repeated, a few times at most.
constexpr int ReadAttempts = 5;
constexpr unsigned long ReadRetryPauseMs = 10;

// Only a regular file: opening a pipe that stands there would block.
bool openForReading(QFile &file)
{
    return QFileInfo(file.fileName()).isFile() && file.open(QIODevice::ReadOnly);
}

} // namespace

QString RankingStore::resolvePath(const QString &programFolder, std::int16_t grade)
{
    return gameDataFolder(programFolder) + Ranking::fileName(grade);
}

RankingStore::RankingStore(QString path, std::chrono::milliseconds lockWait)
    : m_path(std::move(path))
    , m_lockWait(lockWait)
{
}

QString RankingStore::lockPath() const
{
    return m_path + QStringLiteral(".lock");
}

RankingStore::ReadResult RankingStore::read(RankingTable &table) const
{
    if (!QFileInfo::exists(m_path))
        return ReadResult::Missing;
    QFile file(m_path);
    if (!openForReading(file))
        return ReadResult::Unreadable;
    for (int attempt = 0; attempt < ReadAttempts; ++attempt) {
        if (attempt > 0)
            QThread::msleep(ReadRetryPauseMs);
        const qint64 sizeBefore = file.size();
        if (!file.seek(0))
            return ReadResult::Unreadable;
        const QByteArray bytes = file.read(Ranking::MaxFileBytes);
        if (file.error() != QFileDevice::NoError)
            return ReadResult::Unreadable;
        if (file.size() == sizeBefore && bytes.size() == qMin(sizeBefore, qint64(Ranking::MaxFileBytes))) {
            Ranking::parseInto(table, bytes);
            return ReadResult::Read;
        }
    }
    return ReadResult::Unreadable;
}

namespace {

using SaveResult = RankingStore::SaveResult;

// Only a regular file can be a lock: Qt would wait for ever to read a
// pipe there, and wait out its time over a folder. Whatever it is, it is
// not ours to delete.
bool standsInTheWay(const QString &path)
{
    // All from one look: other games make and remove their locks all the time.
    QFileInfo info(path);
    info.stat();
    return (info.exists() || info.isSymLink()) && !info.isFile();
}

// Qt guards the removal of a dead game's lock with a second lock file,
// which it takes over from a dead holder only after half a minute when the
// holder died before writing its process id. Such an empty one is as stale
// as ours: taken over the same way, it is then let go.
void clearStaleRemovalLock(const QString &lockPath)
{
    const QString removalLockPath = lockPath + QStringLiteral(".rmlock");
    if (!QFileInfo(removalLockPath).isFile())
        return;
    QLockFile removalLock(removalLockPath);
    removalLock.setStaleLockTime(StaleLockMs);
    removalLock.tryLock(0);
}

// Holds the lock file beside the ranking file for one save, making the
// folder first if need be. Qt finds a lock left by a crashed game by its
// process id and takes it over.
class SaveLock
{
public:
    SaveLock(const QString &rankingPath, const QString &lockPath, std::chrono::milliseconds wait)
        : m_lockPath(lockPath)
        , m_lock(lockPath)
    {
        m_lock.setStaleLockTime(StaleLockMs);
        if (!QDir().mkpath(QFileInfo(rankingPath).absolutePath()))
            m_failure = SaveResult::FolderReadOnly;
        else
            m_failure = take(QDeadlineTimer(wait));
    }

    // Empty while the lock is held.
    std::optional<SaveResult> failure() const { return m_failure; }

private:
    std::optional<SaveResult> take(const QDeadlineTimer &deadline)
    {
        for (;;) {
            if (standsInTheWay(m_lockPath) || standsInTheWay(m_lockPath + QStringLiteral(".rmlock")))
                return SaveResult::LockNotAFile;
            if (m_lock.tryLock())
                return std::nullopt;
            switch (m_lock.error()) {
            case QLockFile::PermissionError:
                return SaveResult::FolderReadOnly;
            case QLockFile::UnknownError:
                return SaveResult::WriteFailed;
            default:
                break;
            }
            if (deadline.hasExpired())
                return SaveResult::Busy;
            clearStaleRemovalLock(m_lockPath);
            QThread::msleep(QRandomGenerator::global()->bounded(1, MaxLockPauseMs + 1));
        }
    }

    const QString m_lockPath;
    QLockFile m_lock; // unlocks when destroyed
    std::optional<SaveResult> m_failure;
};

// A game killed between linking its new file and renaming it over the old
// one leaves the whole new file under the name QSaveFile made for it: the
// ranking file's name and six random letters. Removed under the lock, when
// no other game's save can be under way.
void removeUnfinishedSaves(const QString &path)
{
    const QFileInfo file(path);
    const QRegularExpression unfinished(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(file.fileName()) + QStringLiteral("\\.[A-Za-z0-9]{6}")));
    const QDir folder = file.absoluteDir();
    for (const QFileInfo &entry : folder.entryInfoList({file.fileName() + QStringLiteral(".*")},
                                                       QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
        if (unfinished.match(entry.fileName()).hasMatch())
            QFile::remove(entry.absoluteFilePath());
    }
}

} // namespace

RankingStore::SaveResult RankingStore::createFresh() const
{
    const SaveLock lock(m_path, lockPath(), m_lockWait);
    if (lock.failure())
        return *lock.failure();
    removeUnfinishedSaves(m_path);
    return QFileInfo::exists(m_path) ? SaveResult::Saved : write(Ranking::freshTable());
}

RankingStore::Save RankingStore::insert(const RankingTable &table, const QString &name, std::int32_t score,
                                        bool firstGame) const
{
    Save save{SaveResult::Busy, table};
    const SaveLock lock(m_path, lockPath(), m_lockWait);
    if (lock.failure()) {
        save.result = *lock.failure();
        return save;
    }
    removeUnfinishedSaves(m_path);
    int rankPos = 0;
    switch (read(save.table)) {
    case ReadResult::Unreadable:
        save.result = SaveResult::Unreadable;
        return save;
    case ReadResult::Missing:
        save.table = Ranking::freshTable();
        break;
    case ReadResult::Read:
        if (!firstGame || save.table != Ranking::freshTable())
            rankPos = Ranking::rankOf(save.table, score);
        break;
    }
    save.result = rankPos == Ranking::NotRanked ? SaveResult::NoLongerRanks
                                                : write(Ranking::inserted(save.table, rankPos, name, score));
    return save;
}

RankingStore::SaveResult RankingStore::write(const RankingTable &table) const
{
    // A file that cannot be read may still hold scores: never replace it.
    QFile old(m_path);
    if (old.exists() && !openForReading(old))
        return SaveResult::Unreadable;
    // QSaveFile writes a new file beside the old one and renames it over,
    // so a crash or a full disk never leaves a cut table behind.
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.error() == QFileDevice::PermissionsError ? SaveResult::FolderReadOnly : SaveResult::WriteFailed;
    // Unbuffered, so a short write (a full disk) shows here: a buffered
    // flush lets it pass, and commit would rename a cut file into place.
    const QByteArray bytes = Ranking::render(table);
    if (file.write(bytes) != bytes.size())
        file.cancelWriting();
    return file.commit() ? SaveResult::Saved : SaveResult::WriteFailed;
}
