#include "leaderboard/rankingtable.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <charconv>

namespace {

// GB18030 writes every code-page-936 character with the same bytes as 936
// itself, and can also hold any other character a player types.
constexpr const char *FileEncoding = "GB18030";

// GB18030 needs at most four bytes per UTF-16 unit; then a comma, the
// longest score "-2147483648" and a CR.
static_assert(4 * Ranking::MaxNameLength + 1 + 11 + 1 <= Ranking::MaxLineBytes);

// One converter for a whole file, since making one costs more than
// converting a line; reset for each field, so that a broken sequence at the
// end of one field never leaks into the next.
template<typename Converter, typename Result>
class FieldConverter
{
public:
    template<typename Field>
    Result operator()(const Field &field)
    {
        m_converter.resetState();
        return m_converter(field);
    }

private:
    Converter m_converter{FileEncoding};
};
using FieldDecoder = FieldConverter<QStringDecoder, QString>;
using FieldEncoder = FieldConverter<QStringEncoder, QByteArray>;

// The score keeps its value unless the whole text is a decimal number that
// fits it.
void readScore(QByteArrayView text, std::int32_t &score)
{
    if (text.isEmpty())
        return;
    std::int32_t value = 0;
    const char *const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error == std::errc() && stop == end)
        score = value;
}

// The line is split at its last comma, so a name may itself hold commas.
void readLine(RankingEntry &entry, QByteArrayView line, FieldDecoder &decoded)
{
    const qsizetype comma = line.lastIndexOf(',');
    if (comma < 0) {
        readScore(line, entry.score);
        return;
    }
    readScore(line.sliced(comma + 1), entry.score);
    const QString name = decoded(line.first(comma));
    if (name.size() <= Ranking::MaxNameLength)
        entry.name = name;
}

// A pasted name may hold line breaks, which would push every later entry
// one line down; and cutting inside a surrogate pair would leave half a
// character.
QString storableName(QString name)
{
    name.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    qsizetype length = qMin(name.size(), qsizetype(Ranking::MaxNameLength));
    if (length < name.size() && name.at(length).isLowSurrogate())
        --length;
    name.truncate(length);
    return name;
}

} // namespace

namespace Ranking {

QString fileName(std::int16_t grade)
{
    return QStringLiteral("kobu%1.tmp").arg(grade);
}

RankingTable freshTable()
{
    RankingTable table;
    table.fill(RankingEntry{QStringLiteral("0"), 0});
    return table;
}

QByteArray freshFile()
{
    return render(freshTable());
}

void parseInto(RankingTable &table, const QByteArray &bytes)
{
    const QByteArrayView window = QByteArrayView(bytes).first(qMin(bytes.size(), qsizetype(MaxFileBytes)));
    qsizetype start = 0;
    FieldDecoder decoded;
    for (RankingEntry &entry : table) {
        if (start >= window.size())
            return;
        const QByteArrayView rest = window.sliced(start);
        qsizetype lineEnd = rest.first(qMin(rest.size(), qsizetype(MaxLineBytes + 1))).indexOf('\n');
        if (lineEnd < 0) {
            // A line longer than the game ever writes: what follows is no
            // ranking table, so the remaining slots keep their values.
            if (rest.size() > MaxLineBytes)
                return;
            lineEnd = rest.size();
        }
        QByteArrayView line = rest.first(lineEnd);
        if (line.endsWith('\r'))
            line.chop(1);
        readLine(entry, line, decoded);
        start += lineEnd + 1;
    }
}

int rankOf(const RankingTable &table, std::int32_t score)
{
    int rankPos = NotRanked;
    for (int i = Entries - 1; i >= 0; --i) {
        if (score > table[i].score)
            rankPos = i;
    }
    return rankPos;
}

RankingTable inserted(const RankingTable &table, int rankPos, const QString &name, std::int32_t score)
{
    if (rankPos < 0 || rankPos >= Entries)
        return table;
    RankingTable result = table;
    std::shift_right(result.begin() + rankPos, result.end(), 1);
    result[rankPos] = RankingEntry{storableName(name), score};
    return result;
}

QByteArray render(const RankingTable &table)
{
    QByteArray bytes;
    FieldEncoder encoded;
    for (const RankingEntry &entry : table)
        bytes += encoded(entry.name) + ',' + QByteArray::number(entry.score) + "\r\n";
    return bytes;
}

} // namespace Ranking
