#pragma once

#include "leaderboard/rankingtable.h"

// The bytes read over the table.
inline RankingTable parsed(const QByteArray &bytes, RankingTable table = Ranking::freshTable())
{
    Ranking::parseInto(table, bytes);
    return table;
}

// A file exactly as the game writes it: ten lines, each a name, a comma and
// a score, that read back into the same bytes.
inline bool isWholeRankingFile(const QByteArray &bytes)
{
    return Ranking::render(parsed(bytes)) == bytes;
}
