#pragma once

#include "history/historytypes.h"

#include <QSqlDatabase>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QSqlQuery;

// The history file and every statement on it, run synchronously by whoever
// owns the object: the history's writer thread, or a command that needs no
// window. A connection belongs to the thread that opened it.
class HistoryDatabase
{
public:
    // Raised whenever the tables change; older games never write a newer file.
    static constexpr int SchemaVersion = 1;
    static constexpr auto FileName = "history.sqlite";
    // Another game writing the same file holds it for milliseconds.
    static constexpr int BusyTimeoutMs = 5000;

    // folder ends with a separator.
    explicit HistoryDatabase(const QString &folder);
    ~HistoryDatabase();
    HistoryDatabase(const HistoryDatabase &) = delete;
    HistoryDatabase &operator=(const HistoryDatabase &) = delete;

    const QString &path() const { return m_path; }

    // Opens the file, making a fresh one when there is none and setting a
    // damaged one aside first. A newer game's file is only read.
    History::Health open();
    const History::Health &health() const { return m_health; }
    // Readable, at least.
    bool isOpen() const { return m_database.isOpen(); }

    // Reads; empty when the file cannot be read.
    std::vector<History::Player> players();
    std::optional<History::Player> player(std::int64_t id);
    std::optional<History::Player> playerNamed(const QString &name);
    std::vector<History::FirstTry> firstTries(std::int64_t player);
    std::vector<History::GameSummary> lastGames(std::int64_t player, int count);
    // From the local day `today` back, oldest first, every day or week present.
    std::vector<History::DayCount> questionsPerDay(std::int64_t player, QDate today, int days);
    std::vector<History::WeekAccuracy> accuracyPerWeek(std::int64_t player, QDate today, int weeks);

    int gamesPlayed(std::int64_t player);

    // Every judgement, by player name, game and question. Empty when the file cannot be read.
    std::vector<History::PlayedJudgement> allJudgements();
    // Adds the judgements not there yet, making players and games as needed,
    // in one transaction; the number added, or nothing when none could be.
    std::optional<int> addJudgements(const std::vector<History::PlayedJudgement> &judgements);

    // Player edits, each in a transaction of its own.
    History::EditResult addPlayer(const QString &name);
    std::optional<History::Player> findOrAddPlayer(const QString &name);
    History::EditResult renamePlayer(std::int64_t id, const QString &name);
    History::EditResult setPicture(std::int64_t id, int picture);
    History::EditResult setGrade(std::int64_t id, int grade);
    History::EditResult removePlayer(std::int64_t id); // with all of their games

    // Recording, inside a write transaction of the caller's.
    std::optional<std::int64_t> beginGame(std::int64_t player, const QDateTime &started,
                                          const History::GameSettings &settings);
    bool recordJudgement(std::int64_t game, const History::Judgement &judgement);
    bool endGame(std::int64_t game, int score, const QDateTime &ended);

    // A write transaction: waits for another game's to end first. A failed
    // commit takes the history's writing away, with the reason.
    bool beginWriting();
    bool commit();
    void rollback();

    // Times as stored: UTC, ISO 8601 with milliseconds.
    static QString timeText(const QDateTime &time);
    static QDateTime timeFromText(const QString &text);

private:
    bool connectFile(const QString &path, bool readOnly);
    void disconnectFile();
    bool makeFresh();
    bool looksLikeHistory();
    void setAside();
    void cannotWrite(const QString &why);
    bool run(QSqlQuery &query);
    History::EditResult update(std::int64_t id, const char *statement, const QVariant &value);
    // Runs a change in a write transaction, kept only when it is Done.
    History::EditResult write(const std::function<History::EditResult()> &change);
    std::vector<std::pair<QDateTime, std::pair<int, int>>> firstTriesPerGame(std::int64_t player, const QDateTime &since);

    QString m_folder;
    QString m_path;
    QString m_connectionName;
    QSqlDatabase m_database;
    History::Health m_health;
};
