#include "parents/whoplays.h"

#include "game/gamewindow.h"
#include "history/historystore.h"
#include "history/whenanswered.h"
#include "parents/playerpicker.h"

namespace {

// Below this many players nobody is asked.
constexpr std::size_t PlayersToAsk = 2;

} // namespace

WhoPlays::WhoPlays(GameWindow &game, HistoryStore &history)
    : QObject(&game)
    , m_game(game)
    , m_history(history)
{
    connect(&history, &HistoryStore::playersChanged, this, &WhoPlays::refresh);
    connect(&game, &GameWindow::startWanted, this, &WhoPlays::ask);
}

void WhoPlays::refresh()
{
    whenAnswered(m_history.players(), this, [this](std::vector<History::Player> players) {
        m_players = std::move(players);
        m_game.setStartAsks(m_players.size() >= PlayersToAsk);
        showPlayer();
    });
    whenAnswered(m_history.currentPlayer(), this, [this](std::optional<History::Player> current) {
        m_current = std::move(current);
        showPlayer();
    });
}

// A family that named nobody plays as the game always did, with an empty name box.
void WhoPlays::showPlayer()
{
    const bool named = m_current && !m_players.empty()
        && !(m_players.size() == 1 && m_current->name == HistoryWriter::defaultPlayerName());
    m_game.setPlayerName(named ? m_current->name : QString());
}

void WhoPlays::ask()
{
    auto *const picker = new PlayerPicker(m_players, m_current ? m_current->id : 0, &m_game);
    picker->setAttribute(Qt::WA_DeleteOnClose);
    connect(picker, &PlayerPicker::accepted, this, [this, picker] {
        m_current = picker->chosen();
        m_history.choosePlayer(m_current->name);
        showPlayer();
        m_game.startGame();
    });
    picker->open();
}
