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

