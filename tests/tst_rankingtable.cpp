#include "leaderboard/rankingtable.h"

#include <QStringEncoder>
#include <QTest>

#include <initializer_list>
#include <limits>

Q_DECLARE_METATYPE(RankingTable)

namespace {

// Distinct names and scores per slot, so that a slot a line must not touch
// shows any change.
RankingTable before()
{
    RankingTable table;
    for (int i = 0; i < Ranking::Entries; ++i)
        table[i] = RankingEntry{QStringLiteral("old%1").arg(i), 100 + i};
    return table;
}

// The table with its first slots replaced.
RankingTable overwritten(RankingTable table, std::initializer_list<RankingEntry> leading)
{
    std::copy(leading.begin(), leading.end(), table.begin());
    return table;
}

RankingTable withScores(std::initializer_list<std::int32_t> scores)
{
    RankingTable table;
    int i = 0;
    for (const std::int32_t score : scores) {
        table[i] = RankingEntry{QStringLiteral("p%1").arg(i), score};
        ++i;
    }
    return table;
}

// Lists compare with the index of the first difference in the message.
QStringList described(const RankingTable &table)
{
    QStringList rows;
    for (const RankingEntry &entry : table)
        rows << QStringLiteral("%1 | %2").arg(entry.name).arg(entry.score);
    return rows;
}

QByteArray lines(std::initializer_list<QByteArray> texts, const char *lineEnd = "\r\n")
{
    QByteArray bytes;
    for (const QByteArray &text : texts)
        bytes += text + lineEnd;
    return bytes;
}

RankingTable parsed(RankingTable table, const QByteArray &bytes)
{
    Ranking::parseInto(table, bytes);
    return table;
}

const QString Zhangsan = QStringLiteral("张三");
const QString OutsideGbk = QString::fromUtf8("\xF0\xA0\x80\x80"); // U+20000
const QString Emoji = QString::fromUtf8("\xF0\x9F\x98\x80");      // U+1F600

} // namespace

class tst_RankingTable : public QObject
{
    Q_OBJECT

private slots:
    void freshFile();

    void parse_data();
    void parse();

    void parseIsBounded_data();
    void parseIsBounded();

    void rank_data();
    void rank();

    void insert_data();
    void insert();

    void roundTrip_data();
    void roundTrip();

    void sameBytesAsGbk_data();
    void sameBytesAsGbk();
};

void tst_RankingTable::freshFile()
{
    QCOMPARE(Ranking::freshFile(), QByteArray("0,0\r\n").repeated(Ranking::Entries));
    QCOMPARE(described(parsed(before(), Ranking::freshFile())), described(Ranking::freshTable()));
    QCOMPARE(Ranking::fileName(1), QStringLiteral("kobu1.tmp"));
    QCOMPARE(Ranking::fileName(12), QStringLiteral("kobu12.tmp"));
}

void tst_RankingTable::parse_data()
{
    QTest::addColumn<RankingTable>("table");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<RankingTable>("expected");

    const RankingTable old = before();
    const QString name0 = old[0].name;
    const std::int32_t score0 = old[0].score;

    QTest::newRow("letters without a comma") << old << lines({"abc"}) << old;
    QTest::newRow("digits only") << old << lines({"42"}) << overwritten(old, {{name0, 42}});
    QTest::newRow("comma then digits") << old << lines({",7"}) << overwritten(old, {{"", 7}});
    QTest::newRow("letters ending in a comma") << old << lines({"abc,"}) << overwritten(old, {{"abc", score0}});
    QTest::newRow("score not a number") << old << lines({"a,12x", "b, 12", "c,1.5", "d,+3"})
                                        << overwritten(old, {{"a", 100}, {"b", 101}, {"c", 102}, {"d", 103}});
    QTest::newRow("negative score") << old << lines({"a,-5"}) << overwritten(old, {{"a", -5}});
    QTest::newRow("score above 16 bits") << old << lines({"a,40000"}) << overwritten(old, {{"a", 40000}});
    QTest::newRow("32-bit limits") << old << lines({"a,2147483647", "b,-2147483648"})
                                   << overwritten(old, {{"a", 2147483647}, {"b", -2147483647 - 1}});
    QTest::newRow("beyond 32 bits") << old << lines({"a,2147483648", "b,-2147483649"})
                                    << overwritten(old, {{"a", 100}, {"b", 101}});
    QTest::newRow("name with commas") << old << lines({"Tom, Ann,30", ",,5"})
                                      << overwritten(old, {{"Tom, Ann", 30}, {",", 5}});
    QTest::newRow("empty line") << old << lines({"a,1", "", "c,3"})
                                << overwritten(old, {{"a", 1}, {"old1", 101}, {"c", 3}});
    QTest::newRow("three lines") << old << lines({"a,3", "b,2", "c,1"})
                                 << overwritten(old, {{"a", 3}, {"b", 2}, {"c", 1}});
    QTest::newRow("three lines at the first opening")
        << RankingTable{} << lines({"a,3", "b,2", "c,1"}) << overwritten(RankingTable{}, {{"a", 3}, {"b", 2}, {"c", 1}});
    QTest::newRow("twelve lines") << old
                                  << lines({"a,12", "b,11", "c,10", "d,9", "e,8", "f,7", "g,6", "h,5", "i,4", "j,3",
                                            "k,2", "l,1"})
                                  << overwritten(old, {{"a", 12}, {"b", 11}, {"c", 10}, {"d", 9}, {"e", 8},
                                                       {"f", 7}, {"g", 6}, {"h", 5}, {"i", 4}, {"j", 3}});
    QTest::newRow("bare LF") << old << lines({"a,1", "b,2"}, "\n") << overwritten(old, {{"a", 1}, {"b", 2}});
    QTest::newRow("last line without its end") << old << QByteArray("a,1\r\nb,2")
                                               << overwritten(old, {{"a", 1}, {"b", 2}});
    QTest::newRow("code page 936") << old << lines({"\xD5\xC5\xC8\xFD,20"}) << overwritten(old, {{Zhangsan, 20}});
    QTest::newRow("outside code page 936") << old << lines({"\x95\x32\x82\x36,10"})
                                           << overwritten(old, {{OutsideGbk, 10}});
}

void tst_RankingTable::parse()
{
    QFETCH(RankingTable, table);
    QFETCH(QByteArray, file);
    QFETCH(RankingTable, expected);

    QCOMPARE(described(parsed(table, file)), described(expected));
}

void tst_RankingTable::parseIsBounded_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<RankingTable>("expected");

    const RankingTable old = before();
    const QByteArray longestName(Ranking::MaxLineBytes - 3, 'x');
    const QByteArray longestCrLfName(Ranking::MaxLineBytes - 4, 'x');

    QTest::newRow("longest line") << lines({longestName + ",42", "b,2"}, "\n")
                                  << overwritten(old, {{"old0", 42}, {"b", 2}});
    QTest::newRow("longest line with CR") << lines({longestCrLfName + ",42", "b,2"})
                                          << overwritten(old, {{"old0", 42}, {"b", 2}});
    QTest::newRow("one byte too long") << lines({"a,1", "x" + longestName + ",42", "c,3"}, "\n")
                                       << overwritten(old, {{"a", 1}});
    QTest::newRow("huge line") << QByteArray(16 << 20, 'x') + lines({"a,1"}) << old;
    QTest::newRow("huge unbroken file") << QByteArray(16 << 20, ',') << old;
    QTest::newRow("ten lines then a huge tail")
        << lines({"a,1", "b,2", "c,3", "d,4", "e,5", "f,6", "g,7", "h,8", "i,9", "j,10"}) + QByteArray(16 << 20, 'x')
        << overwritten(old, {{"a", 1}, {"b", 2}, {"c", 3}, {"d", 4}, {"e", 5},
                             {"f", 6}, {"g", 7}, {"h", 8}, {"i", 9}, {"j", 10}});
    QTest::newRow("name longer than the game writes")
        << lines({QByteArray(Ranking::MaxNameLength + 1, 'n') + ",5"}) << overwritten(old, {{"old0", 5}});
}

void tst_RankingTable::parseIsBounded()
{
    QFETCH(QByteArray, file);
    QFETCH(RankingTable, expected);

    QCOMPARE(described(parsed(before(), file)), described(expected));
}

void tst_RankingTable::rank_data()
{
    QTest::addColumn<RankingTable>("table");
    QTest::addColumn<std::int32_t>("fcount");
    QTest::addColumn<int>("rankPos");

    const RankingTable ties = withScores({50, 40, 40, 30, 20, 10, 0, 0, 0, 0});
    const RankingTable full = withScores({100, 90, 80, 70, 60, 50, 40, 30, 20, 10});

    QTest::newRow("fresh, 10") << Ranking::freshTable() << 10 << 0;
    QTest::newRow("fresh, 0") << Ranking::freshTable() << 0 << Ranking::NotRanked;
    QTest::newRow("equal to two ranks below both") << ties << 40 << 3;
    QTest::newRow("equal to the zeros") << ties << 0 << Ranking::NotRanked;
    QTest::newRow("above all") << ties << 60 << 0;
    QTest::newRow("equal to rank 10") << full << 10 << Ranking::NotRanked;
    QTest::newRow("one more than rank 10") << full << 11 << 9;
    QTest::newRow("negative scores") << withScores({-1, -2, -3, -4, -5, -6, -7, -8, -9, -10}) << -4 << 4;
    QTest::newRow("beyond 16 bits") << withScores({40000, 35000, 0, 0, 0, 0, 0, 0, 0, 0}) << 35001 << 1;
}

void tst_RankingTable::rank()
{
    QFETCH(RankingTable, table);
    QFETCH(std::int32_t, fcount);
    QFETCH(int, rankPos);

    QCOMPARE(Ranking::rankOf(table, fcount), rankPos);
}

void tst_RankingTable::insert_data()
{
    QTest::addColumn<RankingTable>("table");
    QTest::addColumn<int>("rankPos");
    QTest::addColumn<QByteArray>("file");

    QTest::newRow("below equal scores") << withScores({50, 40, 40, 30, 20, 10, 0, 0, 0, 0}) << 3
                                        << lines({"p0,50", "p1,40", "p2,40", "new,40", "p3,30", "p4,20", "p5,10",
                                                  "p6,0", "p7,0", "p8,0"});
    QTest::newRow("first") << withScores({9, 8, 7, 6, 5, 4, 3, 2, 1, 0}) << 0
                           << lines({"new,40", "p0,9", "p1,8", "p2,7", "p3,6", "p4,5", "p5,4", "p6,3", "p7,2", "p8,1"});
    QTest::newRow("tenth") << withScores({90, 80, 70, 60, 50, 45, 44, 43, 42, 39}) << 9
                           << lines({"p0,90", "p1,80", "p2,70", "p3,60", "p4,50", "p5,45", "p6,44", "p7,43", "p8,42",
                                     "new,40"});
    QTest::newRow("not ranked") << withScores({90, 80, 70, 60, 50, 45, 44, 43, 42, 41}) << Ranking::NotRanked
                                << lines({"p0,90", "p1,80", "p2,70", "p3,60", "p4,50", "p5,45", "p6,44", "p7,43",
                                          "p8,42", "p9,41"});
}

void tst_RankingTable::insert()
{
    QFETCH(RankingTable, table);
    QFETCH(int, rankPos);
    QFETCH(QByteArray, file);

    QCOMPARE(Ranking::render(Ranking::inserted(table, rankPos, QStringLiteral("new"), 40)), file);
}

void tst_RankingTable::roundTrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<std::int32_t>("score");
    QTest::addColumn<QString>("stored");

    const auto row = [](const char *tag, const QString &name, std::int32_t score) {
        QTest::newRow(tag) << name << score << name;
    };
    row("Chinese", Zhangsan, 30);
    row("commas", QStringLiteral("Tom, Ann,"), 20);
    row("empty", QString(), 7);
    row("outside code page 936", OutsideGbk + QStringLiteral("宝"), 10);
    row("emoji", Emoji, 10);
    row("above 16 bits", QStringLiteral("a"), 40000);
    row("lowest", QStringLiteral("a"), std::numeric_limits<std::int32_t>::min());
    row("highest", QStringLiteral("a"), std::numeric_limits<std::int32_t>::max());
    // Each of these takes four bytes: the longest line the game writes.
    row("longest name", QString(Ranking::MaxNameLength, QChar(0xFFFD)), std::numeric_limits<std::int32_t>::min());

    QTest::newRow("pasted lines") << QStringLiteral("a\r\nb\nc,") << 5 << QStringLiteral("a  b c,");
    QTest::newRow("too long") << QString(Ranking::MaxNameLength + 1, u'x') << 5
                              << QString(Ranking::MaxNameLength, u'x');
    // The pair straddling the limit goes whole, not leaving half a character.
    QTest::newRow("too long by half a pair") << QString(Ranking::MaxNameLength - 1, u'x') + Emoji << 5
                                             << QString(Ranking::MaxNameLength - 1, u'x');
}

void tst_RankingTable::roundTrip()
{
    QFETCH(QString, name);
    QFETCH(std::int32_t, score);
    QFETCH(QString, stored);

    const RankingTable written = Ranking::inserted(Ranking::freshTable(), 0, name, score);
    QCOMPARE(written[0], (RankingEntry{stored, score}));
    QCOMPARE(described(parsed(before(), Ranking::render(written))), described(written));
}

void tst_RankingTable::sameBytesAsGbk_data()
{
    QTest::addColumn<QString>("name");

    QTest::newRow("Chinese") << Zhangsan;
    QTest::newRow("full-width punctuation") << QStringLiteral("小明！（大班）");
    QTest::newRow("ASCII") << QStringLiteral("Tom");
}

// Files written before keep reading, and older readers read ours.
void tst_RankingTable::sameBytesAsGbk()
{
    QFETCH(QString, name);

    QStringEncoder gbk("GBK");
    QVERIFY(gbk.isValid());
    const QByteArray nameInGbk = gbk.encode(name);
    QVERIFY(!gbk.hasError());

    const QByteArray file = Ranking::render(Ranking::inserted(Ranking::freshTable(), 0, name, 5));
    QCOMPARE(file.first(file.indexOf("\r\n")), nameInGbk + ",5");
}

QTEST_GUILESS_MAIN(tst_RankingTable)
#include "tst_rankingtable.moc"
