#include "appinfo.h"
#include "leaderboard/rankingstore.h"
#include "rankingfile.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <random>
#include <atomic>
#include <thread>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using Result = RankingStore::SaveResult;

// The best ten of the scores, each named after itself, over a fresh table.
static RankingTable tableOf(std::vector<std::int32_t> scores)
{
    std::sort(scores.begin(), scores.end(), std::greater<>());
    RankingTable table = Ranking::freshTable();
    for (std::size_t i = 0; i < std::min(scores.size(), table.size()); ++i)
        table[i] = RankingEntry{QStringLiteral("p%1").arg(scores[i]), scores[i]};
    return table;
}

static const RankingTable Full = tableOf({100, 90, 80, 70, 60, 50, 40, 30, 20, 10});

static QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

static bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Saves one point more than the best score in the file.
static bool saveOnTop(const QString &path)
{
    RankingTable table = Ranking::freshTable();
    RankingStore(path).read(table);
    return RankingStore(path).insert(table, QStringLiteral("top"), table[0].score + 1, false).result == Result::Saved;
}

class tst_Ranking : public QObject
{
    Q_OBJECT

private slots:
    // Fields that do not read keep their values; so do all slots from an overlong line on.
    void parse()
    {
        RankingTable table = Full;
        Ranking::parseInto(table, "abc\r\n42\n,7\r\nabc,\n" + QByteArray("x,1\n").repeated(6) + "y,2\n");
        QCOMPARE(Ranking::render(table), "p100,100\r\np90,42\r\n,7\r\nabc,70\r\n" + QByteArray("x,1\r\n").repeated(6));
        table = Full;
        Ranking::parseInto(table, QByteArray(16 << 20, 'x') + ",5\n");
        QCOMPARE(table, Full);
        Ranking::parseInto(table, "a\x81,1\n\xD5\xC5,2\n"); // half a GB18030 character never spills over
        QCOMPARE(table[1].name, QStringLiteral("张"));
        const QByteArray file = Ranking::render(Ranking::inserted(Full, 0, QStringLiteral("张三"), 400));
        QVERIFY(file.startsWith("\xD5\xC5\xC8\xFD,400\r\n") && isWholeRankingFile(file)); // code page 936
    }

    // An installed game keeps its scores in the user's data folder, a build beside itself.
    void resolvePath()
    {
        const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u'/';
        for (const bool installed : {false, true}) {
            QTemporaryDir prefix;
            const QString folder = prefix.filePath(QStringLiteral("bin/"));
            const QString entry = prefix.filePath(QStringLiteral("share/applications/%1.desktop").arg(AppInfo::DesktopId));
            QVERIFY(QDir().mkpath(folder) && QDir().mkpath(QFileInfo(entry).path()) && (!installed || writeFile(entry, {})));
            QCOMPARE(RankingStore::resolvePath(folder, 1), (installed ? dataFolder : folder) + "kobu1.tmp");
        }
    }

    void saveOrNothing_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::newRow("lock held by a dead game") << "dead";
        QTest::newRow("full disk") << "full";
        QTest::newRow("a folder for the file") << "kobu1.tmp";
        QTest::newRow("lock folder unwritable") << "unwritable";
    }

    // Nothing hangs and nothing is lost: only a dead game's lock lets the save through.
    void saveOrNothing()
    {
        QFETCH(QString, setup);
        QTemporaryDir folder;
        const QString path = setup == "unwritable" ? QStringLiteral("/proc/kobu/kobu1.tmp") // even for root
                                                   : folder.filePath(QStringLiteral("kobu1.tmp"));
        const RankingStore store(path, std::chrono::milliseconds(300));
        QVERIFY(setup != "kobu1.tmp" || QDir().mkdir(path));
        QVERIFY(setup != "dead" || writeFile(store.lockPath(), "2147483647\nkobu\n\n")); // a process id that never runs
        writeFile(path, Ranking::render(Full)); // where it can be
        const QByteArray before = contents(path);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit full{setup == "full" ? 512 : limit.rlim_cur, limit.rlim_max}; // room for the lock, not the table
        std::signal(SIGXFSZ, SIG_IGN); // a short write instead
        setrlimit(RLIMIT_FSIZE, &full);
        const QString name(600, u'n');
        const Result result = store.insert(Full, name, 95, false).result;
        setrlimit(RLIMIT_FSIZE, &limit);
        QCOMPARE(result == Result::Saved, setup == "dead");
        QCOMPARE(contents(path), result == Result::Saved ? Ranking::render(Ranking::inserted(Full, 1, name, 95)) : before);
        QCOMPARE(QFileInfo(path).isDir(), setup == "kobu1.tmp");
    }

    // A file another program keeps resizing is read whole or not at all: the save neither hangs nor
    // loses the table.
    void fileResizedWhileRead()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("kobu1.tmp"));
        const QByteArray table = Ranking::render(Full);
        QVERIFY(writeFile(path, table));
        std::atomic<bool> done = false;
        std::thread resizer([&] {
            for (bool grow = true; !done; grow = !grow)
                QFile::resize(path, table.size() + (grow ? 4096 : 0));
        });
        const Result result = RankingStore(path).insert(Full, QStringLiteral("new"), 95, false).result;
        done = true;
        resizer.join();
        const RankingTable expected = result == Result::Saved ? Ranking::inserted(Full, 1, QStringLiteral("new"), 95) : Full;
        QVERIFY(contents(path).startsWith(Ranking::render(expected)));
    }

    // Eight games confirm at once, round after round: every score that ranks among all of
    // them is in the file, which always reads as ten lines.
    void concurrentSaves()
    {
        constexpr int Games = 8;
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("kobu1.tmp"));
        QVERIFY(writeFile(path, Ranking::freshFile()));
        std::mt19937 random(7);
        std::vector<std::int32_t> inserted;
        for (int round = 0; round < std::max(qEnvironmentVariableIntValue("KOBU_SAVE_ROUNDS"), 40); ++round) {
            int go[2];
            QVERIFY(pipe(go) == 0);
            for (int game = 0; game < Games; ++game) {
                const std::int32_t score = inserted.emplace_back(std::uniform_int_distribution(1, 1 << 20)(random));
                char start = 0;
                if (fork() == 0) // each waits for the others to be ready
                    _exit(read(go[0], &start, 1) != 1
                          || RankingStore(path).insert(Full, QStringLiteral("p%1").arg(score), score, false).result
                              == Result::Failed);
            }
            QVERIFY(write(go[1], QByteArray(Games, 'g').data(), Games) == Games && close(go[0]) == 0 && close(go[1]) == 0);
            for (int running = Games, status = 0; running > 0; running -= waitpid(-1, &status, WNOHANG) > 0)
                QVERIFY(isWholeRankingFile(contents(path)) && status == 0);
            QCOMPARE(contents(path), Ranking::render(tableOf(inserted)));
        }
    }

    // A game killed at any moment of a save leaves a whole table, as before or after that save,
    // and no lock in the way of the next one.
    void killedWhileSaving()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("kobu1.tmp"));
        QVERIFY(writeFile(path, Ranking::render(Full)));
        std::mt19937 random(12);
        for (int kill = 0; kill < std::max(qEnvironmentVariableIntValue("KOBU_SAVE_KILLS"), 200); ++kill) {
            int status = 0;
            const QByteArray before = contents(path);
            const pid_t saver = fork();
            while (saver == 0)
                saveOnTop(path);
            std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution(0, 3000)(random)));
            QVERIFY(::kill(saver, SIGKILL) == 0 && waitpid(saver, &status, 0) == saver && WIFSIGNALED(status));
            // Byte for byte the table of the last whole save: each save puts one more on top.
            const QByteArray left = contents(path);
            RankingTable expected = Ranking::freshTable(), reached = expected;
            Ranking::parseInto(expected, before);
            Ranking::parseInto(reached, left);
            while (expected[0].score < reached[0].score)
                expected = Ranking::inserted(expected, 0, QStringLiteral("top"), expected[0].score + 1);
            QVERIFY2(left == Ranking::render(expected) && saveOnTop(path), QByteArray::number(kill));
        }
    }
};

QTEST_GUILESS_MAIN(tst_Ranking)
#include "tst_ranking.moc"
