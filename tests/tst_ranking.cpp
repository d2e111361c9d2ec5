#include "appinfo.h"
#include "leaderboard/rankingstore.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

static RankingTable withScores(std::initializer_list<std::int32_t> scores)
{
    RankingTable table;
    std::transform(scores.begin(), scores.end(), table.begin(),
                   [i = 0](std::int32_t score) mutable { return RankingEntry{QStringLiteral("p%1").arg(i++), score}; });
    return table;
}

const RankingTable Full = withScores({100, 90, 80, 70, 60, 50, 40, 30, 20, 10});

class tst_Ranking : public QObject
{
    Q_OBJECT

private slots:
    // Fields that do not read keep their values; so do all slots from an overlong line on.
    void parse()
    {
        RankingTable table = Full;
        Ranking::parseInto(table, "abc\r\n42\n,7\r\nabc,\n" + QByteArray("x,1\n").repeated(6) + "y,2\n");
        QCOMPARE(Ranking::render(table), "p0,100\r\np1,42\r\n,7\r\nabc,70\r\n" + QByteArray("x,1\r\n").repeated(6));
        table = Full;
        Ranking::parseInto(table, QByteArray(16 << 20, 'x') + ",5\n");
        QCOMPARE(table, Full);
    }

    void rank()
    {
        QCOMPARE(Ranking::rankOf(withScores({50, 40, 40, 30, 20, 10, 0, 0, 0, 0}), 40), 3);
        QCOMPARE(Ranking::rankOf(Full, 10), Ranking::NotRanked);
        const QByteArray firstNine = Ranking::render(Full).chopped(7); // without "p9,10\r\n"
        QCOMPARE(Ranking::render(Ranking::inserted(Full, Ranking::rankOf(Full, 11), QStringLiteral("new"), 11)),
                 firstNine + "new,11\r\n");
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("line");
        // Names that code page 936 holds keep its bytes, so older files and readers still agree.
        QTest::newRow("code page 936") << QStringLiteral("张三") << QByteArray("\xD5\xC5\xC8\xFD,40000\r\n");
        QTest::newRow("commas") << QStringLiteral("Tom, Ann,") << QByteArray("Tom, Ann,,40000\r\n");
        QTest::newRow("outside code page 936") << QStringLiteral("\U00020000宝")
                                               << QByteArray("\x95\x32\x82\x36\xB1\xA6,40000\r\n");
        QTest::newRow("pasted lines") << QStringLiteral("a\r\nb\nc") << QByteArray("a  b c,40000\r\n");
    }

    void roundTrip()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, line);
        const RankingTable written = Ranking::inserted(Ranking::freshTable(), 0, name, 40000);
        QCOMPARE(Ranking::render(written).first(line.size()), line);
        RankingTable reread = Full;
        Ranking::parseInto(reread, Ranking::render(written));
        QCOMPARE(reread, written);
    }

    void resolvePath_data()
    {
        QTest::addColumn<QString>("layout"); // files to make under a temporary prefix
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<bool>("inDataFolder");
        const QString entry = QStringLiteral("share/applications/%1.desktop").arg(AppInfo::DesktopId);
        QTest::newRow("run from the build") << QString() << "bin/" << false;
        QTest::newRow("a folder even root cannot write") << QString() << "/proc/" << true;
        QTest::newRow("installed") << entry << "bin/" << true;
        QTest::newRow("installed as Debian installs games") << entry << "games/" << true;
        // Written there by an earlier run as root, it would be every player's.
        QTest::newRow("installed, a file beside it") << entry + "|bin/kobu1.tmp" << "bin/" << true;
    }

    // Each player of an installed game keeps a table of their own.
    void resolvePath()
    {
        QFETCH(QString, layout);
        QFETCH(QString, programFolder);
        QFETCH(bool, inDataFolder);
        QStandardPaths::setTestModeEnabled(true); // never the player's real data folder
        QTemporaryDir prefix;
        const QString folder = programFolder.startsWith(u'/') ? programFolder : prefix.filePath(programFolder);
        QVERIFY(QDir().mkpath(folder));
        for (const QString &file : layout.split(u'|', Qt::SkipEmptyParts))
            QVERIFY(QDir(prefix.path()).mkpath(QFileInfo(file).path())
                    && QFile(prefix.filePath(file)).open(QIODevice::WriteOnly));
        const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u'/';
        QCOMPARE(RankingStore::resolvePath(folder, 1), (inDataFolder ? dataFolder : folder) + "kobu1.tmp");
    }

    // A write either replaces the whole file or leaves the old bytes.
    void readThenWrite()
    {
        QTemporaryDir parent;
        const QString folder = parent.filePath(QStringLiteral("share"));
        const QString path = folder + QStringLiteral("/kobu1.tmp");
        RankingTable table = Full;
        QCOMPARE(RankingStore(path).read(table), RankingStore::ReadResult::Missing);
        QVERIFY(RankingStore(path).write(Full)); // not even the folder was there
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit full{16, limit.rlim_max};
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &full); // a full disk, even for root
        const bool written = RankingStore(path).write(Ranking::freshTable());
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, handler);
        QVERIFY(!written);
        // Nor is anything but a regular file where the file should be: a folder may hold scores,
        // and opening a pipe would block the game.
        QCOMPARE(RankingStore(folder).read(table), RankingStore::ReadResult::Unreadable);
        QCOMPARE(table, Full);
        QVERIFY(!RankingStore(folder).write(Full));
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"kobu1.tmp"});
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), Ranking::render(Full));
    }
};

QTEST_GUILESS_MAIN(tst_Ranking)
#include "tst_ranking.moc"
