#include "history/historydatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <functional>
#include <map>

using namespace History;

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("HistoryDatabase", text);
}

// What every SQLite file starts with; anything else is not a history.
const QByteArray SqliteMagic("SQLite format 3\0", 16);
constexpr int SqliteHeaderBytes = 100;
// SQLite's own codes for a damaged file and for something that is no database.
constexpr int SqliteCorrupt = 11;
constexpr int SqliteNotADatabase = 26;

// Portable SQL but for WITHOUT ROWID, which keeps a judgement small in SQLite.
const char *const Schema[] = {
    "CREATE TABLE players ("
    " id INTEGER PRIMARY KEY,"
    " name TEXT NOT NULL UNIQUE,"
    " picture INTEGER NOT NULL DEFAULT 0 CHECK (picture BETWEEN 0 AND 7),"
    " grade INTEGER NOT NULL DEFAULT 1 CHECK (grade BETWEEN 1 AND 4),"
    " created TEXT NOT NULL)",
    "CREATE TABLE games ("
    " id INTEGER PRIMARY KEY,"
    " player INTEGER NOT NULL REFERENCES players (id) ON DELETE CASCADE,"
    " started TEXT NOT NULL,"
    " grade INTEGER NOT NULL,"
    " language TEXT NOT NULL,"
    " voice TEXT NOT NULL CHECK (voice IN ('built-in', 'parent')),"
    " counting_aloud INTEGER CHECK (counting_aloud IN (0, 1)),"
    " score INTEGER,"
    " ended TEXT,"
    " UNIQUE (player, started))",
    "CREATE TABLE judgements ("
    " game INTEGER NOT NULL REFERENCES games (id) ON DELETE CASCADE,"
    " question INTEGER NOT NULL,"
    " try INTEGER NOT NULL,"
    " asked INTEGER NOT NULL,"
    " given INTEGER NOT NULL,"
    " correct INTEGER NOT NULL CHECK (correct IN (0, 1)),"
    " seconds REAL NOT NULL,"
    " unloads INTEGER NOT NULL,"
    " PRIMARY KEY (game, question, try)) WITHOUT ROWID",
};

int sqliteCode(const QSqlError &error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

bool isDamage(const QSqlError &error)
{
    const int code = sqliteCode(error);
    return code == SqliteCorrupt || code == SqliteNotADatabase;
}

QString uniqueSuffix()
{
    return QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid()).arg(QRandomGenerator::global()->generate());
}

Player playerFrom(const QSqlQuery &query)
{
    return Player{query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toInt(),
                  query.value(3).toInt(), HistoryDatabase::timeFromText(query.value(4).toString())};
}

} // namespace

HistoryDatabase::HistoryDatabase(const QString &folder)
    : m_folder(folder)
    , m_path(folder + QLatin1String(FileName))
    , m_connectionName(QStringLiteral("history-%1").arg(quintptr(this)))
{
}

HistoryDatabase::~HistoryDatabase()
{
    disconnectFile();
}

QString HistoryDatabase::timeText(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

QDateTime HistoryDatabase::timeFromText(const QString &text)
{
    return QDateTime::fromString(text, Qt::ISODateWithMs).toUTC();
}

bool HistoryDatabase::connectFile(const QString &path, bool readOnly)
{
    disconnectFile();
    m_database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    m_database.setDatabaseName(path);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs);
    if (readOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    m_database.setConnectOptions(options);
    return m_database.open();
}

void HistoryDatabase::disconnectFile()
{
    if (!m_database.isValid())
        return;
    m_database.close();
    m_database = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}

bool HistoryDatabase::run(QSqlQuery &query)
{
    if (query.exec())
        return true;
    if (m_health.canWrite && !query.isSelect())
        cannotWrite(query.lastError().text());
    return false;
}

void HistoryDatabase::cannotWrite(const QString &why)
{
    m_health.canWrite = false;
    m_health.whyNot = why;
}

Health HistoryDatabase::open()
{
    m_health = Health();
    if (!QDir().mkpath(m_folder)) {
        cannotWrite(tr("无法创建文件夹 %1").arg(QDir::toNativeSeparators(m_folder)));
        return m_health;
    }
    const QFileInfo file(m_path);
    if (file.exists() && !file.isFile()) {
        // A folder or a pipe in its place is someone else's: leave it be.
        cannotWrite(tr("%1 不是普通文件").arg(QDir::toNativeSeparators(m_path)));
    } else if (!file.exists() && !makeFresh()) {
        // cannotWrite said why
    } else if (!looksLikeHistory()) {
        setAside();
        makeFresh();
    }
    if (m_health.canWrite) {
        if (!connectFile(m_path, false)) {
            cannotWrite(m_database.lastError().text());
        } else {
            QSqlQuery journal(QStringLiteral("PRAGMA journal_mode = WAL"), m_database);
            if (!journal.next() || journal.value(0).toString() != QLatin1String("wal"))
                cannotWrite(journal.lastError().isValid() ? journal.lastError().text() : tr("无法写入历史文件"));
            QSqlQuery(QStringLiteral("PRAGMA synchronous = FULL"), m_database);
            QSqlQuery(QStringLiteral("PRAGMA foreign_keys = ON"), m_database);
        }
    }
    // What cannot be written may still be read.
    if (!m_health.canWrite && QFileInfo(m_path).isFile())
        connectFile(m_path, true);
    // Compared by hand: a name filter would build a regular expression at every start.
    const QString setAside = QLatin1String(FileName) + QLatin1String(".damaged-");
    for (const QString &name : QDir(m_folder).entryList(QDir::Files, QDir::Name)) {
        if (name.startsWith(setAside, Qt::CaseInsensitive) && !name.endsWith(QLatin1String("-wal"))
            && !name.endsWith(QLatin1String("-shm")))
            m_health.damagedSetAside << name;
    }
    return m_health;
}

// Built under another name and renamed into place, so that no other game
// ever sees a half-made file; a game that made one first wins.
bool HistoryDatabase::makeFresh()
{
    const QString building = m_path + QStringLiteral(".new-") + uniqueSuffix();
    bool made = connectFile(building, false);
    QString why = m_database.lastError().text();
    if (made) {
        made = m_database.transaction();
        for (const char *statement : Schema) {
            QSqlQuery query(m_database);
            made = made && query.exec(QLatin1String(statement));
            if (!made && why.isEmpty())
                why = query.lastError().text();
        }
        QSqlQuery version(m_database);
        made = made && version.exec(QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion)) && m_database.commit();
        if (!made && why.trimmed().isEmpty())
            why = m_database.lastError().text();
    }
    disconnectFile();
    if (made && QFile::rename(building, m_path))
        return true;
    QFile::remove(building);
    QFile::remove(building + QStringLiteral("-journal"));
    if (made && QFileInfo(m_path).isFile())
        return true;
    cannotWrite(why.trimmed().isEmpty() ? tr("无法写入历史文件") : why);
    return false;
}

// Read-only first: a file that turns out to be newer must not change.
bool HistoryDatabase::looksLikeHistory()
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return true; // unreadable is not damaged; writing will say why
    if (file.read(SqliteHeaderBytes).left(SqliteMagic.size()) != SqliteMagic)
        return false;
    file.close();
    if (!connectFile(m_path, true))
        return !isDamage(m_database.lastError());
    QSqlQuery check(m_database);
    if (!check.exec(QStringLiteral("PRAGMA quick_check(1)")))
        return !isDamage(check.lastError());
    if (!check.next())
        return !isDamage(check.lastError());
    if (check.value(0).toString() != QLatin1String("ok"))
        return false;
    QSqlQuery version(QStringLiteral("PRAGMA user_version"), m_database);
    const int fileVersion = version.next() ? version.value(0).toInt() : 0;
    check.clear();
    version.clear();
    disconnectFile();
    if (fileVersion > SchemaVersion)
        cannotWrite(tr("历史文件来自较新版本的游戏，只读不写"));
    // Version 0 is an SQLite file of someone else's.
    return fileVersion > 0;
}

void HistoryDatabase::setAside()
{
    disconnectFile();
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    QString aside = m_path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = m_path + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    // Its journal goes along: replayed into a fresh file it would do harm.
    for (const QString &part : {QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        if (QFileInfo::exists(m_path + part))
            QFile::rename(m_path + part, aside + part);
    }
    if (!QFile::rename(m_path, aside))
        cannotWrite(tr("无法把损坏的历史文件移到一边"));
}

bool HistoryDatabase::beginWriting()
{
    if (!m_health.canWrite)
        return false;
    // IMMEDIATE takes the write lock up front, so two games wait in turn
    // instead of one failing in the middle.
    QSqlQuery begin(m_database);
    begin.prepare(m_database.driverName() == QLatin1String("QSQLITE") ? QStringLiteral("BEGIN IMMEDIATE")
                                                                        : QStringLiteral("BEGIN"));
    return run(begin);
}

bool HistoryDatabase::commit()
{
    QSqlQuery commit(m_database);
    commit.prepare(QStringLiteral("COMMIT"));
    if (run(commit))
        return true;
    rollback();
    return false;
}

void HistoryDatabase::rollback()
{
    QSqlQuery(QStringLiteral("ROLLBACK"), m_database);
}

std::vector<Player> HistoryDatabase::players()
{
    std::vector<Player> found;
    QSqlQuery query(QStringLiteral("SELECT id, name, picture, grade, created FROM players ORDER BY id"), m_database);
    while (query.next())
        found.push_back(playerFrom(query));
    return found;
}

std::optional<Player> HistoryDatabase::player(std::int64_t id)
{
    QSqlQuery query(m_database);
    query.prepare(QStringLiteral("SELECT id, name, picture, grade, created FROM players WHERE id = ?"));
    query.addBindValue(qint64(id));
    if (query.exec() && query.next())
        return playerFrom(query);
    return std::nullopt;
}

std::optional<Player> HistoryDatabase::playerNamed(const QString &name)
{
    QSqlQuery query(m_database);
    query.prepare(QStringLiteral("SELECT id, name, picture, grade, created FROM players WHERE name = ?"));
    query.addBindValue(name);
    if (query.exec() && query.next())
        return playerFrom(query);
    return std::nullopt;
}

std::vector<FirstTry> HistoryDatabase::firstTries(std::int64_t player)
{
    std::vector<FirstTry> tries;
    QSqlQuery query(m_database);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT j.asked, j.given FROM games g JOIN judgements j ON j.game = g.id"
                                 " WHERE g.player = ? AND j.try = 1 ORDER BY g.started, j.question"));
    query.addBindValue(qint64(player));
    if (query.exec()) {
        while (query.next())
            tries.push_back(FirstTry{query.value(0).toInt(), query.value(1).toInt()});
    }
    return tries;
}

std::vector<GameSummary> HistoryDatabase::lastGames(std::int64_t player, int count)
{
    std::vector<GameSummary> games;
    QSqlQuery query(m_database);
    query.prepare(QStringLiteral(
        "SELECT g.started, g.grade, g.language, g.voice, g.counting_aloud, g.score, g.ended,"
        " (SELECT count(*) FROM judgements j WHERE j.game = g.id AND j.try = 1),"
        " (SELECT count(*) FROM judgements j WHERE j.game = g.id AND j.try = 1 AND j.correct = 1)"
        " FROM games g WHERE g.player = ? ORDER BY g.started DESC LIMIT ?"));
    query.addBindValue(qint64(player));
    query.addBindValue(count);
    if (!query.exec())
        return games;
    while (query.next()) {
        GameSummary game;
        game.started = timeFromText(query.value(0).toString());
        game.settings = GameSettings{query.value(1).toInt(), query.value(2).toString(),
                                     voiceFromCode(query.value(3).toString()).value_or(Voice::BuiltIn),
                                     query.value(4).isNull() || query.value(4).toBool()};
        if (!query.value(5).isNull())
            game.score = query.value(5).toInt();
        game.ended = timeFromText(query.value(6).toString());
        game.questions = query.value(7).toInt();
        game.rightFirstTime = query.value(8).toInt();
        games.push_back(game);
    }
    return games;
}

// Each game's start with its first tries and how many were right.
std::vector<std::pair<QDateTime, std::pair<int, int>>> HistoryDatabase::firstTriesPerGame(std::int64_t player,
                                                                                          const QDateTime &since)
{
    std::vector<std::pair<QDateTime, std::pair<int, int>>> games;
    QSqlQuery query(m_database);
    query.prepare(QStringLiteral("SELECT g.started, count(*), sum(j.correct) FROM games g"
                                 " JOIN judgements j ON j.game = g.id"
                                 " WHERE g.player = ? AND j.try = 1 AND g.started >= ? GROUP BY g.id, g.started"));
    query.addBindValue(qint64(player));
    query.addBindValue(timeText(since));
    if (query.exec()) {
        while (query.next())
            games.emplace_back(timeFromText(query.value(0).toString()),
                               std::pair(query.value(1).toInt(), query.value(2).toInt()));
    }
    return games;
}

std::vector<DayCount> HistoryDatabase::questionsPerDay(std::int64_t player, QDate today, int days)
{
    std::vector<DayCount> counts;
    const QDate first = today.addDays(1 - days);
    for (int i = 0; i < days; ++i)
        counts.push_back(DayCount{first.addDays(i), 0});
    for (const auto &[started, tries] : firstTriesPerGame(player, first.startOfDay())) {
        const qint64 index = first.daysTo(started.toLocalTime().date());
        if (index >= 0 && index < days)
            counts[index].questions += tries.first;
    }
    return counts;
}

std::vector<WeekAccuracy> HistoryDatabase::accuracyPerWeek(std::int64_t player, QDate today, int weeks)
{
    std::vector<WeekAccuracy> accuracy;
    const QDate first = today.addDays(1 - today.dayOfWeek()).addDays(-7 * (weeks - 1));
    for (int i = 0; i < weeks; ++i)
        accuracy.push_back(WeekAccuracy{first.addDays(7 * i), 0, 0});
    for (const auto &[started, tries] : firstTriesPerGame(player, first.startOfDay())) {
        const qint64 index = first.daysTo(started.toLocalTime().date()) / 7;
        if (index >= 0 && index < weeks) {
            accuracy[index].questions += tries.first;
            accuracy[index].rightFirstTime += tries.second;
        }
    }
    return accuracy;
}

int HistoryDatabase::gamesPlayed(std::int64_t player)
{
    QSqlQuery query(m_database);
    query.prepare(QStringLiteral("SELECT count(*) FROM games WHERE player = ?"));
    query.addBindValue(qint64(player));
    return query.exec() && query.next() ? query.value(0).toInt() : 0;
}

std::vector<PlayedJudgement> HistoryDatabase::allJudgements()
{
    std::vector<PlayedJudgement> judgements;
    QSqlQuery query(m_database);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral(
            "SELECT p.name, g.started, g.grade, g.language, g.voice,"
            " j.question, j.try, j.asked, j.given, j.correct, j.seconds, j.unloads"
            " FROM judgements j JOIN games g ON g.id = j.game JOIN players p ON p.id = g.player"
            " ORDER BY p.name, g.started, j.question, j.try")))
        return judgements;
    while (query.next()) {
        PlayedJudgement row;
        row.player = query.value(0).toString();
        row.started = timeFromText(query.value(1).toString());
        row.game.grade = query.value(2).toInt();
        row.game.language = query.value(3).toString();
        row.game.voice = voiceFromCode(query.value(4).toString()).value_or(Voice::BuiltIn);
        row.judgement = Judgement{query.value(5).toInt(),  query.value(6).toInt(),     query.value(7).toInt(),
                                  query.value(8).toInt(),  query.value(9).toBool(),    query.value(10).toDouble(),
                                  query.value(11).toInt()};
        judgements.push_back(row);
    }
    return judgements;
}

std::optional<int> HistoryDatabase::addJudgements(const std::vector<PlayedJudgement> &judgements)
{
    if (!beginWriting())
        return std::nullopt;
    // Prepared once: an import may hold a hundred thousand rows.
    QSqlQuery addPlayer(m_database);
    addPlayer.prepare(QStringLiteral("INSERT INTO players (name, picture, grade, created) VALUES (?, 0, ?, ?)"
                                     " ON CONFLICT (name) DO NOTHING"));
    QSqlQuery findPlayer(m_database);
    findPlayer.prepare(QStringLiteral("SELECT id FROM players WHERE name = ?"));
    QSqlQuery addGame(m_database);
    addGame.prepare(QStringLiteral("INSERT INTO games (player, started, grade, language, voice) VALUES (?, ?, ?, ?, ?)"
                                   " ON CONFLICT (player, started) DO NOTHING"));
    QSqlQuery findGame(m_database);
    findGame.prepare(QStringLiteral("SELECT id FROM games WHERE player = ? AND started = ?"));
    QSqlQuery addJudgement(m_database);
    addJudgement.prepare(QStringLiteral(
        "INSERT INTO judgements (game, question, try, asked, given, correct, seconds, unloads)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (game, question, try) DO NOTHING"));
    const QString now = timeText(QDateTime::currentDateTimeUtc());
    const auto runWith = [this](QSqlQuery &query, const QVariantList &values) {
        for (int i = 0; i < values.size(); ++i)
            query.bindValue(i, values[i]);
        return run(query);
    };
    std::map<QString, qint64> players;
    std::map<std::pair<qint64, QString>, qint64> games;
    int added = 0;
    std::size_t done = 0;
    for (; done < judgements.size(); ++done) {
        const PlayedJudgement &row = judgements[done];
        auto player = players.find(row.player);
        if (player == players.end()) {
            if (!runWith(addPlayer, {row.player, MinGrade, now}) || !runWith(findPlayer, {row.player}) || !findPlayer.next())
                break;
            player = players.emplace(row.player, findPlayer.value(0).toLongLong()).first;
        }
        const std::pair gameKey(player->second, timeText(row.started));
        auto game = games.find(gameKey);
        if (game == games.end()) {
            if (!runWith(addGame, {gameKey.first, gameKey.second, row.game.grade, row.game.language, voiceCode(row.game.voice)})
                || !runWith(findGame, {gameKey.first, gameKey.second}) || !findGame.next())
                break;
            game = games.emplace(gameKey, findGame.value(0).toLongLong()).first;
        }
        const Judgement &j = row.judgement;
        if (!runWith(addJudgement, {game->second, j.question, j.attempt, j.asked, j.given, int(j.correct), j.seconds, j.unloads}))
            break;
        added += addJudgement.numRowsAffected();
    }
    // Stopped short: nothing of it is kept.
    if (done < judgements.size()) {
        rollback();
        return std::nullopt;
    }
    if (!commit())
        return std::nullopt;
    return added;
}

EditResult HistoryDatabase::addPlayer(const QString &name)
{
    if (!isValidName(name))
        return EditResult::InvalidName;
    return write([&] {
        if (playerNamed(name))
            return EditResult::NameTaken;
        QSqlQuery insert(m_database);
        insert.prepare(QStringLiteral("INSERT INTO players (name, picture, grade, created) VALUES (?, 0, ?, ?)"));
        insert.addBindValue(name);
        insert.addBindValue(MinGrade);
        insert.addBindValue(timeText(QDateTime::currentDateTimeUtc()));
        return run(insert) ? EditResult::Done : EditResult::CannotWrite;
    });
}

std::optional<Player> HistoryDatabase::findOrAddPlayer(const QString &name)
{
    if (const auto found = playerNamed(name))
        return found;
    addPlayer(name);
    // Another game may have added them meanwhile.
    return playerNamed(name);
}

EditResult HistoryDatabase::renamePlayer(std::int64_t id, const QString &name)
{
    if (!isValidName(name))
        return EditResult::InvalidName;
    return write([&] {
        if (const auto other = playerNamed(name); other && other->id != id)
            return EditResult::NameTaken;
        return update(id, "UPDATE players SET name = ? WHERE id = ?", name);
    });
}

EditResult HistoryDatabase::setPicture(std::int64_t id, int picture)
{
    if (picture < 0 || picture >= Pictures)
        return EditResult::InvalidValue;
    return write([&] { return update(id, "UPDATE players SET picture = ? WHERE id = ?", picture); });
}

EditResult HistoryDatabase::setGrade(std::int64_t id, int grade)
{
    if (grade < MinGrade || grade > MaxGrade)
        return EditResult::InvalidValue;
    return write([&] { return update(id, "UPDATE players SET grade = ? WHERE id = ?", grade); });
}

EditResult HistoryDatabase::update(std::int64_t id, const char *statement, const QVariant &value)
{
    if (!player(id))
        return EditResult::NoSuchPlayer;
    QSqlQuery update(m_database);
    update.prepare(QLatin1String(statement));
    update.addBindValue(value);
    update.addBindValue(qint64(id));
    return run(update) ? EditResult::Done : EditResult::CannotWrite;
}

EditResult HistoryDatabase::removePlayer(std::int64_t id)
{
    return write([&] {
        if (!player(id))
            return EditResult::NoSuchPlayer;
        // Spelled out rather than left to the cascade, which SQLite only
        // follows when a connection asks for it.
        for (const char *statement : {"DELETE FROM judgements WHERE game IN (SELECT id FROM games WHERE player = ?)",
                                      "DELETE FROM games WHERE player = ?", "DELETE FROM players WHERE id = ?"}) {
            QSqlQuery remove(m_database);
            remove.prepare(QLatin1String(statement));
            remove.addBindValue(qint64(id));
            if (!run(remove))
                return EditResult::CannotWrite;
        }
        return EditResult::Done;
    });
}

// Checks and change in one transaction, which holds the file against other games.
EditResult HistoryDatabase::write(const std::function<EditResult()> &change)
{
    if (!beginWriting())
        return EditResult::CannotWrite;
    const EditResult result = change();
    if (result != EditResult::Done) {
        rollback();
        return result;
    }
    return commit() ? EditResult::Done : EditResult::CannotWrite;
}

std::optional<std::int64_t> HistoryDatabase::beginGame(std::int64_t player, const QDateTime &started,
                                                       const GameSettings &settings)
{
    QSqlQuery insert(m_database);
    insert.prepare(QStringLiteral("INSERT INTO games (player, started, grade, language, voice, counting_aloud)"
                                  " VALUES (?, ?, ?, ?, ?, ?)"));
    insert.addBindValue(qint64(player));
    insert.addBindValue(timeText(started));
    insert.addBindValue(settings.grade);
    insert.addBindValue(settings.language);
    insert.addBindValue(voiceCode(settings.voice));
    insert.addBindValue(int(settings.countingAloud));
    if (!run(insert))
        return std::nullopt;
    return insert.lastInsertId().toLongLong();
}

bool HistoryDatabase::recordJudgement(std::int64_t game, const Judgement &judgement)
{
    QSqlQuery insert(m_database);
    insert.prepare(QStringLiteral("INSERT INTO judgements (game, question, try, asked, given, correct, seconds, unloads)"
                                  " VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant &value : {QVariant(qint64(game)), QVariant(judgement.question), QVariant(judgement.attempt),
                                  QVariant(judgement.asked), QVariant(judgement.given), QVariant(int(judgement.correct)),
                                  QVariant(judgement.seconds), QVariant(judgement.unloads)})
        insert.addBindValue(value);
    return run(insert);
}

bool HistoryDatabase::endGame(std::int64_t game, int score, const QDateTime &ended)
{
    QSqlQuery update(m_database);
    update.prepare(QStringLiteral("UPDATE games SET score = ?, ended = ? WHERE id = ?"));
    update.addBindValue(score);
    update.addBindValue(timeText(ended));
    update.addBindValue(qint64(game));
    return run(update);
}
