#include "history/historytypes.h"

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

bool isValidName(const QString &name)
{
    const qsizetype characters = name.toUcs4().size();
    return characters >= 1 && characters <= MaxNameLength && !name.trimmed().isEmpty();
}

} // namespace History
