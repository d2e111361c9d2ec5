#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

// One line of the ranking file.
struct RankingEntry
{
    QString name;
    std::int32_t score = 0;

    friend bool operator==(const RankingEntry &, const RankingEntry &) = default;
};

// Rank 1 first.
using RankingTable = std::array<RankingEntry, 10>;

// The ranking file's format, as pure functions over bytes and tables.
namespace Ranking {

inline constexpr int Entries = 10;
inline constexpr int NotRanked = -1;

// Reading is bounded, so a huge or binary file costs neither memory nor time:
// at most ten lines, each at most MaxLineBytes bytes before its LF.
inline constexpr int MaxLineBytes = 4096;
inline constexpr int MaxFileBytes = Entries * (MaxLineBytes + 1);

// The longest name (in UTF-16 units) whose line still fits MaxLineBytes.
// Longer names are cut when inserted, and do not read from a file.
inline constexpr int MaxNameLength = 1000;

// "kobu" + grade + ".tmp"
QString fileName(std::int16_t grade);

// Ten entries "0" with score 0, and the file that holds them.
RankingTable freshTable();
QByteArray freshFile();

// Reads the file's lines into the table field by field; slots that no line
// fills, and fields that do not read, keep their values.
void parseInto(RankingTable &table, const QByteArray &bytes);

// Index at which a finished game's score ranks, or NotRanked.
int rankOf(const RankingTable &table, std::int32_t score);

// The table with a new entry at rankPos; the last entry drops out. The name
// is kept on one line and cut to MaxNameLength, so that it reads back.
RankingTable inserted(const RankingTable &table, int rankPos, const QString &name, std::int32_t score);

// The file's bytes for a table: ten lines, each ended by CR LF.
QByteArray render(const RankingTable &table);

} // namespace Ranking
