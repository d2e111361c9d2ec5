#pragma once

#include "leaderboard/rankingtable.h"

#include <QString>

#include <chrono>
#include <cstdint>

// The thin layer between the ranking table and the disk. Two games may
// share one file: everything that writes it holds a lock file beside it.
class RankingStore
{
public:
    // Long enough for any other game's save, which takes milliseconds;
    // short enough that a window waiting for it never seems to hang.
    static constexpr std::chrono::milliseconds LockWait{3000};

    enum class ReadResult {
        Read,       // the table was filled from the file
        Missing,    // there is no file: the caller creates a fresh one
        Unreadable, // a file is there but cannot be read: leave it alone
    };

    // Whatever fails, the file is left as it was.
    enum class SaveResult {
        Saved,          // the file holds the new entry
        NoLongerRanks,  // other games' scores pushed it out: nothing was written
        Busy,           // another game held the lock all the while: trying again may help
        Unreadable,     // the file is there but cannot be read
        LockNotAFile,   // a folder, a pipe or the like stands where the lock file goes
        FolderReadOnly, // no file can be made in the file's folder
        WriteFailed,    // the new file could not be written, as on a full disk
    };

    struct Save
    {
        SaveResult result;
        RankingTable table; // the file as it was found, without the new entry
    };

    // The ranking file in the game's data folder (see gameDataFolder).
    static QString resolvePath(const QString &programFolder, std::int16_t grade);

    explicit RankingStore(QString path, std::chrono::milliseconds lockWait = LockWait);

    const QString &path() const { return m_path; }
    QString lockPath() const;

    // Reads at most what ten bounded lines need.
    ReadResult read(RankingTable &table) const;

    // Writes the fresh file unless another game has made one meanwhile.
    SaveResult createFresh() const;

    // Under the lock: reads the file as it is now into a copy of `table`
    // (slots a short file does not fill keep those values), puts the entry
    // where it ranks there and writes the file. A first game, for which the
    // file was made fresh, ranks first while no other game has written.
    // Waits for the lock up to the store's lock wait: never on the interface thread.
    Save insert(const RankingTable &table, const QString &name, std::int32_t score, bool firstGame) const;

private:
    SaveResult write(const RankingTable &table) const;

    QString m_path;
    std::chrono::milliseconds m_lockWait;
};
