#include "history/historytypes.h"

#include "progress/knowerprogress.h"

namespace History {

QString voiceCode(Voice voice)
{
    return voice == Voice::Parent ? QStringLiteral("parent") : QStringLiteral("built-in");
}

std::optional<Voice> voiceFromCode(QStringView code)
{
    if (code == u"built-in")
        return Voice::BuiltIn;
    if (code == u"parent")
        return Voice::Parent;
    return std::nullopt;
}

KnowerProgress inGameProgress(const std::vector<FirstTry> &firstTries)
{
    std::vector<GiveNTrial> trials;
    trials.reserve(firstTries.size());
    for (const FirstTry &first : firstTries)
        trials.push_back({first.asked, first.given, 1});
    return {trials, KnowerScoring::inGame()};
}

bool isValidName(const QString &name)
{
    const qsizetype characters = name.toUcs4().size();
    return characters >= 1 && characters <= MaxNameLength && !name.trimmed().isEmpty();
}

} // namespace History
