#include "leaderboard/rankingtable.h"

#include <QStringEncoder>
#include <QTest>

Q_DECLARE_METATYPE(RankingTable)

namespace {

// Distinct old values, so that a slot a line must not touch shows any change.
RankingTable with(std::initializer_list<RankingEntry> leading = {})
{
    RankingTable table;
    for (int i = 0; i < Ranking::Entries; ++i)
        table[i] = RankingEntry{QStringLiteral("old%1").arg(i), 100 + i};
    std::copy(leading.begin(), leading.end(), table.begin());
    return table;
}

RankingTable withScores(std::initializer_list<std::int32_t> scores)
{
    RankingTable table;
    std::transform(scores.begin(), scores.end(), table.begin(),
                   [i = 0](std::int32_t score) mutable { return RankingEntry{QStringLiteral("p%1").arg(i++), score}; });
    return table;
}

QByteArray lines(const QByteArrayList &texts, const char *lineEnd = "\r\n")
{
    return texts.join(lineEnd) + lineEnd;
}

// The table after reading the file into it, as text so that a failure shows the rows.
QStringList rows(RankingTable table, const QByteArray &file = {})
{
    Ranking::parseInto(table, file);
    QStringList result;
    for (const RankingEntry &entry : table)
        result << entry.name + u'|' + QString::number(entry.score);
    return result;
}

const QString U20000 = QString::fromUtf8("\xF0\xA0\x80\x80"); // U+20000
const QString U1F600 = QString::fromUtf8("\xF0\x9F\x98\x80");
const RankingTable Ties = withScores({50, 40, 40, 30, 20, 10, 0, 0, 0, 0});
const RankingTable Full = withScores({100, 90, 80, 70, 60, 50, 40, 30, 20, 10});

} // namespace

class tst_RankingTable : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<RankingTable>("expected");
        const QByteArray longest(Ranking::MaxLineBytes - 3, 'x');
        // The name ends at the last comma, so that it may hold commas itself.
        QTest::newRow("field by field") << lines({"abc", "42", ",7", "abc,", "Tom, Ann,30", ",,5"})
            << with({{"old0", 100}, {"old1", 42}, {"", 7}, {"abc", 103}, {"Tom, Ann", 30}, {",", 5}});
        QTest::newRow("no number") << lines({"a,12x", "b, 12", "c,+3"}) << with({{"a", 100}, {"b", 101}, {"c", 102}});
        QTest::newRow("32-bit scores") << lines({"a,40000", "b,2147483647", "c,-2147483648", "d,2147483648"})
                                       << with({{"a", 40000}, {"b", 2147483647}, {"c", -2147483647 - 1}, {"d", 103}});
        QTest::newRow("line ends") << QByteArray("a,1\r\n\nc,3") << with({{"a", 1}, {"old1", 101}, {"c", 3}});
        QTest::newRow("GB18030") << lines({"\xD5\xC5\xC8\xFD,20", "\x95\x32\x82\x36,10"})
                                 << with({{"张三", 20}, {U20000, 10}});
        // Reading is bounded: a line longer than the game writes ends the table.
        QTest::newRow("longest lines") << lines({longest + ",42", longest.sliced(1) + ",43\r", "c,3"}, "\n")
                                       << with({{"old0", 42}, {"old1", 43}, {"c", 3}});
        QTest::newRow("one byte too long") << lines({"a,1", "x" + longest + ",42", "c,3"}, "\n") << with({{"a", 1}});
        QTest::newRow("huge binary line") << QByteArray(16 << 20, '\xff') + lines({"a,1"}) << with();
        QTest::newRow("ten lines, then more") << Ranking::render(Full) + "x,1\n" + QByteArray(16 << 20, 'x') << Full;
        QTest::newRow("long name") << QByteArray(Ranking::MaxNameLength + 1, 'n') + ",5\n" << with({{"old0", 5}});
    }

    void parse()
    {
        QFETCH(QByteArray, file);
        QFETCH(RankingTable, expected);
        QCOMPARE(rows(with(), file), rows(expected));
    }

    void rank_data()
    {
        QTest::addColumn<RankingTable>("table");
        QTest::addColumn<std::int32_t>("fcount");
        QTest::addColumn<int>("rankPos");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("equal to two ranks below both") << Ties << 40 << 3
            << lines({"p0,50", "p1,40", "p2,40", "new,40", "p3,30", "p4,20", "p5,10", "p6,0", "p7,0", "p8,0"});
        QTest::newRow("above all") << Full << 101 << 0
            << lines({"new,101", "p0,100", "p1,90", "p2,80", "p3,70", "p4,60", "p5,50", "p6,40", "p7,30", "p8,20"});
        QTest::newRow("equal to rank 10") << Full << 10 << Ranking::NotRanked << Ranking::render(Full);
        QTest::newRow("one more than rank 10") << Full << 11 << 9
            << lines({"p0,100", "p1,90", "p2,80", "p3,70", "p4,60", "p5,50", "p6,40", "p7,30", "p8,20", "new,11"});
    }

    void rank()
    {
        QFETCH(RankingTable, table);
        QFETCH(std::int32_t, fcount);
        QFETCH(int, rankPos);
        QFETCH(QByteArray, after);
        QCOMPARE(Ranking::rankOf(table, fcount), rankPos);
        QCOMPARE(Ranking::render(Ranking::inserted(table, rankPos, QStringLiteral("new"), fcount)), after);
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<std::int32_t>("score");
        QTest::addColumn<QString>("stored");
        const auto row = [](const char *tag, const QString &name, int score) {
            QTest::newRow(tag) << name << score << name;
        };
        row("code page 936", QStringLiteral("张三 小明！（大班）Tom"), 30);
        row("commas, above 16 bits", QStringLiteral("Tom, Ann,"), 40000);
        row("outside code page 936", U20000 + U1F600 + QStringLiteral("宝"), 2147483647);
        // Four bytes each: the longest line the game writes.
        row("longest name", QString(Ranking::MaxNameLength, QChar(0xFFFD)), -2147483647 - 1);
        QTest::newRow("pasted lines") << QStringLiteral("a\r\nb\nc,") << 5 << QStringLiteral("a  b c,");
        QTest::newRow("cut") << QString(Ranking::MaxNameLength + 1, 'x') << 5 << QString(Ranking::MaxNameLength, 'x');
        // The pair straddling the limit goes whole, not leaving half a character.
        QTest::newRow("too long by half a pair") << QString(Ranking::MaxNameLength - 1, 'x') + U1F600 << 5
                                                 << QString(Ranking::MaxNameLength - 1, 'x');
    }

    void roundTrip()
    {
        QFETCH(QString, name);
        QFETCH(std::int32_t, score);
        QFETCH(QString, stored);
        const RankingTable written = Ranking::inserted(Ranking::freshTable(), 0, name, score);
        QCOMPARE(written[0], (RankingEntry{stored, score}));
        QCOMPARE(rows(with(), Ranking::render(written)), rows(written));
        // Names that code page 936 holds keep its bytes: older files and readers still agree.
        QStringEncoder gbk("GBK");
        const QByteArray inGbk = gbk.encode(stored) + ',';
        QVERIFY(gbk.isValid() && (gbk.hasError() || Ranking::render(written).startsWith(inGbk)));
    }
};

QTEST_GUILESS_MAIN(tst_RankingTable)
#include "tst_rankingtable.moc"
