#include "history/gamerecorder.h"

#include "history/historystore.h"

GameRecorder::GameRecorder(HistoryStore &store, QString language)
    : m_store(store)
    , m_language(std::move(language))
{
}

void GameRecorder::gameStarted(std::int16_t grade, bool countingAloud)
{
    // Whether the parent's voice has recordings is looked up by the writer,
    // where a look at files costs nothing.
    m_store.beginGame(QDateTime::currentDateTimeUtc(), History::GameSettings{grade, m_language, m_voice, countingAloud});
}

void GameRecorder::questionAsked()
{
    m_sinceAsked.start();
}

void GameRecorder::judged(const History::Judgement &judgement)
{
    History::Judgement timed = judgement;
    timed.seconds = double(m_sinceAsked.elapsed()) / 1000;
    m_store.recordJudgement(timed);
}

void GameRecorder::gameEnded(std::int32_t score)
{
    m_store.endGame(score, QDateTime::currentDateTimeUtc());
}
