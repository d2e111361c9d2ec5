#pragma once

#include "game/gamehost.h"
#include "game/gamerules.h"
#include "game/soundsink.h"

#include <QList>

// Stand-ins for the sound player and the other windows: they only remember
// what the rules asked of them.
class RecordingSound : public SoundSink
{
public:
    void PlayWav(int id) override { m_ids.append(id); }
    const QList<int> &ids() const { return m_ids; }
    void forget() { m_ids.clear(); }

private:
    QList<int> m_ids;
};

struct LeaderboardRequest
{
    std::int16_t grd = 0;
    std::int32_t fcount = 0;
    bool operator==(const LeaderboardRequest &) const = default;
};

class RecordingHost : public GameHost
{
public:
    void showLeaderboard(std::int16_t grd, std::int32_t fcount) override { m_leaderboards.append({grd, fcount}); }
    void showHelp() override { ++m_helps; }
    const QList<LeaderboardRequest> &leaderboards() const { return m_leaderboards; }
    int helps() const { return m_helps; }

private:
    QList<LeaderboardRequest> m_leaderboards;
    int m_helps = 0;
};

// Rules wired to recorders.
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
    explicit RulesSnapshot(const GameRules &rules)
        : state(rules.state())
        , boarded(rules.boarded())
        , numIdx(rules.numIdx())
        , lifeIdx(rules.lifeIdx())
        , score(rules.score())
        , soundOn(rules.soundOn())
        , timerEnabled(rules.timerEnabled())
        , numberShown(rules.numberShown())
        , scoreShown(rules.scoreShown())
        , trainVisible(rules.trainVisible())
        , trainLeft(rules.trainLeft())
        , paintedSeats(rules.paintedSeats())
        , smokeVisible(rules.smokeVisible())
        , smokeLeft(rules.smokeLeft())
        , monkeyGroupVisible(rules.monkeyGroupVisible())
        , monkeyGroupEnabled(rules.monkeyGroupEnabled())
    {
        for (int i = 0; i < GameRules::Lives; ++i)
            markers[i] = rules.lifeMarkerVisible(i);
    }

    bool operator==(const RulesSnapshot &) const = default;

    GameRules::State state;
    int boarded;
    int numIdx;
    int lifeIdx;
    std::int32_t score;
    bool soundOn;
    bool timerEnabled;
    int numberShown;
    bool scoreShown;
    bool trainVisible;
    int trainLeft;
    int paintedSeats;
    bool smokeVisible;
    int smokeLeft;
    bool monkeyGroupVisible;
    bool monkeyGroupEnabled;
    std::array<bool, GameRules::Lives> markers{};
};
