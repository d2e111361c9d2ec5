#pragma once

#include "history/historytypes.h"
#include "history/historywriter.h"

#include <QFuture>
#include <QObject>
#include <QThread>

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

// Every child's history, kept on disk by a thread of its own: the game
// hands over what happens and never waits; the parents' corner asks and
// gets its answers as futures, and hears of changes by the signals.
class HistoryStore : public QObject
{
    Q_OBJECT

public:
    static constexpr int LastGames = 10;
    static constexpr int Days = 30;
    static constexpr int Weeks = 12;

    explicit HistoryStore(QObject *parent = nullptr);
    // Writes everything handed over first.
    ~HistoryStore() override;

    // Opens the file on the writer thread and returns at once; what was
    // recorded or asked before is written or answered once it is open. The options are worked
    // out there too, since finding the folder looks at the disk.
    void open(std::function<HistoryWriter::Options()> options);

    // Recording: queued, never waiting for the disk.
    void beginGame(const QDateTime &started, const History::GameSettings &settings);
    void recordJudgement(const History::Judgement &judgement);
    void endGame(int score, const QDateTime &ended);

    // Reads, answered in the order asked, after everything recorded before;
    // never before open(), and cancelled when the store goes unopened.
    QFuture<History::Health> health();
    QFuture<std::vector<History::Player>> players();
    QFuture<std::optional<History::Player>> currentPlayer();
    QFuture<std::vector<History::FirstTry>> firstTries(std::int64_t player);
    QFuture<std::vector<History::GameSummary>> lastGames(std::int64_t player);
    QFuture<std::vector<History::DayCount>> questionsPerDay(std::int64_t player);
    QFuture<std::vector<History::WeekAccuracy>> accuracyPerWeek(std::int64_t player);
    // Every judgement as CSV into fileName; the answer says why not, or nothing once written.
    QFuture<QString> exportCsv(const QString &fileName);

    // Player edits.
    QFuture<std::optional<History::Player>> choosePlayer(const QString &name);
    QFuture<History::EditResult> addPlayer(const QString &name);
    QFuture<History::EditResult> renamePlayer(std::int64_t player, const QString &name);
    QFuture<History::EditResult> setPicture(std::int64_t player, int picture);
    QFuture<History::EditResult> setGrade(std::int64_t player, int grade);
    QFuture<History::EditResult> removePlayer(std::int64_t player);

signals:
    void healthChanged(const History::Health &health);
    void playersChanged();
    // New judgements or games are on disk.
    void historyChanged();

private:
    using Task = std::function<void(HistoryWriter &)>;
    void runOnThread(std::function<void()> work);
    // Runs a task on the writer thread once the file is open.
    void post(Task task);
    template<typename T>
    QFuture<T> ask(std::function<T(HistoryWriter &)> question);
    QFuture<History::EditResult> editPlayers(std::function<History::EditResult(HistoryWriter &)> edit);
    void queue(HistoryWriter::Recording recording);
    // On the writer thread.
    void writeQueued(HistoryWriter &writer);
    void tellHealth(HistoryWriter &writer);

    QThread m_thread;
    std::unique_ptr<QObject> m_threadContext;
    // Made here, used and destroyed on the writer thread only.
    std::unique_ptr<HistoryWriter> m_writer;
    History::Health m_lastHealth; // writer thread
    std::vector<Task> m_waiting;  // asked before open()

    std::mutex m_queueMutex;
    std::vector<HistoryWriter::Recording> m_queued;
    bool m_writePosted = false;
    bool m_opened = false; // set and read on the owner's thread only
};
