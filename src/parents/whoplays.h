#pragma once

#include "history/historytypes.h"

#include <QObject>

#include <optional>
#include <vector>

class GameWindow;
class HistoryStore;

// Who plays the next game. With two or more players in the family, ▶
// first asks "Who is playing?"; with one nothing is asked. The player's
// name waits in the leaderboard's name box, for a child who cannot write.
class WhoPlays : public QObject
{
    Q_OBJECT

public:
    WhoPlays(GameWindow &game, HistoryStore &history);

    const std::vector<History::Player> &players() const { return m_players; }

private:
    void refresh();
    void showPlayer();
    void ask();

    GameWindow &m_game;
    HistoryStore &m_history;
    std::vector<History::Player> m_players;
    std::optional<History::Player> m_current;
};
