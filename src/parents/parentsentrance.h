#pragma once

#include "parents/adultdoor.h"
#include "parents/parentscorner.h"
#include "parents/preferences.h"

#include <QObject>
#include <QPointer>

class DoorDialog;
class GameWindow;
class HistoryStore;
class SoundPlayer;

// The way from the game into the parents' corner: when the game asks for
// it, the adult's question, and on its answer the corner over the game.
class ParentsEntrance : public QObject
{
    Q_OBJECT

public:
    ParentsEntrance(GameWindow &game, HistoryStore &history, Preferences preferences, std::uint32_t seed);

    ParentsCorner *corner() const { return m_corner; }
    // The corner also lets a parent record the numbers into voiceFolder,
    // heard through the game's own player.
    void offerVoiceRecording(SoundPlayer &player, QString voiceFolder);

signals:
    void preferencesChanged(const Preferences &preferences);

private:
    void askAtTheDoor();
    void openCorner();

    GameWindow &m_game;
    HistoryStore &m_history;
    Preferences m_preferences;
    AdultDoor m_door;
    QPointer<DoorDialog> m_doorDialog;
    QPointer<ParentsCorner> m_corner;
    SoundPlayer *m_voicePlayer = nullptr;
    QString m_voiceFolder;
};
