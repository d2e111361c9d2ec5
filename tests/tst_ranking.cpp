#include "appinfo.h"
#include "leaderboard/rankingstore.h"
#include "rankingfile.h"
#include "testfiles.h"

#include <QtTest>

#include <csignal>
#include <random>
#include <atomic>
#include <thread>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using Result = RankingStore::SaveResult;
using namespace Qt::StringLiterals;

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

    std::optional<QTemporaryDir> m_folder;
    QString m_path; // the ranking file in it

private slots:
    void init() { m_path = m_folder.emplace().filePath(u"kobu1.tmp"_s); }

    // Fields that do not read keep their values; so do all slots from an overlong line on.
    void parse()
    {
        QCOMPARE(Ranking::render(parsed("abc\r\n42\n,7\r\nabc,\n" + QByteArray("x,1\n").repeated(6) + "y,2\n", Full)),
                 "p100,100\r\np90,42\r\n,7\r\nabc,70\r\n" + QByteArray("x,1\r\n").repeated(6));
        QCOMPARE(parsed(QByteArray(16 << 20, 'x') + ",5\n", Full), Full);
        // Half a GB18030 character never spills over.
        QCOMPARE(parsed("a\x81,1\n\xD5\xC5,2\n", Full)[1].name, QStringLiteral("张"));
    }

    void encoding_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("code page 936") << u"张三"_s << "\xD5\xC5\xC8\xFD"_ba;
        QTest::newRow("beyond GBK") << u"小\U00020000"_s << "\xD0\xA1\x95\x32\x82\x36"_ba;
    }

    // Names are written as code page 936 writes them, and anything else a player types reads back as typed.
    void encoding()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        const QByteArray file = Ranking::render(Ranking::inserted(Full, 0, name, 400));
        QVERIFY(file.startsWith(bytes + ",400\r\n") && isWholeRankingFile(file));
        QCOMPARE(parsed(file, Full)[0].name, name);
    }

    void resolvePath_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("fileThere");
        QTest::addColumn<bool>("beside");
        QTest::newRow("built") << false << true << false << true;
        QTest::newRow("unpacked read-only") << false << false << false << false;
        QTest::newRow("installed") << true << true << false << false;
        QTest::newRow("installed over old scores") << true << true << true << false;
    }

    // An installed game, or one whose folder takes no new file, keeps its scores in the player's data folder;
    // a build keeps them beside itself.
    void resolvePath()
    {
        QFETCH(bool, installed);
        QFETCH(bool, writable);
        QFETCH(bool, fileThere);
        QFETCH(bool, beside);
        const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u'/';
        QTemporaryDir prefix;
        const QString folder = writable ? prefix.filePath(QStringLiteral("bin/")) : QStringLiteral("/proc/"); // even for root
        const QString entry = prefix.filePath(QStringLiteral("share/applications/%1.desktop").arg(AppInfo::DesktopId));
        QVERIFY(QDir().mkpath(prefix.filePath("bin")) && QDir().mkpath(QFileInfo(entry).path()));
        QVERIFY((!installed || writeFile(entry, {})) && (!fileThere || writeFile(folder + "kobu1.tmp", {})));
        QCOMPARE(RankingStore::resolvePath(folder, 1), (beside ? folder : dataFolder) + "kobu1.tmp");
        QCOMPARE(QDir(folder).entryList({"kobu.*"}, QDir::Files | QDir::Hidden), QStringList()); // the probe is gone
    }

    void saveOrNothing_data()
    {
        QTest::addColumn<QString>("obstacles"); // what stands beside the ranking file, name=kind, split by spaces
        QTest::addColumn<Result>("expected");
        QTest::addColumn<QString>("gone"); // the obstacles that the save removes
        QTest::newRow("lock left by a dead game") << "kobu1.tmp.lock=dead" << Result::Saved << "kobu1.tmp.lock";
        QTest::newRow("and an empty removal lock") << "kobu1.tmp.lock=dead kobu1.tmp.lock.rmlock=empty" << Result::Saved
                                                   << "kobu1.tmp.lock kobu1.tmp.lock.rmlock";
        QTest::newRow("an empty lock") << "kobu1.tmp.lock=empty" << Result::Saved << "kobu1.tmp.lock";
        QTest::newRow("lock held by a live game") << "kobu1.tmp.lock=held" << Result::Busy << "";
        QTest::newRow("a pipe for the lock") << "kobu1.tmp.lock=pipe" << Result::LockNotAFile << "";
        QTest::newRow("a pipe for the removal lock") << "kobu1.tmp.lock=dead kobu1.tmp.lock.rmlock=pipe" << Result::LockNotAFile << "";
        QTest::newRow("a folder for the file") << "kobu1.tmp=folder" << Result::Unreadable << "";
        QTest::newRow("full disk") << "full" << Result::WriteFailed << "";
        QTest::newRow("folder unwritable") << "unwritable" << Result::FolderReadOnly << "";
        // What a game killed between link and rename leaves goes with the next save, and nothing else does.
        QTest::newRow("unfinished save") << "kobu1.tmp.AbCdEf=empty" << Result::Saved << "kobu1.tmp.AbCdEf";
        QTest::newRow("while another game saves") << "kobu1.tmp.lock=held kobu1.tmp.AbCdEf=empty" << Result::Busy << "";
        QTest::newRow("digits too") << "kobu1.tmp.a1B2c3=empty" << Result::Saved << "kobu1.tmp.a1B2c3";
        for (const QString &name : {u"kobu2.tmp.AbCdEf"_s, u"kobu1.tmp.AbCdE"_s, u"kobu1.tmp.AbCdEfG"_s, u"kobu1.tmp.ab-def"_s, u"xkobu1.tmp.AbCdEf"_s})
            QTest::newRow(qPrintable(name)) << name + "=empty" << Result::Saved << "";
        QTest::newRow("a folder") << "kobu1.tmp.Folder=folder" << Result::Saved << "";
    }

    // Nothing hangs and nothing is lost, and the failure says why: only what a dead game left lets the save
    // through. Nothing that is not a file is ever removed.
    void saveOrNothing()
    {
        QFETCH(QString, obstacles);
        QFETCH(Result, expected);
        QFETCH(QString, gone);
        const QString path = obstacles == u"unwritable" ? QStringLiteral("/proc/kobu/kobu1.tmp") : m_path; // even for root
        const RankingStore store(path, std::chrono::milliseconds(300));
        std::optional<QLockFile> liveGame;
        for (const QString &obstacle : obstacles.split(u' ')) {
            const QString place = m_folder->filePath(obstacle.section('=', 0, 0)), kind = obstacle.section('=', 1);
            if (kind == "held")
                QVERIFY(liveGame.emplace(place).tryLock(0));
            QVERIFY(kind != "pipe" || mkfifo(qPrintable(place), 0600) == 0);
            QVERIFY(kind != "folder" || QDir().mkdir(place));
            QVERIFY(kind != "dead" || writeFile(place, "2147483647\nkobu\n\n")); // a process id that never runs
            QVERIFY(kind != "empty" || writeFile(place, {}, true)); // its maker was killed before it wrote
        }
        writeFile(path, Ranking::render(Full)); // where it can be
        const QByteArray before = contents(path);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit full{obstacles == u"full" ? 512 : limit.rlim_cur, limit.rlim_max}; // room for the lock, not the table
        std::signal(SIGXFSZ, SIG_IGN); // a short write instead
        setrlimit(RLIMIT_FSIZE, &full);
        const QString name(600, u'n');
        const QDeadlineTimer wholeWait(300);
        const Result result = store.insert(Full, name, 95, false).result;
        setrlimit(RLIMIT_FSIZE, &limit);
        QCOMPARE(result, expected);
        QVERIFY(expected != Result::Busy || wholeWait.hasExpired()); // the whole wait, then no longer
        QCOMPARE(contents(path), result == Result::Saved ? Ranking::render(Ranking::inserted(Full, 1, name, 95)) : before);
        for (const QString &obstacle : obstacles.split(u' ').filter(u"="_s)) {
            const QString place = obstacle.section('=', 0, 0);
            QVERIFY2(QFileInfo::exists(m_folder->filePath(place)) != gone.split(u' ').contains(place), qPrintable(place));
        }
    }

    // A first game ranks first over the fresh file it made, and no longer once another game has written.
    void firstGame_data()
    {
        QTest::addColumn<QByteArray>("meanwhile"); // the file when the name is confirmed
        QTest::addColumn<int>("score");
        QTest::addColumn<QByteArray>("after"); // as it was: the score no longer ranks
        const QByteArray first = "first,0\r\n" + "0,0\r\n"_ba.repeated(9), another = "A,30\r\n" + "0,0\r\n"_ba.repeated(9);
        QTest::newRow("still fresh") << Ranking::freshFile() << 0 << first;
        QTest::newRow("gone") << QByteArray() << 0 << first;
        QTest::newRow("another game's 30") << another << 0 << another;
        QTest::newRow("under another game's 30") << another << 20 << "A,30\r\nfirst,20\r\n" + "0,0\r\n"_ba.repeated(8);
    }

    void firstGame()
    {
        QFETCH(QByteArray, meanwhile);
        QFETCH(int, score);
        QFETCH(QByteArray, after);
        QVERIFY(meanwhile.isEmpty() || writeFile(m_path, meanwhile));
        const Result result = RankingStore(m_path).insert(Ranking::freshTable(), "first", score, true).result;
        QCOMPARE(result, after == meanwhile ? Result::NoLongerRanks : Result::Saved);
        QCOMPARE(contents(m_path), after);
    }

    // A file another program keeps resizing is read whole or not at all: the save neither hangs nor
    // loses the table.
    void fileResizedWhileRead()
    {
        const QByteArray table = Ranking::render(Full);
        QVERIFY(writeFile(m_path, table));
        std::atomic<bool> done = false;
        std::thread resizer([&] {
            for (bool grow = true; !done; grow = !grow)
                QFile::resize(m_path, table.size() + (grow ? 4096 : 0));
        });
        const Result result = RankingStore(m_path).insert(Full, QStringLiteral("new"), 95, false).result;
        done = true;
        resizer.join();
        const RankingTable expected = result == Result::Saved ? Ranking::inserted(Full, 1, QStringLiteral("new"), 95) : Full;
        QVERIFY(contents(m_path).startsWith(Ranking::render(expected)));
    }

    // Eight games confirm at once, round after round: every score that ranks among all of
    // them is in the file, which always reads as ten lines.
    void concurrentSaves()
    {
        constexpr int Games = 8;
        QVERIFY(writeFile(m_path, Ranking::freshFile()));
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
                          || !QList{Result::Saved, Result::NoLongerRanks}.contains(
                              RankingStore(m_path).insert(Full, QStringLiteral("p%1").arg(score), score, false).result));
            }
            QVERIFY(write(go[1], QByteArray(Games, 'g').data(), Games) == Games && close(go[0]) == 0 && close(go[1]) == 0);
            for (int running = Games, status = 0; running > 0; running -= waitpid(-1, &status, WNOHANG) > 0)
                QVERIFY(isWholeRankingFile(contents(m_path)) && status == 0);
            QCOMPARE(contents(m_path), Ranking::render(tableOf(inserted)));
        }
    }

    // A game killed at any moment of a save leaves a whole table, as before or after that save,
    // and no lock in the way of the next one.
    void killedWhileSaving()
    {
        QVERIFY(writeFile(m_path, Ranking::render(Full)));
        std::mt19937 random(12);
        for (int kill = 0; kill < std::max(qEnvironmentVariableIntValue("KOBU_SAVE_KILLS"), 200); ++kill) {
            int status = 0;
            const QByteArray before = contents(m_path);
            const pid_t saver = fork();
            while (saver == 0)
                saveOnTop(m_path);
            std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution(0, 3000)(random)));
            QVERIFY(::kill(saver, SIGKILL) == 0 && waitpid(saver, &status, 0) == saver && WIFSIGNALED(status));
            // Byte for byte the table of the last whole save: each save puts one more on top.
            const QByteArray left = contents(m_path);
            RankingTable expected = parsed(before);
            while (expected[0].score < parsed(left)[0].score)
                expected = Ranking::inserted(expected, 0, QStringLiteral("top"), expected[0].score + 1);
            QVERIFY2(left == Ranking::render(expected) && saveOnTop(m_path), QByteArray::number(kill));
        }
    }
};

QTEST_GUILESS_MAIN(tst_Ranking)
#include "tst_ranking.moc"
