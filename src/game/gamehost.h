#pragma once

#include <cstdint>

// The other windows the rules hand over to: the end of a game opens the
// leaderboard, the help button opens help. Neither call waits.
class GameHost
{
public:
    virtual ~GameHost() = default;

    virtual void showLeaderboard(std::int16_t grd, std::int32_t fcount) = 0;
    virtual void showHelp() = 0;
};
