#pragma once

#include <cstdint>

// What the rules hand over to the window: the departure timer, and the
// other windows (the end of a game opens the leaderboard, the help button
// opens help, holding it opens the parents' corner; no call waits).
class GameHost
{
public:
    virtual ~GameHost() = default;

    // Switched the moment a departure starts or ends, before any sound is
    // prepared, so that the first tick falls a full interval after the press.
    virtual void setDepartureTimer(bool running) = 0;

    virtual void showLeaderboard(std::int16_t grade, std::int32_t score) = 0;
    virtual void showHelp() = 0;
    // Asks the adult's question first; the corner opens only on its answer.
    virtual void showParentsCorner() = 0;
};
