#include "history/historystore.h"

#include "history/historycsv.h"

#include <QPromise>

#include <utility>

using namespace History;

HistoryStore::HistoryStore(QObject *parent)
    : QObject(parent)
    , m_threadContext(std::make_unique<QObject>())
{
    m_thread.setObjectName(QStringLiteral("history"));
    m_threadContext->moveToThread(&m_thread);
    m_thread.start();
}

HistoryStore::~HistoryStore()
{
    // Never opened, nothing was written and nothing is: what was asked is cancelled.
    m_waiting.clear();
    // Tasks run in the order posted: this one comes after every write.
    runOnThread([this] {
        if (m_writer)
            writeQueued(*m_writer);
        m_writer.reset();
        QThread::currentThread()->quit();
    });
    m_thread.wait();
}

void HistoryStore::runOnThread(std::function<void()> work)
{
    QMetaObject::invokeMethod(m_threadContext.get(), std::move(work), Qt::QueuedConnection);
}

void HistoryStore::post(Task task)
{
    // Before open() there is no file to ask: the question waits for it.
    if (!m_opened) {
        m_waiting.push_back(std::move(task));
        return;
    }
    runOnThread([this, task = std::move(task)] { task(*m_writer); });
}

void HistoryStore::open(std::function<HistoryWriter::Options()> options)
{
    runOnThread([this, options = std::move(options)] {
        m_writer = std::make_unique<HistoryWriter>(options());
        m_writer->open();
        tellHealth(*m_writer);
        QMetaObject::invokeMethod(this, &HistoryStore::playersChanged, Qt::QueuedConnection);
    });
    {
        const std::lock_guard lock(m_queueMutex);
        m_opened = true;
        if (!m_queued.empty() && !m_writePosted) {
            m_writePosted = true;
            post([this](HistoryWriter &writer) { writeQueued(writer); });
        }
    }
    // Asked before: answered after what was recorded before.
    for (Task &task : std::exchange(m_waiting, {}))
        post(std::move(task));
}

void HistoryStore::queue(HistoryWriter::Recording recording)
{
    const std::lock_guard lock(m_queueMutex);
    m_queued.push_back(std::move(recording));
    // One write takes everything queued meanwhile: a slow disk costs one
    // transaction, not one per judgement.
    if (m_opened && !m_writePosted) {
        m_writePosted = true;
        post([this](HistoryWriter &writer) { writeQueued(writer); });
    }
}

void HistoryStore::writeQueued(HistoryWriter &writer)
{
    std::vector<HistoryWriter::Recording> recordings;
    {
        const std::lock_guard lock(m_queueMutex);
        recordings.swap(m_queued);
        m_writePosted = false;
    }
    if (recordings.empty() || !writer.database().health().canWrite)
        return;
    if (writer.write(recordings))
        QMetaObject::invokeMethod(this, &HistoryStore::historyChanged, Qt::QueuedConnection);
    tellHealth(writer);
}

void HistoryStore::tellHealth(HistoryWriter &writer)
{
    const Health health = writer.database().health();
    if (health == m_lastHealth)
        return;
    m_lastHealth = health;
    QMetaObject::invokeMethod(this, [this, health] { emit healthChanged(health); }, Qt::QueuedConnection);
}

void HistoryStore::beginGame(const QDateTime &started, const GameSettings &settings)
{
    queue(HistoryWriter::GameStart{started, settings});
}

void HistoryStore::recordJudgement(const Judgement &judgement)
{
    queue(judgement);
}

void HistoryStore::endGame(int score, const QDateTime &ended)
{
    queue(HistoryWriter::GameEnd{score, ended});
}

template<typename T>
QFuture<T> HistoryStore::ask(std::function<T(HistoryWriter &)> question)
{
    auto promise = std::make_shared<QPromise<T>>();
    promise->start();
    QFuture<T> answer = promise->future();
    post([promise, question = std::move(question)](HistoryWriter &writer) {
        promise->addResult(question(writer));
        promise->finish();
    });
    return answer;
}

QFuture<Health> HistoryStore::health()
{
    return ask<Health>([](HistoryWriter &writer) { return writer.database().health(); });
}

QFuture<std::vector<Player>> HistoryStore::players()
{
    return ask<std::vector<Player>>([](HistoryWriter &writer) { return writer.database().players(); });
}

QFuture<std::optional<Player>> HistoryStore::currentPlayer()
{
    return ask<std::optional<Player>>([](HistoryWriter &writer) { return writer.currentPlayer(); });
}

QFuture<QString> HistoryStore::exportCsv(const QString &fileName)
{
    return ask<QString>([fileName](HistoryWriter &writer) {
        return HistoryCsv::writeFile(fileName, writer.database().allJudgements());
    });
}

QFuture<std::vector<FirstTry>> HistoryStore::firstTries(std::int64_t player)
{
    return ask<std::vector<FirstTry>>([player](HistoryWriter &writer) { return writer.database().firstTries(player); });
}

QFuture<std::vector<GameSummary>> HistoryStore::lastGames(std::int64_t player)
{
    return ask<std::vector<GameSummary>>(
        [player](HistoryWriter &writer) { return writer.database().lastGames(player, LastGames); });
}

QFuture<std::vector<DayCount>> HistoryStore::questionsPerDay(std::int64_t player)
{
    return ask<std::vector<DayCount>>([player](HistoryWriter &writer) {
        return writer.database().questionsPerDay(player, QDate::currentDate(), Days);
    });
}

QFuture<std::vector<WeekAccuracy>> HistoryStore::accuracyPerWeek(std::int64_t player)
{
    return ask<std::vector<WeekAccuracy>>([player](HistoryWriter &writer) {
        return writer.database().accuracyPerWeek(player, QDate::currentDate(), Weeks);
    });
}

QFuture<std::optional<Player>> HistoryStore::choosePlayer(const QString &name)
{
    return ask<std::optional<Player>>([this, name](HistoryWriter &writer) {
        const auto chosen = writer.choosePlayer(name);
        QMetaObject::invokeMethod(this, &HistoryStore::playersChanged, Qt::QueuedConnection);
        tellHealth(writer);
        return chosen;
    });
}

QFuture<EditResult> HistoryStore::editPlayers(std::function<EditResult(HistoryWriter &)> edit)
{
    return ask<EditResult>([this, edit = std::move(edit)](HistoryWriter &writer) {
        const EditResult result = edit(writer);
        if (result == EditResult::Done)
            QMetaObject::invokeMethod(this, &HistoryStore::playersChanged, Qt::QueuedConnection);
        tellHealth(writer);
        return result;
    });
}

QFuture<EditResult> HistoryStore::addPlayer(const QString &name)
{
    return editPlayers([name](HistoryWriter &writer) { return writer.database().addPlayer(name); });
}

QFuture<EditResult> HistoryStore::renamePlayer(std::int64_t player, const QString &name)
{
    return editPlayers([player, name](HistoryWriter &writer) { return writer.renamePlayer(player, name); });
}

QFuture<EditResult> HistoryStore::setPicture(std::int64_t player, int picture)
{
    return editPlayers([player, picture](HistoryWriter &writer) { return writer.database().setPicture(player, picture); });
}

QFuture<EditResult> HistoryStore::setGrade(std::int64_t player, int grade)
{
    return editPlayers([player, grade](HistoryWriter &writer) { return writer.database().setGrade(player, grade); });
}

QFuture<EditResult> HistoryStore::removePlayer(std::int64_t player)
{
    return editPlayers([player](HistoryWriter &writer) { return writer.database().removePlayer(player); });
}
