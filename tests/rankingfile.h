#pragma once

#include "leaderboard/rankingtable.h"

// A file exactly as the game writes it: ten lines, each a name, a comma and
// a score, that read back into the same bytes.
inline bool isWholeRankingFile(const QByteArray &bytes)
{
    RankingTable table = Ranking::freshTable();
    Ranking::parseInto(table, bytes);
    return Ranking::render(table) == bytes;
}
