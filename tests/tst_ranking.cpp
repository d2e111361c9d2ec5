#include "appinfo.h"
#include "leaderboard/rankingstore.h"
#include "rankingfile.h"

#include <QDir>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <csignal>
#include <functional>
#include <numeric>
#include <random>
#include <thread>

#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

static RankingTable withScores(std::initializer_list<std::int32_t> scores)
{
    RankingTable table;
    std::transform(scores.begin(), scores.end(), table.begin(),
                   [i = 0](std::int32_t score) mutable { return RankingEntry{QStringLiteral("p%1").arg(i++), score}; });
    return table;
}

const RankingTable Full = withScores({100, 90, 80, 70, 60, 50, 40, 30, 20, 10});

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

// Another game: a forked process that takes its turns through one pipe and
// answers each through another.
class Child
{
public:
    static Child fork(const std::function<void(int go, int done)> &run)
    {
        Child child;
        int go[2], done[2];
        if (pipe(go) != 0 || pipe(done) != 0)
            return child;
        child.m_pid = ::fork();
        if (child.m_pid == 0) {
            close(go[1]);
            close(done[0]);
            run(go[0], done[1]);
            _exit(0);
        }
        close(go[0]);
        close(done[1]);
        child.m_go = go[1];
        child.m_done = done[0];
        return child;
    }

    Child() = default;
    Child(Child &&other) noexcept { *this = std::move(other); }
    Child &operator=(Child &&other) noexcept
    {
        std::swap(m_pid, other.m_pid);
        std::swap(m_go, other.m_go);
        std::swap(m_done, other.m_done);
        return *this;
    }
    ~Child()
    {
        if (m_pid > 0)
            kill();
        for (const int fd : {m_go, m_done})
            if (fd >= 0)
                close(fd);
    }

    bool signal() const { return m_pid > 0 && write(m_go, "", 1) == 1; }

    // The next answer if one has arrived, without waiting; -1 if none. A child
    // that died answers that it failed.
    int answer() const
    {
        pollfd ready{m_done, POLLIN, 0};
        if (poll(&ready, 1, 0) != 1)
            return -1;
        char byte = 0;
        return read(m_done, &byte, 1) == 1 ? byte : int(RankingStore::SaveResult::Failed);
    }

    // How many saves a child that has ended reported.
    int savesReported() const
    {
        int count = 0;
        char bytes[256];
        for (ssize_t got; (got = read(m_done, bytes, sizeof bytes)) > 0;)
            count += int(std::count(bytes, bytes + got, char(RankingStore::SaveResult::Saved)));
        return count;
    }

    bool finish()
    {
        close(m_go);
        m_go = -1;
        return m_pid > 0 && reap() && WIFEXITED(m_status) && WEXITSTATUS(m_status) == 0;
    }

    bool kill()
    {
        return m_pid > 0 && ::kill(m_pid, SIGKILL) == 0 && reap() && WIFSIGNALED(m_status);
    }

private:
    bool reap()
    {
        const bool reaped = waitpid(m_pid, &m_status, 0) == m_pid;
        m_pid = -1;
        return reaped;
    }

    pid_t m_pid = -1;
    int m_go = -1;
    int m_done = -1;
    int m_status = 0;
};

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
        // Half a character at the end of one name never spills into the next.
        Ranking::parseInto(table, "a\x81,1\n\xD5\xC5,2\n");
        QCOMPARE(table[1].name, QStringLiteral("张"));
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
        QVERIFY(RankingStore(path).createFresh()); // not even the folder was there
        QVERIFY(!RankingStore(path).createFresh()); // another game's file is never replaced
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit full{16, limit.rlim_max};
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &full); // a full disk, even for root
        const RankingStore::Save save = RankingStore(path).insert(Full, QStringLiteral("new"), 11, false);
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, handler);
        QCOMPARE(save.result, RankingStore::SaveResult::Failed);
        // Nor is anything but a regular file where the file should be: a folder may hold scores,
        // and opening a pipe would block the game.
        QCOMPARE(RankingStore(folder).read(table), RankingStore::ReadResult::Unreadable);
        QCOMPARE(table, Full);
        QCOMPARE(RankingStore(folder).insert(Full, QStringLiteral("new"), 11, false).result,
                 RankingStore::SaveResult::Failed);
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"kobu1.tmp"});
        QCOMPARE(contents(path), Ranking::freshFile());
    }

    void insertWhereItRanksNow_data()
    {
        QTest::addColumn<QByteArray>("now"); // empty: no file
        QTest::addColumn<int>("score");
        QTest::addColumn<bool>("firstGame");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("rankPos");
        const QByteArray fresh = Ranking::freshFile();
        const QByteArray played = Ranking::render(Full);
        QTest::newRow("ranks") << played << 35 << false << int(RankingStore::SaveResult::Saved) << 7;
        QTest::newRow("pushed out") << played << 10 << false << int(RankingStore::SaveResult::NoLongerRanks) << -1;
        QTest::newRow("first game, still fresh") << fresh << 0 << true << int(RankingStore::SaveResult::Saved) << 0;
        QTest::newRow("first game, another's first") << Ranking::render(Ranking::inserted(Ranking::freshTable(), 0, "x", 0))
                                                    << 0 << true << int(RankingStore::SaveResult::NoLongerRanks) << -1;
        QTest::newRow("deleted meanwhile") << QByteArray() << 0 << false << int(RankingStore::SaveResult::Saved) << 0;
    }

    // A confirmed name goes where it ranks in the file as another game may have left it.
    void insertWhereItRanksNow()
    {
        QFETCH(QByteArray, now);
        QFETCH(int, score);
        QFETCH(bool, firstGame);
        QFETCH(int, result);
        QFETCH(int, rankPos);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("kobu1.tmp"));
        QVERIFY(now.isEmpty() || writeFile(path, now));
        const RankingStore::Save save = RankingStore(path).insert(Full, QStringLiteral("new"), score, firstGame);
        QCOMPARE(int(save.result), result);
        RankingTable found = Full;
        Ranking::parseInto(found, now.isEmpty() ? Ranking::freshFile() : now);
        QCOMPARE(save.table, found);
        QCOMPARE(contents(path),
                 rankPos < 0 ? now : Ranking::render(Ranking::inserted(found, rankPos, QStringLiteral("new"), score)));
        QVERIFY(!QFileInfo::exists(RankingStore(path).lockPath()));
    }

    void badLock_data()
    {
        QTest::addColumn<QString>("path"); // relative ones are made in a temporary folder
        QTest::addColumn<QString>("lock"); // what stands where the lock goes
        QTest::addColumn<bool>("saved");
        QTest::newRow("a folder even root cannot write") << "/proc/kobu1.tmp" << QString() << false;
        QTest::newRow("a file where the folder should be") << "file/kobu1.tmp" << "file" << false;
        QTest::newRow("held by a dead game") << "kobu1.tmp" << "dead" << true;
        QTest::newRow("no lock file at all, but a folder") << "kobu1.tmp" << "folder" << false;
    }

    // Nothing hangs and nothing is lost: either the save goes through or the file is as it was.
    void badLock()
    {
        QFETCH(QString, path);
        QFETCH(QString, lock);
        QFETCH(bool, saved);
        QTemporaryDir folder;
        if (!path.startsWith(u'/'))
            path = folder.filePath(path);
        const RankingStore store(path, std::chrono::milliseconds(300));
        if (lock == "file")
            QVERIFY(writeFile(folder.filePath(lock), "x"));
        if (lock == "folder")
            QVERIFY(QDir().mkdir(store.lockPath()));
        if (lock == "dead") {
            QVERIFY(writeFile(path, Ranking::render(Full)));
            const pid_t child = fork();
            if (child == 0) {
                QLockFile held(store.lockPath());
                _exit(held.tryLock() ? 0 : 1); // leaves the lock file behind
            }
            int status = 0;
            QVERIFY(waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0);
            QVERIFY(QFileInfo::exists(store.lockPath()));
        }
        const QByteArray before = contents(path);
        const RankingStore::Save save = store.insert(Full, QStringLiteral("new"), 95, false);
        QCOMPARE(save.result == RankingStore::SaveResult::Saved, saved);
        QCOMPARE(contents(path), saved ? Ranking::render(Ranking::inserted(Full, 1, QStringLiteral("new"), 95)) : before);
    }

    // Another program keeps growing and shrinking the file on its own handle while games read and save it.
    void fileChangingSizeWhileRead()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("kobu1.tmp"));
        const QByteArray table = Ranking::render(Full);
        const RankingTable base = Ranking::freshTable();
        int saved = 0;
        for (int round = 0; round < 20; ++round) {
            QVERIFY(writeFile(path, table));
            QFile other(path);
            QVERIFY(other.open(QIODevice::ReadWrite | QIODevice::Unbuffered));
            std::atomic<bool> stop = false;
            std::thread resizer([&] {
                std::mt19937 random(round);
                while (!stop) {
                    other.resize(table.size() + std::uniform_int_distribution<int>(0, 1 << 20)(random));
                    other.resize(table.size());
                }
            });
            for (int read = 0; read < 10; ++read) {
                RankingTable found = base;
                const RankingStore::ReadResult result = RankingStore(path).read(found);
                QVERIFY(result == RankingStore::ReadResult::Unreadable || found == Full);
            }
            const RankingStore::Save save = RankingStore(path).insert(base, QStringLiteral("new"), 95, false);
            stop = true;
            resizer.join();
            QVERIFY(save.result != RankingStore::SaveResult::NoLongerRanks);
            saved += save.result == RankingStore::SaveResult::Saved;
            QCOMPARE(contents(path), save.result == RankingStore::SaveResult::Saved
                                         ? Ranking::render(Ranking::inserted(Full, 1, QStringLiteral("new"), 95))
                                         : table);
        }
        qInfo("%d of 20 saves went through while the file changed size", saved);
    }

    // Games on one file, all confirming at the same moment, round after round: every score that
    // ranks among all of them is in the file, which always reads as ten lines.
    void concurrentSaves()
    {
        constexpr int Games = 8;
        const int rounds = qEnvironmentVariableIntValue("KOBU_SAVE_ROUNDS") > 0
            ? qEnvironmentVariableIntValue("KOBU_SAVE_ROUNDS") : 40;
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("kobu1.tmp"));
        QVERIFY(writeFile(path, Ranking::freshFile()));
        std::vector<std::int32_t> scores(std::size_t(Games * rounds));
        std::iota(scores.begin(), scores.end(), 1);
        std::shuffle(scores.begin(), scores.end(), std::mt19937(7));
        const auto scoreOf = [&](int game, int round) { return scores[std::size_t(round * Games + game)]; };

        std::array<Child, Games> games;
        for (int game = 0; game < Games; ++game) {
            games[game] = Child::fork([&, game](int go, int done) {
                for (int round = 0; round < rounds; ++round) {
                    char byte = 0;
                    if (read(go, &byte, 1) != 1)
                        return;
                    const std::int32_t score = scoreOf(game, round);
                    const RankingStore::Save save = RankingStore(path).insert(
                        Ranking::freshTable(), QStringLiteral("g%1").arg(score), score, false);
                    byte = char(save.result);
                    if (write(done, &byte, 1) != 1)
                        return;
                }
            });
        }
        std::vector<std::int32_t> inserted;
        for (int round = 0; round < rounds; ++round) {
            for (Child &game : games)
                QVERIFY(game.signal());
            std::array<bool, Games> answered{};
            while (!std::all_of(answered.begin(), answered.end(), std::identity())) {
                QVERIFY(isWholeRankingFile(contents(path)));
                for (int game = 0; game < Games; ++game) {
                    const int result = answered[game] ? -1 : games[game].answer();
                    QVERIFY(result != int(RankingStore::SaveResult::Failed));
                    answered[game] = answered[game] || result >= 0;
                }
            }
            for (int game = 0; game < Games; ++game)
                inserted.push_back(scoreOf(game, round));
            std::sort(inserted.begin(), inserted.end(), std::greater<>());
            RankingTable expected = Ranking::freshTable();
            for (int i = 0; i < qMin(Ranking::Entries, int(inserted.size())); ++i)
                expected[i] = RankingEntry{QStringLiteral("g%1").arg(inserted[i]), inserted[i]};
            RankingTable found = Ranking::freshTable();
            Ranking::parseInto(found, contents(path));
            QCOMPARE(found, expected);
            QVERIFY(isWholeRankingFile(contents(path)));
        }
        for (Child &game : games)
            QVERIFY(game.finish());
        qInfo("%d games x %d rounds", Games, rounds);
    }

    // A game killed at any moment of a save leaves the table before or the table after, and no
    // lock in the way of the next save.
    void killedWhileSaving()
    {
        const int kills = qEnvironmentVariableIntValue("KOBU_SAVE_KILLS") > 0
            ? qEnvironmentVariableIntValue("KOBU_SAVE_KILLS") : 200;
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("kobu1.tmp"));
        QVERIFY(writeFile(path, Ranking::render(Full)));
        const RankingStore store(path);
        // Each save puts one point more than the best score at the top.
        const auto nextFile = [](const QByteArray &file) {
            RankingTable table = Ranking::freshTable();
            Ranking::parseInto(table, file);
            const std::int32_t score = table[0].score + 1;
            return Ranking::render(Ranking::inserted(table, 0, QStringLiteral("k%1").arg(score), score));
        };
        const auto saveNext = [&] {
            RankingTable table = Ranking::freshTable();
            store.read(table);
            const std::int32_t score = table[0].score + 1;
            return store.insert(table, QStringLiteral("k%1").arg(score), score, false).result;
        };
        std::mt19937 random(12);
        int cutShort = 0;
        for (int kill = 0; kill < kills; ++kill) {
            const QByteArray before = contents(path);
            Child saver = Child::fork([&](int, int done) {
                for (;;) {
                    const char byte = char(saveNext());
                    if (write(done, &byte, 1) != 1)
                        return;
                }
            });
            std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution(0, 3000)(random)));
            QVERIFY(saver.kill());
            const int completed = saver.savesReported();
            QByteArray expected = before;
            for (int i = 0; i < completed; ++i)
                expected = nextFile(expected);
            const QByteArray after = contents(path);
            cutShort += after != expected;
            QVERIFY2(after == expected || after == nextFile(expected), QByteArray::number(kill));
            QCOMPARE(saveNext(), RankingStore::SaveResult::Saved);
        }
        // No lock is left behind. A kill in the instant between the atomic writer linking its
        // copy and renaming it over leaves that whole copy beside the file, never in its place.
        QStringList left = QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        QVERIFY(left.removeAll(QStringLiteral("kobu1.tmp")) == 1);
        QCOMPARE(left.filter(QRegularExpression(QStringLiteral("^kobu1\\.tmp\\.\\w{6}$"))), left);
        qInfo("%d kills survived: %d left the table after the save under way, %d a copy beside it", kills, cutShort,
              int(left.size()));
    }
};

QTEST_GUILESS_MAIN(tst_Ranking)
#include "tst_ranking.moc"
