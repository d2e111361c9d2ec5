#include "language/language.h"

#include <array>

namespace {

struct LanguageFacts
{
    Language language;
    const char16_t *code;
    const char16_t *translation;
    const char16_t *numberSounds;
    const char16_t *nativeName;
};

// Traditional Mandarin speaks the design's numbers; only Cantonese and
// English have numbers of their own.
constexpr std::array<LanguageFacts, 4> Facts{{
    {Language::SimplifiedMandarin, u"zh_CN", u"", u":/wav/", u"普通话（简体字）"},
    {Language::TraditionalMandarin, u"zh_TW", u":/i18n/kobu_zh_TW.qm", u":/wav/", u"國語（繁體字）"},
    {Language::Cantonese, u"zh_HK", u":/i18n/kobu_zh_HK.qm", u":/wav/yue/", u"粵語"},
    {Language::English, u"en", u":/i18n/kobu_en.qm", u":/wav/en/", u"English"},
}};

const LanguageFacts &factsOf(Language language)
{
    return Facts[std::size_t(language)];
}

} // namespace

namespace Languages {

Language forLocale(const QLocale &locale)
{
    switch (locale.language()) {
    case QLocale::English:
        return Language::English;
    case QLocale::Cantonese:
        return Language::Cantonese;
    case QLocale::Chinese:
        switch (locale.territory()) {
        case QLocale::Taiwan:
            return Language::TraditionalMandarin;
        case QLocale::HongKong:
        case QLocale::Macao:
            return Language::Cantonese;
        default:
            return Language::SimplifiedMandarin;
        }
    default:
        return Language::SimplifiedMandarin;
    }
}

std::optional<Language> fromCode(QStringView code)
{
    for (const LanguageFacts &facts : Facts) {
        if (code == QStringView(facts.code))
            return facts.language;
    }
    return std::nullopt;
}

QStringList codes()
{
    QStringList all;
    for (const LanguageFacts &facts : Facts)
        all << QString::fromUtf16(facts.code);
    return all;
}

QString code(Language language)
{
    return QString::fromUtf16(factsOf(language).code);
}

QString nativeName(Language language)
{
    return QString::fromUtf16(factsOf(language).nativeName);
}

QString translationFile(Language language)
{
    return QString::fromUtf16(factsOf(language).translation);
}

QString numberSoundFolder(Language language)
{
    return QString::fromUtf16(factsOf(language).numberSounds);
}

} // namespace Languages
