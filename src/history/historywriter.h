#pragma once

#include "history/historydatabase.h"
#include "history/historytypes.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

// What the writer thread knows: the file, whose history is being played
// and the game running. Lives and works on that thread only.
class HistoryWriter
{
public:
    struct GameStart
    {
        QDateTime started;
        History::GameSettings settings;
    };
    struct GameEnd
    {
        int score = 0;
        QDateTime ended;
    };
    using Recording = std::variant<GameStart, History::Judgement, GameEnd>;

    struct Options
    {
        QString folder;                       // ends with a separator
        std::optional<QString> player;        // play as them, creating them if need be
        QString settingsFile;                 // where the last player is remembered; empty: the game's settings
        // Asked as each game in the parent's voice starts (built-in without
        // recordings); empty: built-in.
        std::function<History::Voice()> voice;
    };

    explicit HistoryWriter(Options options);

    // Opens the file and chooses whose history the games go into.
    History::Health open();
    HistoryDatabase &database() { return m_database; }
    std::optional<History::Player> currentPlayer();
    // Plays as this player from the next game on, creating them if need be, and remembers them.
    std::optional<History::Player> choosePlayer(const QString &name);
    // Renames a player, remembering the new name when they are the one playing.
    History::EditResult renamePlayer(std::int64_t id, const QString &name);

    // Writes the recordings in one transaction; false when they were lost.
    bool write(const std::vector<Recording> &recordings);

    // The name a history starts with before anyone was named.
    static QString defaultPlayerName();

private:
    bool apply(const Recording &recording);
    void remember(const QString &name);
    QString rememberedName() const;
    std::optional<std::int64_t> playingId();

    Options m_options;
    HistoryDatabase m_database;
    std::optional<std::int64_t> m_player;
    std::optional<std::int64_t> m_game;
};
