#pragma once

#include "game/judgementsink.h"

#include <QElapsedTimer>
#include <QString>

class HistoryStore;

// Hands what the rules report to the history, timing each judgement from
// the moment its number appeared.
class GameRecorder : public JudgementSink
{
public:
    // language is the --language code the game speaks in.
    GameRecorder(HistoryStore &store, QString language);

    void gameStarted(std::int16_t grade, bool countingAloud) override;
    void questionAsked() override;
    void judged(const History::Judgement &judgement) override;
    void gameEnded(std::int32_t score) override;

private:
    HistoryStore &m_store;
    QString m_language;
    QElapsedTimer m_sinceAsked;
};
