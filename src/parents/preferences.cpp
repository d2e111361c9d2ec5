#include "parents/preferences.h"

#include <QSettings>

namespace {

const QString LanguageKey = QStringLiteral("preferences/language");
const QString FullScreenKey = QStringLiteral("preferences/fullScreen");
const QString CountingAloudKey = QStringLiteral("preferences/countingAloud");
const QString ParentsVoiceKey = QStringLiteral("preferences/parentsVoice");

} // namespace

Preferences Preferences::load(QSettings &settings)
{
    const Preferences defaults;
    Preferences loaded;
    // A language this game does not know, written by another, is the desktop's.
    loaded.language = Languages::fromCode(settings.value(LanguageKey).toString());
    loaded.fullScreen = settings.value(FullScreenKey, defaults.fullScreen).toBool();
    loaded.countingAloud = settings.value(CountingAloudKey, defaults.countingAloud).toBool();
    loaded.parentsVoice = settings.value(ParentsVoiceKey, defaults.parentsVoice).toBool();
    return loaded;
}

void Preferences::save(QSettings &settings) const
{
    if (language)
        settings.setValue(LanguageKey, Languages::code(*language));
    else
        settings.remove(LanguageKey);
    settings.setValue(FullScreenKey, fullScreen);
    settings.setValue(CountingAloudKey, countingAloud);
    settings.setValue(ParentsVoiceKey, parentsVoice);
    settings.sync();
}
