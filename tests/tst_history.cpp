#include "history/gamerecorder.h"
#include "history/historycommands.h"
#include "history/historycsv.h"
#include "history/historydatabase.h"
#include "history/historystore.h"
#include "history/historywriter.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QDir>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <csignal>
#include <random>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace History;
using Recordings = std::vector<HistoryWriter::Recording>;

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
            Judgement{1, 1, 3, 2, false, 4.25, 1},
            Judgement{1, 2, 3, 3, true, 7.5, 1},
            Judgement{2, 1, 5, Overload, false, 9.125, 0},
            Judgement{2, 2, 5, 5, true, 12, 0},
            HistoryWriter::GameEnd{20, started.addSecs(30)}};
}

// Nothing from a pipe, which would block.
QByteArray contents(const QString &path)
{
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Straight SQL on the file, as a researcher with sqlite3 would.
QVariant ask(const QString &path, const QString &statement)
{
    QVariant answer;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("look"));
        database.setDatabaseName(path);
        if (database.open()) {
            QSqlQuery query(statement, database);
            if (query.next())
                answer = query.value(0);
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("look"));
    return answer;
}

const QString CsvHeader = QString::fromLatin1(HistoryCsv::Header) + "\r\n";
const QString GoodRow = QStringLiteral("小明,2026-12-07T12:00:00.000Z,1,1,3,3,1,1.500,0,1,zh_CN,built-in");

// A header, a good row and then a row with one field changed (or a line of its own).
QByteArray withBadRow(int column, const QString &value)
{
    QStringList fields = GoodRow.split(u',');
    if (column < 0)
        fields = QStringList{value};
    else
        fields[column] = value;
    return (CsvHeader + GoodRow + "\r\n" + fields.join(u',') + "\r\n").toUtf8();
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

    // The default player is made once, and a named one is chosen, made if need be, and remembered.
    void choosingPlayers()
    {
        QTemporaryDir folder;
        {
            HistoryWriter writer(optionsFor(folder));
            QVERIFY(writer.open().fine());
            QCOMPARE(writer.currentPlayer()->name, HistoryWriter::defaultPlayerName());
            QCOMPARE(writer.database().renamePlayer(writer.currentPlayer()->id, "小明"), EditResult::Done);
            QVERIFY(writer.write(sampleGame(Noon)));
        }
        {
            HistoryWriter writer(optionsFor(folder, QStringLiteral("Ann")));
            writer.open();
            QCOMPARE(describe(writer.database().players()), "小明:0:1 Ann:0:1");
        }
        HistoryWriter writer(optionsFor(folder));
        writer.open();
        QCOMPARE(writer.currentPlayer()->name, "Ann");
        QCOMPARE(writer.database().firstTries(writer.database().playerNamed("小明")->id).size(), 2u);
        QCOMPARE(QFileInfo(folder.filePath("history.sqlite")).isFile(), true);
        QCOMPARE(ask(folder.filePath("history.sqlite"), "PRAGMA user_version").toInt(), HistoryDatabase::SchemaVersion);
        QCOMPARE(ask(folder.filePath("history.sqlite"), "PRAGMA journal_mode").toString(), "wal");
    }

    void edits_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<EditResult>("result");
        QTest::addColumn<QString>("players");
        const QString longest = QString(MaxNameLength, u'猴');
        QTest::newRow("add") << "add" << QVariant("Bob") << EditResult::Done << "小明:0:1 Ann:0:1 Bob:0:1";
        QTest::newRow("add empty") << "add" << QVariant("") << EditResult::InvalidName << "小明:0:1 Ann:0:1";
        QTest::newRow("add blank") << "add" << QVariant("  ") << EditResult::InvalidName << "小明:0:1 Ann:0:1";
        QTest::newRow("add 24") << "add" << QVariant(longest) << EditResult::Done << "小明:0:1 Ann:0:1 " + longest + ":0:1";
        QTest::newRow("add 25") << "add" << QVariant(longest + "猴") << EditResult::InvalidName << "小明:0:1 Ann:0:1";
        const QString emoji = QString::fromUtf8("🐒").repeated(MaxNameLength); // 48 UTF-16 units
        QTest::newRow("add 24 outside the BMP") << "add" << QVariant(emoji) << EditResult::Done
                                                << "小明:0:1 Ann:0:1 " + emoji + ":0:1";
        QTest::newRow("add taken") << "add" << QVariant("Ann") << EditResult::NameTaken << "小明:0:1 Ann:0:1";
        QTest::newRow("rename") << "rename" << QVariant("小红") << EditResult::Done << "小红:0:1 Ann:0:1";
        QTest::newRow("rename to own") << "rename" << QVariant("小明") << EditResult::Done << "小明:0:1 Ann:0:1";
        QTest::newRow("rename taken") << "rename" << QVariant("Ann") << EditResult::NameTaken << "小明:0:1 Ann:0:1";
        QTest::newRow("rename nobody") << "rename nobody" << QVariant("Zed") << EditResult::NoSuchPlayer
                                       << "小明:0:1 Ann:0:1";
        QTest::newRow("picture 7") << "picture" << QVariant(7) << EditResult::Done << "小明:7:1 Ann:0:1";
        QTest::newRow("picture 8") << "picture" << QVariant(8) << EditResult::InvalidValue << "小明:0:1 Ann:0:1";
        QTest::newRow("picture -1") << "picture" << QVariant(-1) << EditResult::InvalidValue << "小明:0:1 Ann:0:1";
        QTest::newRow("grade 4") << "grade" << QVariant(4) << EditResult::Done << "小明:0:4 Ann:0:1";
        QTest::newRow("grade 5") << "grade" << QVariant(5) << EditResult::InvalidValue << "小明:0:1 Ann:0:1";
        QTest::newRow("grade 0") << "grade" << QVariant(0) << EditResult::InvalidValue << "小明:0:1 Ann:0:1";
        QTest::newRow("remove") << "remove" << QVariant() << EditResult::Done << "Ann:0:1";
    }

    // 小明 has a game; every edit leaves the others' history alone, removal takes all of theirs.
    void edits()
    {
        QFETCH(QString, edit);
        QFETCH(QVariant, value);
        QFETCH(EditResult, result);
        QFETCH(QString, players);
        QTemporaryDir folder;
        HistoryWriter writer(optionsFor(folder, QStringLiteral("小明")));
        writer.open();
        HistoryDatabase &database = writer.database();
        QVERIFY(writer.write(sampleGame(Noon)));
        writer.choosePlayer(QStringLiteral("Ann"));
        QVERIFY(writer.write(sampleGame(Noon)));
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
        QCOMPARE(database.firstTries(id).size(), edit == "remove" ? 0u : 2u);
        QCOMPARE(ask(database.path(), "SELECT count(*) FROM judgements").toInt(), edit == "remove" ? 4 : 8);
        QCOMPARE(database.firstTries(database.playerNamed("Ann")->id).size(), 2u);
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
        // Today, yesterday, at the edge of 30 days and just past it (the oldest game first).
        for (const int daysAgo : {30, 29, 1, 0})
            QVERIFY(writer.write(sampleGame(localNoon(daysAgo))));
        Recordings unfinished = sampleGame(localNoon(0).addSecs(60));
        unfinished.pop_back();
        unfinished.push_back(Judgement{3, 1, 9, 9, true, 1.5, 2});
        QVERIFY(writer.write(unfinished));
        writer.choosePlayer(QStringLiteral("Ann"));
        QVERIFY(writer.write(sampleGame(localNoon(0))));
        const std::int64_t id = database.playerNamed(QStringLiteral("小明"))->id;

        const std::vector<FirstTry> tries = database.firstTries(id);
        QCOMPARE(tries.size(), 4u * 2 + 3);
        QCOMPARE(tries.front(), (FirstTry{3, 2}));
        QCOMPARE(tries[1], (FirstTry{5, Overload}));
        QCOMPARE(tries.back(), (FirstTry{9, 9}));

        const std::vector<GameSummary> games = database.lastGames(id, 3);
        QCOMPARE(games.size(), 3u);
        QCOMPARE(games[0].started, localNoon(0).addSecs(60).toUTC());
        QCOMPARE(games[0].score, std::nullopt);
        QVERIFY(!games[0].ended.isValid());
        QCOMPARE(std::tie(games[0].questions, games[0].rightFirstTime), std::tuple(3, 1));
        QCOMPARE(games[1].score, 20);
        QCOMPARE(games[1].ended, localNoon(0).addSecs(30).toUTC());
        QCOMPARE(std::tie(games[1].questions, games[1].rightFirstTime), std::tuple(2, 0));
        QCOMPARE(games[1].settings.language, "zh_CN");
        QCOMPARE(games[2].started, localNoon(1).toUTC());

        const std::vector<DayCount> days = database.questionsPerDay(id, today, 30);
        QCOMPARE(days.size(), 30u);
        QCOMPARE(days.front(), (DayCount{today.addDays(-29), 2}));
        QCOMPARE(days[28], (DayCount{today.addDays(-1), 2}));
        QCOMPARE(days.back(), (DayCount{today, 5}));
        int questions = 0;
        for (const DayCount &day : days)
            questions += day.questions;
        QCOMPARE(questions, 9);

        const std::vector<WeekAccuracy> weeks = database.accuracyPerWeek(id, today, 12);
        QCOMPARE(weeks.size(), 12u);
        QCOMPARE(weeks.back().monday, today.addDays(1 - today.dayOfWeek()));
        QCOMPARE(weeks.front().monday, weeks.back().monday.addDays(-77));
        int asked = 0;
        int right = 0;
        for (const WeekAccuracy &week : weeks) {
            asked += week.questions;
            right += week.rightFirstTime;
        }
        QCOMPARE(std::tie(asked, right), std::tuple(11, 1));
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
        {
            HistoryWriter writer(optionsFor(folder));
            writer.open();
            for (int game = 0; game < 40; ++game)
                QVERIFY(writer.write(sampleGame(Noon.addSecs(game * 60))));
        }
        QByteArray bytes = contents(path);
        if (damage == "random")
            bytes = QByteArray(bytes.size(), '\0').replace('\0', char(QRandomGenerator::global()->generate()));
        else if (damage == "truncated")
            bytes.truncate(bytes.size() / 2);
        else if (damage == "empty")
            bytes.clear();
        QVERIFY(writeFile(path, bytes));
        if (damage == "foreign") {
            QVERIFY(QFile::remove(path));
            ask(path, "CREATE TABLE recipes (name TEXT)");
            bytes = contents(path);
        }

        HistoryWriter writer(optionsFor(folder));
        const Health health = writer.open();
        QVERIFY(health.canWrite);
        QCOMPARE(health.damagedSetAside.size(), 1);
        QVERIFY2(QRegularExpression("^history\\.sqlite\\.damaged-\\d{8}T\\d{6}Z$").match(health.damagedSetAside[0]).hasMatch(),
                 qPrintable(health.damagedSetAside[0]));
        QCOMPARE(contents(folder.filePath(health.damagedSetAside[0])), bytes);
        QVERIFY(writer.write(sampleGame(Noon)));
        QCOMPARE(writer.database().players().size(), 1u);
        QCOMPARE(ask(path, "SELECT count(*) FROM judgements").toInt(), 4);
    }

    void noRoom_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::newRow("a folder for the file") << "folder";
        QTest::newRow("a pipe for the file") << "fifo";
        QTest::newRow("a folder nobody may write") << "unwritable";
        QTest::newRow("a full disk, fresh") << "full fresh";
        QTest::newRow("a full disk, file there") << "full";
    }

    // The history cannot be kept: it says why, never waits, and leaves what stands there alone.
    void noRoom()
    {
        QFETCH(QString, obstacle);
        QTemporaryDir temporary;
        QString folder = temporary.path() + u'/';
        const QString path = folder + "history.sqlite";
        if (obstacle == "folder")
            QVERIFY(QDir().mkdir(path));
        else if (obstacle == "fifo")
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (obstacle == "unwritable")
            folder = QStringLiteral("/proc/self/"); // even for root
        else if (obstacle == "full")
            QVERIFY(HistoryWriter(optionsFor(temporary)).open().fine());
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
            const bool wrote = writer.write(sampleGame(Noon));
            const Health after = writer.database().health();
            _exit(!wrote && !after.canWrite && !after.whyNot.isEmpty() ? 0 : 1);
        }
        int status = -1;
        QCOMPARE(waitpid(child, &status, 0), child);
        QCOMPARE(WEXITSTATUS(status), 0);
        QCOMPARE(contents(path), before);
        if (obstacle == "full")
            QCOMPARE(ask(path, "PRAGMA integrity_check").toString(), "ok");
    }

    // A newer game's file is read where it can be and never changed.
    void newerVersion()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("history.sqlite"));
        {
            HistoryWriter writer(optionsFor(folder, QStringLiteral("小明")));
            writer.open();
            QVERIFY(writer.write(sampleGame(Noon)));
        }
        ask(path, QStringLiteral("PRAGMA user_version = %1").arg(HistoryDatabase::SchemaVersion + 1));
        ask(path, "PRAGMA journal_mode = DELETE");
        const QByteArray before = contents(path);

        HistoryWriter writer(optionsFor(folder));
        const Health health = writer.open();
        QVERIFY(!health.canWrite && !health.whyNot.isEmpty());
        QCOMPARE(health.damagedSetAside, QStringList());
        QCOMPARE(describe(writer.database().players()), "小明:0:1");
        QCOMPARE(writer.database().firstTries(writer.currentPlayer()->id).size(), 2u);
        QVERIFY(!writer.write(sampleGame(Noon.addSecs(60))));
        QCOMPARE(writer.database().addPlayer("Ann"), EditResult::CannotWrite);
        QCOMPARE(contents(path), before);
        QVERIFY(!QFileInfo::exists(path + "-wal"));
    }

    // The store writes on its own thread, in order, what came before open() too, and all of it on leaving.
    void store()
    {
        QTemporaryDir folder;
        const Recordings game = sampleGame(Noon);
        {
            HistoryStore store;
            QSignalSpy changed(&store, &HistoryStore::historyChanged);
            store.beginGame(Noon, Mandarin);
            store.open([&folder] { return optionsFor(folder, QStringLiteral("小明")); });
            for (std::size_t i = 1; i + 1 < game.size(); ++i)
                store.recordJudgement(std::get<Judgement>(game[i]));
            store.endGame(20, Noon.addSecs(30));
            const std::optional<Player> player = store.currentPlayer().result();
            QCOMPARE(player->name, "小明");
            QCOMPARE(store.firstTries(player->id).result(), (std::vector<FirstTry>{{3, 2}, {5, Overload}}));
            QCOMPARE(store.lastGames(player->id).result().front().score, 20);
            QVERIFY(changed.wait());
            QCOMPARE(store.renamePlayer(player->id, "小红").result(), EditResult::Done);
            store.beginGame(Noon.addSecs(60), Mandarin);
            store.recordJudgement(Judgement{1, 1, 7, 7, true, 3, 0});
        }
        QCOMPARE(ask(folder.filePath("history.sqlite"), "SELECT count(*) FROM judgements").toInt(), 5);
        HistoryWriter writer(optionsFor(folder));
        writer.open();
        QCOMPARE(writer.currentPlayer()->name, "小红");
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
            if (!QFileInfo::exists(path))
                continue;
            QCOMPARE(ask(path, "PRAGMA integrity_check").toString(), "ok");
            if (safe.isEmpty())
                continue;
            const QList<QByteArray> startAndQuestion = safe.split(' ');
            const QString held = QStringLiteral("SELECT count(*) FROM judgements j JOIN games g ON g.id = j.game"
                                                " WHERE g.started = '%1' AND j.question <= %2")
                                     .arg(startAndQuestion[0], startAndQuestion[1]);
            QVERIFY2(ask(path, held).toInt() == startAndQuestion[1].toInt(),
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
        for (QProcess &game : games) {
            QVERIFY(game.waitForFinished(120000));
            QCOMPARE(game.exitCode(), 0);
        }
        for (const QString &player : players) {
            const QString held = QStringLiteral("SELECT count(*) FROM judgements j JOIN games g ON g.id = j.game"
                                                " JOIN players p ON p.id = g.player WHERE p.name = '%1' AND g.score = %2")
                                     .arg(player).arg(Judgements * 10);
            QCOMPARE(ask(folder.filePath("history.sqlite"), held).toInt(), Judgements);
        }
    }

    // Export, import into an empty history, export: byte for byte, awkward names and all; twice adds nothing.
    void csvRoundTrip()
    {
        QTemporaryDir from;
        QTemporaryDir to;
        {
            HistoryWriter writer(optionsFor(from, QStringLiteral("a,\"b\"\nc")));
            writer.open();
            QVERIFY(writer.write(sampleGame(Noon)));
            writer.choosePlayer(QStringLiteral("小明"));
            QVERIFY(writer.write(sampleGame(Noon.addSecs(60))));
        }
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
        QCOMPARE(imported.allJudgements().size(), 8u);
        QCOMPARE(HistoryCsv::write(imported.allJudgements()), bytes);
    }

    void badCsv_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("error");
        QTest::newRow("empty") << QByteArray() << "第1行：标题行应该是";
        QTest::newRow("no header") << GoodRow.toUtf8() << "第1行：标题行应该是";
        QTest::newRow("a field short") << withBadRow(-1, GoodRow.section(u',', 0, 10)) << "第3行：这一行有11个字段";
        QTest::newRow("blank name") << withBadRow(0, " ") << "第3行：“player”列的值“ ”";
        QTest::newRow("25 characters") << withBadRow(0, QString(25, u'猴')) << "第3行：“player”";
        QTest::newRow("no time") << withBadRow(1, "yesterday") << "第3行：“game_started”";
        QTest::newRow("question 0") << withBadRow(2, "0") << "第3行：“question”";
        QTest::newRow("try x") << withBadRow(3, "x") << "第3行：“try”";
        QTest::newRow("asked 0") << withBadRow(4, "0") << "第3行：“asked”";
        QTest::newRow("asked 11") << withBadRow(4, "11") << "第3行：“asked”";
        QTest::newRow("given -1") << withBadRow(5, "-1") << "第3行：“given”";
        QTest::newRow("given 12") << withBadRow(5, "12") << "第3行：“given”";
        QTest::newRow("correct 2") << withBadRow(6, "2") << "第3行：“correct”";
        QTest::newRow("seconds -1") << withBadRow(7, "-1") << "第3行：“seconds”";
        QTest::newRow("seconds inf") << withBadRow(7, "inf") << "第3行：“seconds”";
        QTest::newRow("unloads -1") << withBadRow(8, "-1") << "第3行：“unloads”";
        QTest::newRow("grade 5") << withBadRow(9, "5") << "第3行：“grade”";
        QTest::newRow("language fr") << withBadRow(10, "fr") << "第3行：“language”";
        QTest::newRow("voice robot") << withBadRow(11, "robot") << "第3行：“voice”";
        QTest::newRow("open quote") << withBadRow(0, "\"小明") << "第3行：";
        QTest::newRow("not UTF-8") << (CsvHeader.toUtf8() + "\r\n\r\n\xff\xfe,1\r\n") << "第4行：";
    }

    // A bad file is refused whole, with its line, and nothing of it is written.
    void badCsv()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, error);
        const HistoryCsv::Reading reading = HistoryCsv::read(file);
        QVERIFY2(reading.error.startsWith(error), qPrintable(reading.error));
        QVERIFY(reading.judgements.empty());
        QTemporaryDir folder;
        QVERIFY(writeFile(folder.filePath("bad.csv"), file));
        QCOMPARE(HistoryCommands::importCsv(folder.path() + u'/', folder.filePath("bad.csv")), HistoryCommands::Refused);
        QVERIFY(!QFileInfo::exists(folder.filePath("history.sqlite")));
    }

    // Per player: games, questions, level and first tries by number; a damaged file and no room are said.
    void progress()
    {
        QTemporaryDir folder;
        {
            HistoryWriter writer(optionsFor(folder, QStringLiteral("小明")));
            writer.open();
            QVERIFY(writer.write(sampleGame(Noon)));
            QVERIFY(writer.write(sampleGame(Noon.addSecs(60))));
        }
        QVERIFY(writeFile(folder.filePath("history.sqlite.damaged-20261201T080000Z"), "x"));
        HistoryDatabase history(folder.path() + u'/');
        history.open();
        const QString text = HistoryCommands::progressText(history);
        QVERIFY2(text.startsWith("历史文件坏了，已经移到一边，保存为 history.sqlite.damaged-20261201T080000Z，"), qPrintable(text));
        QVERIFY2(text.contains("\n小明\n  玩了 2 局，答了 4 题\n  数字认知水平：0\n  第一次就答对：\n     1：还没问过\n"), qPrintable(text));
        QVERIFY2(text.contains("\n     3：0/2（0%）\n     4：还没问过\n     5：0/2（0%）\n"), qPrintable(text));
        HistoryDatabase pipe(QStringLiteral("/proc/self/"));
        pipe.open();
        QVERIFY2(HistoryCommands::progressText(pipe).startsWith("历史无法保存："), qPrintable(HistoryCommands::progressText(pipe)));
    }

    // Seconds count from the number appearing, across a miss; the game's language and settings go along.
    void recorder()
    {
        QTemporaryDir folder;
        HistoryStore store;
        store.open([&folder] { return optionsFor(folder, QStringLiteral("小明")); });
        GameRecorder recorder(store, QStringLiteral("zh_HK"));
        recorder.gameStarted(1, false);
        recorder.questionAsked();
        QTest::qSleep(300);
        recorder.judged(Judgement{1, 1, 4, 3, false, 0, 0});
        QTest::qSleep(200);
        recorder.judged(Judgement{1, 2, 4, 4, true, 0, 0});
        recorder.questionAsked();
        recorder.judged(Judgement{2, 1, 2, 2, true, 0, 0});
        recorder.gameEnded(20);
        const std::int64_t player = store.currentPlayer().result()->id;
        const GameSummary game = store.lastGames(player).result().front();
        QCOMPARE(std::tie(game.settings.language, game.settings.countingAloud, game.score), std::tuple("zh_HK", false, 20));
        const QString path = folder.filePath("history.sqlite");
        const double first = ask(path, "SELECT seconds FROM judgements WHERE question = 1 AND try = 1").toDouble();
        const double retry = ask(path, "SELECT seconds FROM judgements WHERE question = 1 AND try = 2").toDouble();
        const double next = ask(path, "SELECT seconds FROM judgements WHERE question = 2").toDouble();
        QVERIFY2(first >= 0.3 && retry >= first + 0.2 && next < first, qPrintable(QStringLiteral("%1 %2 %3").arg(first).arg(retry).arg(next)));
    }
};

QTEST_GUILESS_MAIN(tst_History)
#include "tst_history.moc"
