#pragma once

#include "leaderboard/rankingtable.h"

#include <QString>

#include <cstdint>

// The thin layer between the ranking table and the disk.
class RankingStore
{
public:
    enum class ReadResult {
        Read,       // the table was filled from the file
        Missing,    // there is no file: the caller creates a fresh one
        Unreadable, // a file is there but cannot be read: leave it alone
    };

    // The ranking file beside the executable (programFolder ends with a separator);
    // the player's own data folder instead for an installed game, and when
    // the executable's folder cannot be written and holds no ranking file.
    static QString resolvePath(const QString &programFolder, std::int16_t grade);

    explicit RankingStore(QString path);

    const QString &path() const { return m_path; }

    // Reads at most what ten bounded lines need.
    ReadResult read(RankingTable &table) const;

    // Writes the table as a whole new file, atomically; false when the old
    // file (if any) is left as it was.
    bool write(const RankingTable &table) const;

private:
    QString m_path;
};
