#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

// The languages the game speaks and writes. Simplified Mandarin is the
// game's own: its texts are the source strings and its spoken numbers the
// sounds :/wav/101 to :/wav/110, so it needs no translation at all.
enum class Language {
    SimplifiedMandarin,
    TraditionalMandarin,
    Cantonese,
    English,
};

namespace Languages {

// The desktop's language; any the game does not have gives Simplified Mandarin.
Language forLocale(const QLocale &locale);

// The codes that --language takes: zh_CN, zh_TW, zh_HK and en.
std::optional<Language> fromCode(QStringView code);
QStringList codes();
QString code(Language language);
// In the language itself, as its speakers would look for it in a list.
QString nativeName(Language language);

// The embedded compiled translation; empty for Simplified Mandarin.
QString translationFile(Language language);

// Where the spoken numbers lie among the embedded sounds, ending with a
// slash: the number n is <folder><100 + n>.
QString numberSoundFolder(Language language);

} // namespace Languages
