#pragma once

#include "game/judgementsink.h"

#include <QElapsedTimer>
#include <QString>

#include <utility>

class HistoryStore;

// Hands what the rules report to the history, timing each judgement from
// the moment its number appeared.
class GameRecorder : public JudgementSink
{
public:
    // language is the --language code the game speaks in.
    GameRecorder(HistoryStore &store, QString language);

    // For the games started from now on. The parent's voice is recorded
    // only where the history finds recordings.
    void setLanguage(QString language) { m_language = std::move(language); }
    void setVoice(History::Voice voice) { m_voice = voice; }

    void gameStarted(std::int16_t grade, bool countingAloud) override;
    void questionAsked() override;
    void judged(const History::Judgement &judgement) override;
    void gameEnded(std::int32_t score) override;

private:
    HistoryStore &m_store;
    QString m_language;
    History::Voice m_voice = History::Voice::Parent;
    QElapsedTimer m_sinceAsked;
};
