#include "grades/gradeselection.h"
#include "grades/stepbystep.h"
#include "history/gamerecorder.h"
#include "history/historycommands.h"
#include "history/historycsv.h"
#include "history/historystore.h"
#include "history/whenanswered.h"
#include "testfiles.h"

#include <QSqlQuery>
#include <QtTest>

#include <csignal>
#include <random>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace History;
using Recordings = std::vector<HistoryWriter::Recording>;
using GradeAndStep = std::pair<int, int>; // step 0: not step by step

Q_DECLARE_METATYPE(EditResult)

namespace {

constexpr int Kills = 200;
// A judgement handed over this long before a kill is on disk.
constexpr qint64 SafeAfterMs = 100;

const QDateTime Noon(QDate(2026, 12, 7), QTime(12, 0), Qt::UTC);
const GameSettings Mandarin{1, QStringLiteral("zh_CN"), Voice::BuiltIn, true};

HistoryWriter::Options optionsFor(const QTemporaryDir &folder, std::optional<QString> player = {})
{
    return HistoryWriter::Options{folder.path() + u'/', std::move(player), folder.filePath(QStringLiteral("kobu.ini")), {}};
}

// A game: asked 3, a miss with 2, the retry right; asked 5, an eleventh monkey, then right.
Recordings sampleGame(const QDateTime &started)
{
    return {HistoryWriter::GameStart{started, Mandarin},
            Judgement{1, 1, 3, 2, false, 4.25, 1},       Judgement{1, 2, 3, 3, true, 7.5, 1},
            Judgement{2, 1, 5, Overload, false, 9.125, 0}, Judgement{2, 2, 5, 5, true, 12, 0},
            HistoryWriter::GameEnd{20, started.addSecs(30)}};
}

// Sample games a minute apart from noon, as the player, in a history closed afterwards.
void playGames(const QTemporaryDir &folder, const QString &player, int games)
{
    HistoryWriter writer(optionsFor(folder, player));
    writer.open();
    for (int game = 0; game < games; ++game)
        QVERIFY(writer.write(sampleGame(Noon.addSecs(game * 60))));
}

// Straight SQL on the file, as a researcher with sqlite3 would.
QVariant ask(const QString &path, const QString &statement)
{
    QVariant answer;
    {
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("look")).setDatabaseName(path);
        QSqlQuery query(statement, QSqlDatabase::database(QStringLiteral("look")));
        answer = query.next() ? query.value(0) : QVariant();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("look"));
    return answer;
}

// Judgements on file whose game and player meet the condition.
int judgementsWhere(const QString &path, const QString &condition = QStringLiteral("1"))
{
    return ask(path, "SELECT count(*) FROM judgements j JOIN games g ON g.id = j.game JOIN players p ON p.id = g.player"
                     " WHERE " + condition).toInt();
}

const QString CsvHeader = QStringLiteral("player,game_started,question,try,asked,given,correct,seconds,unloads,grade,language,voice\r\n");
const QString GoodRow = QStringLiteral("小明,2026-12-07T12:00:00.000Z,1,1,3,3,1,1.500,0,1,zh_CN,built-in");

// A header, a good row and then the bad one.
QByteArray withBadRow(const QString &row)
{
    return (CsvHeader + GoodRow + "\r\n" + row + "\r\n").toUtf8();
}

QString describe(const std::vector<Player> &players)
{
    QStringList described;
    for (const Player &player : players)
        described << QStringLiteral("%1:%2:%3").arg(player.name).arg(player.picture).arg(player.grade);
    return described.join(u' ');
}

} // namespace

class tst_History : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void edits_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<EditResult>("result");
        QTest::addColumn<QString>("players");
        const QString longest = QString(MaxNameLength, u'猴');
        const QString emoji = QString::fromUtf8("🐒").repeated(MaxNameLength); // 48 UTF-16 units
        QTest::newRow("add blank") << "add" << QVariant("  ") << EditResult::InvalidName << "小明:0:1 Ann:0:1";
        QTest::newRow("add 24") << "add" << QVariant(longest) << EditResult::Done << "小明:0:1 Ann:0:1 " + longest + ":0:1";
        QTest::newRow("add 25") << "add" << QVariant(longest + "猴") << EditResult::InvalidName << "小明:0:1 Ann:0:1";
        QTest::newRow("add 24 outside the BMP") << "add" << QVariant(emoji) << EditResult::Done << "小明:0:1 Ann:0:1 " + emoji + ":0:1";
        QTest::newRow("add taken") << "add" << QVariant("Ann") << EditResult::NameTaken << "小明:0:1 Ann:0:1";
        QTest::newRow("rename") << "rename" << QVariant("小红") << EditResult::Done << "小红:0:1 Ann:0:1";
        QTest::newRow("rename to own") << "rename" << QVariant("小明") << EditResult::Done << "小明:0:1 Ann:0:1";
        QTest::newRow("rename taken") << "rename" << QVariant("Ann") << EditResult::NameTaken << "小明:0:1 Ann:0:1";
        QTest::newRow("rename nobody") << "rename nobody" << QVariant("Zed") << EditResult::NoSuchPlayer << "小明:0:1 Ann:0:1";
        QTest::newRow("picture 7") << "picture" << QVariant(7) << EditResult::Done << "小明:7:1 Ann:0:1";
        QTest::newRow("picture 8") << "picture" << QVariant(8) << EditResult::InvalidValue << "小明:0:1 Ann:0:1";
        QTest::newRow("picture -1") << "picture" << QVariant(-1) << EditResult::InvalidValue << "小明:0:1 Ann:0:1";
        QTest::newRow("grade 4") << "grade" << QVariant(4) << EditResult::Done << "小明:0:4 Ann:0:1";
        QTest::newRow("grade 5") << "grade" << QVariant(5) << EditResult::InvalidValue << "小明:0:1 Ann:0:1";
        QTest::newRow("grade 0") << "grade" << QVariant(0) << EditResult::InvalidValue << "小明:0:1 Ann:0:1";
        QTest::newRow("remove") << "remove" << QVariant() << EditResult::Done << "Ann:0:1";
    }

    // The first history's default player, renamed 小明, and Ann, named once and remembered, have a game each.
    // Every edit leaves the others' history alone; removal takes all of theirs.
    void edits()
    {
        QFETCH(QString, edit);
        QFETCH(QVariant, value);
        QFETCH(EditResult, result);
        QFETCH(QString, players);
        QTemporaryDir folder;
        {
            HistoryWriter writer(optionsFor(folder));
            QVERIFY(writer.open().fine());
            QCOMPARE(writer.currentPlayer()->name, HistoryWriter::defaultPlayerName());
            QCOMPARE(writer.database().renamePlayer(writer.currentPlayer()->id, "小明"), EditResult::Done);
            QVERIFY(writer.write(sampleGame(Noon)));
        }
        playGames(folder, QStringLiteral("Ann"), 1);
        HistoryWriter writer(optionsFor(folder));
        writer.open();
        QCOMPARE(writer.currentPlayer()->name, "Ann");
        QCOMPARE(ask(folder.filePath("history.sqlite"), "PRAGMA journal_mode").toString(), "wal");
        HistoryDatabase &database = writer.database();
        const std::int64_t id = database.playerNamed(QStringLiteral("小明"))->id;
        const std::map<QString, std::function<EditResult()>> edits{
            {"add", [&] { return database.addPlayer(value.toString()); }},
            {"rename", [&] { return writer.renamePlayer(id, value.toString()); }},
            {"rename nobody", [&] { return writer.renamePlayer(99, value.toString()); }},
            {"picture", [&] { return database.setPicture(id, value.toInt()); }},
            {"grade", [&] { return database.setGrade(id, value.toInt()); }},
            {"remove", [&] { return database.removePlayer(id); }},
        };
        QCOMPARE(edits.at(edit)(), result);
        QCOMPARE(describe(database.players()), players);
        QCOMPARE(judgementsWhere(database.path()), edit == "remove" ? 4 : 8);
    }

    // What the parents' corner reads back: first tries in order, games newest first, days and weeks.
    void reads()
    {
        QTemporaryDir folder;
        HistoryWriter writer(optionsFor(folder, QStringLiteral("小明")));
        writer.open();
        HistoryDatabase &database = writer.database();
        const QDate today = QDate::currentDate();
        const auto localNoon = [today](int daysAgo) { return QDateTime(today.addDays(-daysAgo), QTime(12, 0)); };
        // Just past 30 days, at their edge, yesterday and today; then a game cut off after its third first try.
        for (const int daysAgo : {30, 29, 1, 0})
            QVERIFY(writer.write(sampleGame(localNoon(daysAgo))));
        Recordings unfinished = sampleGame(localNoon(0).addSecs(60));
        unfinished.back() = Judgement{3, 1, 9, 9, true, 1.5, 2};
        QVERIFY(writer.write(unfinished));
        writer.choosePlayer(QStringLiteral("Ann"));
        QVERIFY(writer.write(sampleGame(localNoon(0))));
        const std::int64_t id = database.playerNamed(QStringLiteral("小明"))->id;

        const std::vector<FirstTry> tries = database.firstTries(id);
        QCOMPARE(tries.size(), 4u * 2 + 3);
        QCOMPARE(std::vector(tries.end() - 3, tries.end()), (std::vector<FirstTry>{{3, 2}, {5, Overload}, {9, 9}}));

        const std::vector<GameSummary> games = database.lastGames(id, 3);
        QCOMPARE(games.size(), 3u);
        QCOMPARE(std::tie(games[0].started, games[0].ended, games[0].score, games[0].questions, games[0].rightFirstTime),
                 std::tuple(localNoon(0).addSecs(60).toUTC(), QDateTime(), std::optional<int>(), 3, 1));
        QCOMPARE(std::tie(games[1].ended, games[1].score, games[1].questions, games[1].rightFirstTime, games[1].settings),
                 std::tuple(localNoon(0).addSecs(30).toUTC(), std::optional(20), 2, 0, Mandarin));

        std::vector<DayCount> days = database.questionsPerDay(id, today, 30);
        std::erase_if(days, [](const DayCount &day) { return day.questions == 0; });
        QCOMPARE(days, (std::vector<DayCount>{{today.addDays(-29), 2}, {today.addDays(-1), 2}, {today, 5}}));

        const std::vector<WeekAccuracy> weeks = database.accuracyPerWeek(id, today, 12);
        const QDate monday = today.addDays(1 - today.dayOfWeek());
        QCOMPARE(std::pair(weeks.front().monday, weeks.back().monday), std::pair(monday.addDays(-77), monday));
        std::pair sum(0, 0);
        for (const WeekAccuracy &week : weeks)
            sum = {sum.first + week.questions, sum.second + week.rightFirstTime};
        QCOMPARE(sum, std::pair(11, 1));
    }

    void damaged_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("random bytes") << "random";
        QTest::newRow("truncated") << "truncated";
        QTest::newRow("zero length") << "empty";
        QTest::newRow("someone else's SQLite file") << "foreign";
    }

    // Set aside under a new name, byte for byte; a fresh history takes its place and says so.
    void damaged()
    {
        QFETCH(QString, damage);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("history.sqlite"));
        playGames(folder, QStringLiteral("小明"), 40);
        QByteArray bytes = contents(path);
        const QByteArray random(bytes.size(), char(QRandomGenerator::global()->generate()));
        bytes = damage == "random" ? random : damage == "truncated" ? bytes.left(bytes.size() / 2) : damage == "empty" ? "" : bytes;
        QVERIFY(writeFile(path, bytes));
        if (damage == "foreign") {
            QVERIFY(QFile::remove(path));
            ask(path, "CREATE TABLE recipes (name TEXT)");
            bytes = contents(path);
        }

        HistoryWriter writer(optionsFor(folder));
        const Health health = writer.open();
        const QString setAside = health.damagedSetAside.join(u'|');
        QVERIFY2(QRegularExpression("^history\\.sqlite\\.damaged-\\d{8}T\\d{6}Z$").match(setAside).hasMatch(), qPrintable(setAside));
        QCOMPARE(contents(folder.filePath(setAside)), bytes);
        QVERIFY(writer.write(sampleGame(Noon)));
        QCOMPARE(judgementsWhere(path), 4);
    }

    void noRoom_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<int>("firstTries"); // still read from what stands there; -1: no matter
        QTest::newRow("a pipe for the file") << "fifo" << 0;
        QTest::newRow("a folder nobody may write") << "unwritable" << 0;
        QTest::newRow("a full disk, fresh") << "full fresh" << 0;
        QTest::newRow("a full disk, file there") << "full" << -1;
        QTest::newRow("a newer game's file") << "newer" << 2;
    }

    // The history cannot be kept: it says why, never waits, reads what it can and leaves what stands there alone.
    void noRoom()
    {
        QFETCH(QString, obstacle);
        QFETCH(int, firstTries);
        QTemporaryDir temporary;
        const QString folder = obstacle == "unwritable" ? QStringLiteral("/proc/self/") : temporary.path() + u'/'; // even for root
        const QString path = folder + "history.sqlite";
        QVERIFY(obstacle != "fifo" || mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        if (obstacle == "full" || obstacle == "newer")
            playGames(temporary, QStringLiteral("小明"), 1);
        if (obstacle == "newer") {
            ask(path, QStringLiteral("PRAGMA user_version = %1").arg(HistoryDatabase::SchemaVersion + 1));
            ask(path, "PRAGMA journal_mode = DELETE");
        }
        const QByteArray before = contents(path);

        // In a process of its own, whose files cannot grow past a few bytes.
        const pid_t child = fork();
        if (child == 0) {
            if (obstacle.startsWith("full")) {
                std::signal(SIGXFSZ, SIG_IGN);
                const rlimit limit{256, 256};
                setrlimit(RLIMIT_FSIZE, &limit);
            }
            HistoryWriter writer({folder, QStringLiteral("小明"), temporary.filePath("kobu.ini"), {}});
            writer.open();
            const auto player = writer.currentPlayer();
            // In this order: what was read, then a game written and a player added, then what it says.
            QList<bool> faults{firstTries >= 0 && (player ? writer.database().firstTries(player->id).size() : 0) != std::size_t(firstTries),
                               writer.write(sampleGame(Noon.addSecs(60))), writer.database().addPlayer("Ann") != EditResult::CannotWrite};
            const Health after = writer.database().health();
            faults << after.canWrite << after.whyNot.isEmpty() << !after.damagedSetAside.isEmpty();
            _exit(int(faults.indexOf(true) + 1)); // the first fault's place, from 1; 0 for none
        }
        int status = -1;
        QCOMPARE(waitpid(child, &status, 0), child);
        QCOMPARE(WEXITSTATUS(status), 0);
        QCOMPARE(contents(path), before);
    }

    // The recorder hands a game to the store's own thread, begun before the file is open and timed from each
    // number's appearance across a miss; it is read back in order, and leaving writes what was handed over.
    // A question asked before the file is open is answered from it; one asked of a store never opened, never.
    void recordedThroughTheStore()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("history.sqlite");
        {
            HistoryStore store;
            QSignalSpy changed(&store, &HistoryStore::historyChanged);
            GameRecorder recorder(store, QStringLiteral("zh_HK"));
            recorder.gameStarted(1, false);
            const QFuture<std::optional<Player>> askedBefore = store.currentPlayer();
            store.open([&folder] { return optionsFor(folder, QStringLiteral("小明")); });
            QCOMPARE(askedBefore.result().value_or(Player{}).name, "小明");
            recorder.questionAsked();
            QTest::qSleep(300);
            recorder.judged(Judgement{1, 1, 3, 2, false, 0, 1});
            QTest::qSleep(200);
            recorder.judged(Judgement{1, 2, 3, 3, true, 0, 1});
            recorder.questionAsked();
            recorder.judged(Judgement{2, 1, 5, Overload, false, 0, 0});
            recorder.gameEnded(20);
            const std::optional<Player> player = store.currentPlayer().result();
            QCOMPARE(store.firstTries(player->id).result(), (std::vector<FirstTry>{{3, 2}, {5, Overload}}));
            const GameSummary game = store.lastGames(player->id).result().front();
            QCOMPARE(std::tie(game.settings.language, game.settings.countingAloud, game.score), std::tuple("zh_HK", false, 20));
            QVERIFY(changed.wait());
            QCOMPARE(store.renamePlayer(player->id, "小红").result(), EditResult::Done);
            recorder.gameStarted(1, true);
            recorder.judged(Judgement{1, 1, 7, 7, true, 0, 0});
        }
        QCOMPARE(judgementsWhere(path), 4);
        const auto seconds = [&path](const QString &where) { return ask(path, "SELECT seconds FROM judgements WHERE " + where).toDouble(); };
        const double first = seconds("asked = 3 AND try = 1"), retry = seconds("asked = 3 AND try = 2"), next = seconds("asked = 5");
        QVERIFY2(first >= 0.3 && retry >= first + 0.2 && next < first, qPrintable(QStringLiteral("%1 %2 %3").arg(first).arg(retry).arg(next)));
        HistoryWriter writer(optionsFor(folder));
        writer.open();
        QCOMPARE(writer.currentPlayer()->name, "小红");
        QVERIFY([] { return HistoryStore().players(); }().isCanceled());
    }

    // Killed at random moments, a game leaves a whole file with every judgement handed over 100 ms before.
    void kills()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("history.sqlite"));
        const quint32 seed = QRandomGenerator::global()->generate();
        std::mt19937 random(seed);
        std::uniform_int_distribution<int> lifetimeMs(0, 300);
        int checked = 0;
        for (int kill = 0; kill < Kills; ++kill) {
            QProcess player;
            player.start(QStringLiteral(HISTORY_PLAYER), {folder.path() + u'/', QStringLiteral("小明"), "100000", "4"});
            while (!player.canReadLine())
                QVERIFY(player.waitForReadyRead(30000));
            QCOMPARE(player.readLine(), "playing\n");
            QElapsedTimer clock;
            clock.start();
            const qint64 killAt = lifetimeMs(random);
            QByteArray safe; // the last judgement printed early enough
            for (qint64 left = killAt; left > 0; left = killAt - clock.elapsed()) {
                player.waitForReadyRead(int(left));
                while (player.canReadLine()) {
                    const QByteArray line = player.readLine().trimmed();
                    if (clock.elapsed() < killAt - SafeAfterMs)
                        safe = line;
                }
            }
            ::kill(pid_t(player.processId()), SIGKILL);
            QVERIFY(player.waitForFinished());
            QCOMPARE(ask(path, "PRAGMA integrity_check").toString(), "ok");
            if (safe.isEmpty())
                continue;
            const QList<QByteArray> startAndQuestion = safe.split(' ');
            const QString held = QStringLiteral("g.started = '%1' AND j.question <= %2").arg(startAndQuestion[0], startAndQuestion[1]);
            QVERIFY2(judgementsWhere(path, held) == startAndQuestion[1].toInt(),
                     qPrintable(QStringLiteral("kill %1 after %2 ms, seed %3: %4").arg(kill).arg(killAt).arg(seed).arg(safe)));
            ++checked;
        }
        QVERIFY2(checked > Kills / 2, qPrintable(QString::number(checked)));
    }

    // Two games at once in one folder, as two players: both histories whole.
    void twoGamesAtOnce()
    {
        QTemporaryDir folder;
        constexpr int Judgements = 300;
        std::array<QProcess, 2> games;
        const QStringList players{QStringLiteral("小明"), QStringLiteral("Ann")};
        for (int i = 0; i < 2; ++i)
            games[i].start(QStringLiteral(HISTORY_PLAYER), {folder.path() + u'/', players[i], QString::number(Judgements), "1"});
        for (QProcess &game : games)
            QVERIFY(game.waitForFinished(120000));
        for (const QString &player : players)
            QCOMPARE(judgementsWhere(folder.filePath("history.sqlite"), QStringLiteral("p.name = '%1' AND g.score = %2").arg(player).arg(Judgements * 10)),
                     Judgements);
    }

    // Export, import into an empty history twice, export: byte for byte, awkward names and all. Then the progress
    // per player (games, questions, level, first tries by number), saying when a history was damaged or cannot be kept.
    void commands()
    {
        QTemporaryDir from;
        QTemporaryDir to;
        playGames(from, QStringLiteral("a,\"b\"\nc"), 1);
        playGames(from, QStringLiteral("小明"), 2);
        const QString exported = to.filePath("history.csv");
        QCOMPARE(HistoryCommands::exportCsv(from.path() + u'/', exported), 0);
        const QByteArray bytes = contents(exported);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF" + CsvHeader.toUtf8()));
        QVERIFY(bytes.contains("\"a,\"\"b\"\"\nc\",2026-12-07T12:00:00.000Z,1,2,3,3,1,7.500,1,1,zh_CN,built-in\r\n"));
        QVERIFY(bytes.contains("\r\n小明,2026-12-07T12:01:00.000Z,2,1,5,11,0,9.125,0,1,zh_CN,built-in\r\n"));
        for (int time = 0; time < 2; ++time)
            QCOMPARE(HistoryCommands::importCsv(to.path() + u'/', exported), 0);
        HistoryDatabase imported(to.path() + u'/');
        imported.open();
        QCOMPARE(HistoryCsv::write(imported.allJudgements()), bytes);

        QVERIFY(writeFile(from.filePath("history.sqlite.damaged-20261201T080000Z"), "x"));
        HistoryDatabase history(from.path() + u'/');
        history.open();
        const QString text = HistoryCommands::progressText(history);
        QVERIFY2(text.startsWith("历史文件坏了，已经移到一边，保存为 history.sqlite.damaged-20261201T080000Z，"), qPrintable(text));
        QVERIFY2(text.contains("\n小明\n  玩了 2 局，答了 4 题\n  数字认知水平：0\n  第一次就答对：\n     1：还没问过\n"), qPrintable(text));
        QVERIFY2(text.contains("\n     3：0/2（0%）\n     4：还没问过\n     5：0/2（0%）\n"), qPrintable(text));
        HistoryDatabase unwritable(QStringLiteral("/proc/self/"));
        unwritable.open();
        QVERIFY2(HistoryCommands::progressText(unwritable).startsWith("历史无法保存："), qPrintable(HistoryCommands::progressText(unwritable)));
    }

    void badCsv_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("error");
        QTest::newRow("empty") << QByteArray() << "第1行：标题行应该是";
        QTest::newRow("no header") << GoodRow.toUtf8() << "第1行：标题行应该是";
        QTest::newRow("a field short") << withBadRow(GoodRow.section(u',', 0, 10)) << "第3行：这一行有11个字段";
        // Each column's first value out of bounds, or one that does not read.
        const QStringList columns = CsvHeader.trimmed().split(u',');
        const std::pair<int, QString> badFields[]{
            {0, " "}, {0, QString(25, u'猴')}, {1, "yesterday"}, {2, "0"}, {3, "x"}, {4, "0"}, {4, "11"}, {5, "-1"}, {5, "12"},
            {6, "2"}, {7, "-1"}, {7, "inf"}, {8, "-1"}, {9, "5"}, {9, "0"}, {10, "fr"}, {11, "robot"}};
        for (const auto &[column, value] : badFields) {
            QStringList fields = GoodRow.split(u',');
            fields[column] = value;
            QTest::addRow("%s %s", qPrintable(columns[column]), qPrintable(value))
                << withBadRow(fields.join(u',')) << QStringLiteral("第3行：“%1”列的值“%2”不对").arg(columns[column], value);
        }
        QTest::newRow("open quote") << withBadRow(u'"' + GoodRow) << "第3行：";
        QTest::newRow("not UTF-8") << (CsvHeader.toUtf8() + "\r\n\r\n\xff\xfe,1\r\n") << "第4行：";
    }

    // A bad file is refused whole, with its line, and nothing of it is written.
    void badCsv()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, error);
        const HistoryCsv::Reading reading = HistoryCsv::read(file);
        QVERIFY2(reading.error.startsWith(error), qPrintable(reading.error));
        QTemporaryDir folder;
        QVERIFY(writeFile(folder.filePath("bad.csv"), file));
        QCOMPARE(HistoryCommands::importCsv(folder.path() + u'/', folder.filePath("bad.csv")), HistoryCommands::Refused);
        QVERIFY(!QFileInfo::exists(folder.filePath("history.sqlite")));
    }

    // A window closed, or a history closed, before the answer comes: nothing is heard and nothing breaks.
    void answersOutliveWhoAsked()
    {
        QTemporaryDir folder;
        QObject listener;
        int heard = 0;
        const auto hear = [&heard](const std::vector<Player> &) { ++heard; };
        {
            HistoryStore closedUnopened;
            whenAnswered(closedUnopened.players(), &listener, hear);
        }
        HistoryStore store;
        {
            QObject gone;
            whenAnswered(store.players(), &gone, hear);
        }
        whenAnswered(store.players(), &listener, hear);
        store.open([&folder] { return optionsFor(folder); });
        QTRY_COMPARE(heard, 1);
        QTest::qWait(50);
        QCOMPARE(heard, 1);
    }

    void gradeSelection_data()
    {
        QTest::addColumn<int>("playersGrade");
        QTest::addColumn<int>("asked"); // on the command line; 0 for none
        QTest::addColumn<GradeAndStep>("chosen");
        QTest::newRow("the player's") << 2 << 0 << std::pair(2, 0);
        QTest::newRow("asked over the player's") << 4 << 3 << std::pair(3, 0);
        QTest::newRow("the player's 4, from the history") << 4 << 0 << std::pair(4, 3);
        QTest::newRow("asked 4, from the history") << 1 << 4 << std::pair(4, 3);
    }

    // Each new game plays the grade asked for, else the player's; the step-by-step one starts where the
    // player's history says: here, 1 to 3 known and 4 always missed.
    void gradeSelection()
    {
        QFETCH(int, playersGrade);
        QFETCH(int, asked);
        QFETCH(GradeAndStep, chosen);
        QTemporaryDir folder;
        HistoryStore store;
        const GradeSelection selection(store, asked ? std::optional(asked) : std::nullopt);
        store.open([&folder] { return optionsFor(folder, QStringLiteral("小明")); });
        store.beginGame(Noon, Mandarin);
        for (int question = 0; question < 24; ++question) // six of each number, 1 to 4
            store.recordJudgement(Judgement{question + 1, 1, question / 6 + 1, question < 18 ? question / 6 + 1 : 0, question < 18, 1, 0});
        store.endGame(0, Noon.addSecs(60));
        QCOMPARE(store.setGrade(store.currentPlayer().result()->id, playersGrade).result(), EditResult::Done);
        const auto chosenNow = [&selection] {
            const std::unique_ptr<Grade> next = selection.forNewGame();
            const auto *const stepByStep = dynamic_cast<const StepByStep *>(next.get());
            return std::pair(int(next->number()), stepByStep ? stepByStep->step() : 0);
        };
        QTRY_COMPARE(chosenNow(), chosen);
    }
};

QTEST_GUILESS_MAIN(tst_History)
#include "tst_history.moc"
