#pragma once

#include "game/gamehost.h"
#include "game/gamerules.h"
#include "game/soundsink.h"

#include <QList>

// Stand-ins for the sound player and the other windows: they only remember.
class RecordingSound : public SoundSink
{
public:
    void PlayWav(int id) override { m_ids.append(id); }
    const QList<int> &ids() const { return m_ids; }
    void forget() { m_ids.clear(); }
private:
    QList<int> m_ids;
};

struct RecordingHost : GameHost
{
    void showLeaderboard(std::int16_t grd, std::int32_t fcount) override { leaderboards.append({grd, fcount}); }
    void showHelp() override { ++helps; }
    void setDepartureTimer(bool running) override { timerRunning = running; }
    QList<std::pair<std::int16_t, std::int32_t>> leaderboards;
    int helps = 0;
    bool timerRunning = false;
};

struct RecordedGame
{
    explicit RecordedGame(std::uint32_t seed) : rules(sound, host, seed) {}
    RecordingSound sound;
    RecordingHost host;
    GameRules rules;
};

// Everything the rules expose, to tell whether an event changed anything.
struct RulesSnapshot
{
    explicit RulesSnapshot(const GameRules &r)
        : state(r.state()), boarded(r.boarded()), numIdx(r.numIdx()), lifeIdx(r.lifeIdx()), score(r.score()),
          soundOn(r.soundOn()), timerEnabled(r.timerEnabled()), scoreShown(r.scoreShown()),
          trainVisible(r.trainVisible()), smokeVisible(r.smokeVisible()), groupVisible(r.monkeyGroupVisible()),
          groupEnabled(r.monkeyGroupEnabled()), numberShown(r.numberShown()), trainLeft(r.trainLeft()),
          paintedSeats(r.paintedSeats()), smokeLeft(r.smokeLeft())
    {
        for (int i = 0; i < GameRules::Lives; ++i)
            markers[i] = r.lifeMarkerVisible(i);
    }
    bool operator==(const RulesSnapshot &) const = default;

    GameRules::State state;
    int boarded, numIdx, lifeIdx, score;
    bool soundOn, timerEnabled, scoreShown, trainVisible, smokeVisible, groupVisible, groupEnabled;
    int numberShown, trainLeft, paintedSeats, smokeLeft;
    std::array<bool, GameRules::Lives> markers{};
};
