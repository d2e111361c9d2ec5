#include "history/historywriter.h"

#include "appinfo.h"

#include <QCoreApplication>
#include <QSettings>

#include <memory>

using namespace History;

namespace {

const QString LastPlayerKey = QStringLiteral("history/lastPlayer");

std::unique_ptr<QSettings> settingsAt(const QString &file)
{
    if (file.isEmpty())
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QLatin1String(AppInfo::Name));
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

} // namespace

HistoryWriter::HistoryWriter(Options options)
    : m_options(std::move(options))
    , m_database(m_options.folder)
{
}

QString HistoryWriter::defaultPlayerName()
{
    return QCoreApplication::translate("History", "小朋友");
}

Health HistoryWriter::open()
{
    const Health health = m_database.open();
    if (!m_database.isOpen())
        return health;
    if (m_options.player)
        choosePlayer(*m_options.player);
    else
        playingId();
    return health;
}

void HistoryWriter::remember(const QString &name)
{
    // Unchanged, the settings file is left alone: rewriting it costs a sync.
    const auto settings = settingsAt(m_options.settingsFile);
    if (settings->value(LastPlayerKey).toString() != name)
        settings->setValue(LastPlayerKey, name);
}

QString HistoryWriter::rememberedName() const
{
    return settingsAt(m_options.settingsFile)->value(LastPlayerKey).toString();
}

std::optional<Player> HistoryWriter::choosePlayer(const QString &name)
{
    const auto chosen = m_database.findOrAddPlayer(name);
    if (chosen) {
        m_player = chosen->id;
        remember(chosen->name);
    }
    return chosen;
}

EditResult HistoryWriter::renamePlayer(std::int64_t id, const QString &name)
{
    const EditResult result = m_database.renamePlayer(id, name);
    if (result == EditResult::Done && m_player == id)
        remember(name);
    return result;
}

// The last player, else the first there is, else the default player, made now.
std::optional<std::int64_t> HistoryWriter::playingId()
{
    if (m_player && m_database.player(*m_player))
        return m_player;
    m_player.reset();
    if (const auto remembered = m_database.playerNamed(rememberedName()))
        m_player = remembered->id;
    else if (const std::vector<Player> players = m_database.players(); !players.empty())
        m_player = players.front().id;
    else if (const auto made = m_database.findOrAddPlayer(defaultPlayerName()))
        m_player = made->id;
    return m_player;
}

std::optional<Player> HistoryWriter::currentPlayer()
{
    const auto id = playingId();
    return id ? m_database.player(*id) : std::nullopt;
}

bool HistoryWriter::write(const std::vector<Recording> &recordings)
{
    if (!m_database.beginWriting())
        return false;
    for (const Recording &recording : recordings) {
        if (!apply(recording)) {
            m_database.rollback();
            return false;
        }
    }
    return m_database.commit();
}

bool HistoryWriter::apply(const Recording &recording)
{
    if (const auto *start = std::get_if<GameStart>(&recording)) {
        const auto player = playingId();
        if (!player)
            return false;
        GameSettings settings = start->settings;
        if (settings.voice == Voice::Parent)
            settings.voice = m_options.voice ? m_options.voice() : Voice::BuiltIn;
        m_game = m_database.beginGame(*player, start->started, settings);
        return m_game.has_value();
    }
    // A judgement or end with no game (one begun before a failed write) has nowhere to go.
    if (!m_game)
        return true;
    if (const auto *judgement = std::get_if<Judgement>(&recording))
        return m_database.recordJudgement(*m_game, *judgement);
    const auto &end = std::get<GameEnd>(recording);
    const bool ended = m_database.endGame(*m_game, end.score, end.ended);
    m_game.reset();
    return ended;
}
