#pragma once

#include "game/gamehost.h"
#include "game/gamerules.h"
#include "sound/soundsink.h"
#include <QList>

// Stand-ins for the sound player and the other windows: they only remember.
struct RecordingSound : SoundSink
{
    void play(int id) override { m_ids.append(id); }
    const QList<int> &ids() const { return m_ids; }
    QList<int> m_ids;
};

struct RecordingHost : GameHost
{
    void showLeaderboard(std::int16_t grade, std::int32_t score) override { leaderboards.append({grade, score}); }
    void showHelp() override {}
    void showParentsCorner() override {}
    void setDepartureTimer(bool running) override { timerRunning = running; }
    QList<std::pair<std::int16_t, std::int32_t>> leaderboards;
    bool timerRunning = false;
};

