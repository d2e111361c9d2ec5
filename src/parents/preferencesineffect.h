#pragma once

#include "history/historytypes.h"
#include "parents/preferences.h"

#include <QStringList>

#include <functional>

class GameRecorder;
class GameWindow;
class SoundLibrary;
class SoundPlayer;
class Translation;

// The parent's settings in the running game, each change at once: the
// texts, spoken numbers and recorded language of the games to come, the
// voice, full screen and counting aloud.
class PreferencesInEffect
{
public:
    struct Game
    {
        GameWindow &window;
        SoundPlayer &sound;
        GameRecorder &recorder;
        Translation &translation;
    };

    // Puts the preferences into effect at start, in `language`: theirs, or the
    // command line's for this run. The voice folders hold the parent's recordings.
    PreferencesInEffect(Game game, const Preferences &atStart, Language language, QStringList voiceFolders);

    // A language picked in the corner is spoken even when the command line
    // named another: the parent chose it just now.
    void change(const Preferences &chosen);

    // The language preferences choose: the desktop's when they name none.
    static Language languageOf(const Preferences &preferences);
    // For the history, as a game in the parent's voice starts: built-in
    // until there is a recording. It looks at files: not on this thread.
    static std::function<History::Voice()> recordedVoice(const QStringList &voiceFolders);

private:
    void speak(Language language, bool parentsVoice);

    Game m_game;
    Preferences m_current;
    Language m_language;
    const QStringList m_voiceFolders;
};
