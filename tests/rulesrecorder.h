#pragma once

#include "game/gamehost.h"
#include "game/gamerules.h"
#include "game/judgementsink.h"
#include "sound/soundsink.h"
#include <QList>

// Stand-ins for the sound player and the other windows: they only remember.
struct RecordingSound : SoundSink
{
    void play(Sound sound) override { m_sounds.append(sound); }
    const QList<Sound> &ids() const { return m_sounds; }
    QList<Sound> m_sounds;
};

struct RecordingHost : GameHost
{
    void showLeaderboard(std::int16_t grade, std::int32_t score) override { leaderboards.append({grade, score}); }
    void showHelp() override {}
    void showParentsCorner() override {}
    void setDepartureTimer(bool) override {}
    QList<std::pair<std::int16_t, std::int32_t>> leaderboards;
};

// What the history would be told, one line each: "1.2 asked 3 gave 11 u1" is the
// second judgement of the first question, a miss with an eleventh monkey after one unload.
struct RecordingJudgements : JudgementSink
{
    void gameStarted(std::int16_t grade, bool countingAloud) override
    {
        events << QStringLiteral("start grade %1%2").arg(grade).arg(countingAloud ? " aloud" : "");
    }
    void questionAsked() override { events << QStringLiteral("asked"); }
    void judged(const History::Judgement &j) override
    {
        events << QStringLiteral("%1.%2 asked %3 gave %4%5 u%6")
                      .arg(j.question).arg(j.attempt).arg(j.asked).arg(j.given).arg(j.correct ? " right" : "").arg(j.unloads);
    }
    void gameEnded(std::int32_t score) override { events << QStringLiteral("end %1").arg(score); }
    QStringList events;
};

// The rules with a stand-in for everything they talk to: `auto &&[sound, host, judgements, rules] = RecordedRules(seed);`
struct RecordedRules
{
    explicit RecordedRules(std::uint32_t seed) : rules(sound, host, judgements, seed) {}
    RecordingSound sound;
    RecordingHost host;
    RecordingJudgements judgements;
    GameRules rules;
};
