// Feeds arbitrary bytes to the ranking file's reader and checks that what it
// reads is written back and read again unchanged.
#include "leaderboard/rankingtable.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// Slots that a file does not fill keep these values.
RankingTable startingTable()
{
    RankingTable table;
    for (int i = 0; i < Ranking::Entries; ++i)
        table[i] = RankingEntry{QStringLiteral("slot%1").arg(i), -i};
    return table;
}

RankingTable parsed(RankingTable table, const QByteArray &bytes)
{
    Ranking::parseInto(table, bytes);
    return table;
}

void require(bool holds)
{
    if (!holds)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));

    const RankingTable table = parsed(startingTable(), bytes);
    require(parsed(startingTable(), bytes) == table);

    // Every line the game writes reads back whole, whatever it started from.
    require(parsed(Ranking::freshTable(), Ranking::render(table)) == table);

    // So does a rewrite, whatever name was typed or pasted.
    const int rankPos = int(size % Ranking::Entries);
    const QString typedName = QString::fromUtf8(bytes);
    const RankingTable rewritten = Ranking::inserted(table, rankPos, typedName, table[2].score);
    require(parsed(Ranking::freshTable(), Ranking::render(rewritten)) == rewritten);
    return 0;
}
