#include "parents/parentsentrance.h"

#include "game/gamewindow.h"
#include "parents/doordialog.h"
#include "parents/parentscorner.h"
#include "parents/voicerecordingpage.h"
#include "widgets/secondarywindow.h"

#include <QApplication>

ParentsEntrance::ParentsEntrance(GameWindow &game, HistoryStore &history, Preferences preferences, std::uint32_t seed)
    : QObject(&game)
    , m_game(game)
    , m_history(history)
    , m_preferences(preferences)
    , m_door(seed)
{
    connect(&game, &GameWindow::parentsCornerWanted, this, &ParentsEntrance::askAtTheDoor);
}

void ParentsEntrance::offerVoiceRecording(SoundPlayer &player, QString voiceFolder)
{
    m_voicePlayer = &player;
    m_voiceFolder = std::move(voiceFolder);
}

void ParentsEntrance::askAtTheDoor()
{
    if (!m_doorDialog) {
        m_doorDialog = new DoorDialog(m_door, &m_game);
        connect(m_doorDialog, &DoorDialog::accepted, this, &ParentsEntrance::openCorner);
    }
    // As large as the game around it.
    m_doorDialog->setFont(scaledFont(QApplication::font(), m_game.factor()));
    m_doorDialog->adjustSize();
    m_doorDialog->setGeometry(centredOver(m_game, m_doorDialog->size()));
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
        if (m_voicePlayer)
            m_corner->addRecordingPage(new VoiceRecordingPage(m_voiceFolder, *m_voicePlayer));
    }
    m_corner->setFactor(m_game.factor());
    m_corner->setGeometry(centredOver(m_game, m_corner->size().expandedTo(m_corner->minimumSizeHint())));
    m_corner->open();
}
