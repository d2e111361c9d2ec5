#include "parents/reportcommand.h"

#include "history/historydatabase.h"
#include "history/historystore.h"
#include "parents/childreport.h"
#include "parents/reportpdf.h"
#include "players/playerpicture.h"

#include <QCoreApplication>
#include <QDate>

#include <cstdio>

namespace {

// The exit status of a file or name that cannot be used.
constexpr int Refused = 2;

int refuse(const QString &why)
{
    std::fputs(qPrintable(QStringLiteral("%1\n").arg(why)), stderr);
    return Refused;
}

} // namespace

int ReportCommand::run(const QString &dataFolder, const QString &playerName, const QString &fileName)
{
    HistoryDatabase history(dataFolder);
    history.open();
    const std::optional<History::Player> player = history.playerNamed(playerName);
    if (!player)
        return refuse(tr("没有叫“%1”的玩家。").arg(playerName));
    const QDate today = QDate::currentDate();
    ChildReport report;
    report.player = *player;
    report.picture.load(PlayerPictures::resource(PlayerPicture(player->picture), ChildReport::PictureScale));
    report.firstTries = history.firstTries(player->id);
    report.lastGames = history.lastGames(player->id, HistoryStore::LastGames);
    report.days = history.questionsPerDay(player->id, today, HistoryStore::Days);
    report.weeks = history.accuracyPerWeek(player->id, today, HistoryStore::Weeks);
    if (!ReportPdf::write(report, today, fileName))
        return refuse(tr("写不了“%1”。").arg(fileName));
    return EXIT_SUCCESS;
}
