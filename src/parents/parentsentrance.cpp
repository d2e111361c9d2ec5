#include "parents/parentsentrance.h"

#include "game/gamewindow.h"
#include "parents/doordialog.h"
#include "parents/parentscorner.h"

ParentsEntrance::ParentsEntrance(GameWindow &game, HistoryStore &history, Preferences preferences, std::uint32_t seed)
    : QObject(&game)
    , m_game(game)
    , m_history(history)
    , m_preferences(preferences)
    , m_door(seed)
{
    connect(&game, &GameWindow::parentsCornerWanted, this, &ParentsEntrance::askAtTheDoor);
}

void ParentsEntrance::askAtTheDoor()
{
    if (!m_doorDialog) {
        m_doorDialog = new DoorDialog(m_door, &m_game);
        connect(m_doorDialog, &DoorDialog::accepted, this, &ParentsEntrance::openCorner);
    }
    m_doorDialog->open();
}

void ParentsEntrance::openCorner()
{
    if (!m_corner) {
        m_corner = new ParentsCorner(m_history, m_preferences, &m_game);
        connect(m_corner, &ParentsCorner::preferencesChanged, this, [this](const Preferences &preferences) {
            m_preferences = preferences;
            emit preferencesChanged(preferences);
        });
    }
    m_corner->setFactor(m_game.factor());
    m_corner->open();
    m_corner->move(m_game.geometry().center() - m_corner->rect().center());
}
