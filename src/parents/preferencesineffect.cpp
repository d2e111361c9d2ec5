#include "parents/preferencesineffect.h"

#include "game/gamewindow.h"
#include "history/gamerecorder.h"
#include "language/translation.h"
#include "sound/soundplayer.h"

#include <utility>

PreferencesInEffect::PreferencesInEffect(Game game, const Preferences &atStart, Language language,
                                         QStringList voiceFolders)
    : m_game(game)
    , m_current(atStart)
    , m_language(language)
    , m_voiceFolders(std::move(voiceFolders))
{
    speak(language, atStart.parentsVoice);
    m_game.window.setCountingAloud(atStart.countingAloud);
}

void PreferencesInEffect::change(const Preferences &chosen)
{
    const Language language = chosen.language != m_current.language ? languageOf(chosen) : m_language;
    if (language != m_language || chosen.parentsVoice != m_current.parentsVoice)
        speak(language, chosen.parentsVoice);
    if (chosen.fullScreen != m_current.fullScreen)
        m_game.window.setFullScreen(chosen.fullScreen);
    if (chosen.countingAloud != m_current.countingAloud)
        m_game.window.setCountingAloud(chosen.countingAloud);
    m_current = chosen;
}

Language PreferencesInEffect::languageOf(const Preferences &preferences)
{
    return preferences.language.value_or(Languages::forLocale(QLocale::system()));
}

std::function<History::Voice()> PreferencesInEffect::recordedVoice(const QStringList &voiceFolders)
{
    return [recordings = SoundLibrary({}, voiceFolders)] {
        return recordings.recordedNumbers().empty() ? History::Voice::BuiltIn : History::Voice::Parent;
    };
}

void PreferencesInEffect::speak(Language language, bool parentsVoice)
{
    m_language = language;
    m_game.translation.switchTo(language);
    m_game.sound.setLibrary(
        SoundLibrary(Languages::numberSoundFolder(language), parentsVoice ? m_voiceFolders : QStringList()));
    m_game.recorder.setLanguage(Languages::code(language));
    m_game.recorder.setVoice(parentsVoice ? History::Voice::Parent : History::Voice::BuiltIn);
}
