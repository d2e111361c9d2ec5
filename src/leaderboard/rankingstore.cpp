#include "leaderboard/rankingstore.h"

#include "datafolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QDeadlineTimer>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QThread>

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

// Holds the lock file beside the ranking file for one save, making the
// folder first if need be. Qt finds a lock left by a crashed game by its
// process id and takes it over.
class SaveLock
{
public:
    SaveLock(const QString &rankingPath, const QString &lockPath, std::chrono::milliseconds wait)
        : m_lock(lockPath)
    {
        m_lock.setStaleLockTime(StaleLockMs);
        m_held = QDir().mkpath(QFileInfo(rankingPath).absolutePath()) && take(QDeadlineTimer(wait));
    }

    bool held() const { return m_held; }

private:
    bool take(const QDeadlineTimer &deadline)
    {
        while (!m_lock.tryLock()) {
            if (m_lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
                return false;
            QThread::msleep(QRandomGenerator::global()->bounded(1, MaxLockPauseMs + 1));
        }
        return true;
    }

    QLockFile m_lock; // unlocks when destroyed
    bool m_held = false;
};

} // namespace

bool RankingStore::createFresh() const
{
    const SaveLock lock(m_path, lockPath(), m_lockWait);
    return lock.held() && !QFileInfo::exists(m_path) && write(Ranking::freshTable());
}

RankingStore::Save RankingStore::insert(const RankingTable &table, const QString &name, std::int32_t score,
                                        bool firstGame) const
{
    Save save{SaveResult::Failed, table};
    const SaveLock lock(m_path, lockPath(), m_lockWait);
    if (!lock.held())
        return save;
    int rankPos = 0;
    switch (read(save.table)) {
    case ReadResult::Unreadable:
        return save;
    case ReadResult::Missing:
        save.table = Ranking::freshTable();
        break;
    case ReadResult::Read:
        if (!firstGame || save.table != Ranking::freshTable())
            rankPos = Ranking::rankOf(save.table, score);
        break;
    }
    if (rankPos == Ranking::NotRanked)
        save.result = SaveResult::NoLongerRanks;
    else if (write(Ranking::inserted(save.table, rankPos, name, score)))
        save.result = SaveResult::Saved;
    return save;
}

bool RankingStore::write(const RankingTable &table) const
{
    // A file that cannot be read may still hold scores: never replace it.
    QFile old(m_path);
    if (old.exists() && !openForReading(old))
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
