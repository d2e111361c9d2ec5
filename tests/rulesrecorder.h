#pragma once

#include "game/gamehost.h"
#include "game/gamerules.h"
#include "game/soundsink.h"
#include <QList>

// Stand-ins for the sound player and the other windows: they only remember.
struct RecordingSound : SoundSink
{
    void PlayWav(int id) override { m_ids.append(id); }
    const QList<int> &ids() const { return m_ids; }
    void forget() { m_ids.clear(); }
    QList<int> m_ids;
};

struct RecordingHost : GameHost
{
    void showLeaderboard(std::int16_t grd, std::int32_t fcount) override { leaderboards.append({grd, fcount}); }
    void showHelp() override {}
    void setDepartureTimer(bool running) override { timerRunning = running; }
    QList<std::pair<std::int16_t, std::int32_t>> leaderboards;
    bool timerRunning = false;
};

// Everything the rules expose, to tell whether an event changed anything.
struct RulesSnapshot
{
    explicit RulesSnapshot(const GameRules &r)
        : values{int(r.state()), r.boarded(), r.numIdx(), r.lifeIdx(), r.score(), r.soundOn(), r.timerEnabled(),
                 r.scoreShown(), r.trainVisible(), r.smokeVisible(), r.monkeyGroupVisible(), r.monkeyGroupEnabled(),
                 r.numberShown(), r.trainLeft(), r.paintedSeats(), r.smokeLeft(), r.lifeMarkerVisible(0),
                 r.lifeMarkerVisible(1), r.lifeMarkerVisible(2), r.lifeMarkerVisible(3), r.lifeMarkerVisible(4)} {}
    bool operator==(const RulesSnapshot &) const = default;
    QList<int> values;
};
