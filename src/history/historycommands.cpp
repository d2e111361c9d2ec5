#include "history/historycommands.h"

#include "history/historycsv.h"
#include "history/historydatabase.h"
#include "progress/knowerprogress.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

using namespace History;

namespace {

// The texts' translation context.
struct Words
{
    Q_DECLARE_TR_FUNCTIONS(HistoryCommands)
};

int refuse(const QString &why)
{
    std::fputs(qPrintable(QStringLiteral("kobu: %1\n").arg(why)), stderr);
    return HistoryCommands::Refused;
}

QString healthText(const Health &health)
{
    QString text;
    for (const QString &name : health.damagedSetAside)
        text += Words::tr("历史文件坏了，已经移到一边，保存为 %1，新的历史从头开始。").arg(name) + QLatin1Char('\n');
    if (!health.canWrite)
        text += Words::tr("历史无法保存：%1").arg(health.whyNot) + QLatin1Char('\n');
    return text;
}

QString playerText(HistoryDatabase &history, const Player &player)
{
    const std::vector<FirstTry> firstTries = history.firstTries(player.id);
    const KnowerProgress progress = inGameProgress(firstTries);
    QString text = player.name + QLatin1Char('\n');
    text += QStringLiteral("  ") + Words::tr("玩了 %1 局，答了 %2 题").arg(history.gamesPlayed(player.id)).arg(firstTries.size())
        + QLatin1Char('\n');
    text += QStringLiteral("  ") + Words::tr("数字认知水平：%1").arg(progress.levelText()) + QLatin1Char('\n');
    text += QStringLiteral("  ") + Words::tr("第一次就答对：") + QLatin1Char('\n');
    for (int number = 1; number <= KnowerProgress::LargestNumber; ++number) {
        const NumberProgress tries = progress.number(number);
        const QString accuracy = tries.timesAsked == 0
            ? Words::tr("还没问过")
            : Words::tr("%1/%2（%3%）").arg(tries.rightFirstTries).arg(tries.timesAsked).arg(qRound(100 * tries.accuracy()));
        text += QStringLiteral("    %1：%2\n").arg(number, 2).arg(accuracy);
    }
    return text;
}

} // namespace

namespace HistoryCommands {

QString progressText(HistoryDatabase &history)
{
    QString text = healthText(history.health());
    const std::vector<Player> players = history.players();
    if (players.empty())
        text += Words::tr("还没有玩家。") + QLatin1Char('\n');
    for (const Player &player : players)
        text += playerText(history, player);
    return text;
}

int printProgress(const QString &dataFolder)
{
    HistoryDatabase history(dataFolder);
    history.open();
    std::fputs(progressText(history).toLocal8Bit().constData(), stdout);
    return EXIT_SUCCESS;
}

int exportCsv(const QString &dataFolder, const QString &fileName)
{
    HistoryDatabase history(dataFolder);
    history.open();
    if (!history.isOpen())
        return refuse(healthText(history.health()).trimmed());
    if (fileName == QLatin1String("-")) {
        const QByteArray bytes = HistoryCsv::write(history.allJudgements());
        const bool written = std::fwrite(bytes.constData(), 1, bytes.size(), stdout) == std::size_t(bytes.size());
        return std::fflush(stdout) == 0 && written ? EXIT_SUCCESS : Refused;
    }
    const QString error = HistoryCsv::writeFile(fileName, history.allJudgements());
    if (!error.isEmpty())
        return refuse(Words::tr("写不了“%1”：%2").arg(fileName, error));
    return EXIT_SUCCESS;
}

int importCsv(const QString &dataFolder, const QString &fileName)
{
    QFile file(fileName);
    // Only a plain file: a pipe standing there would never end.
    if (!QFileInfo(fileName).isFile() || !file.open(QIODevice::ReadOnly))
        return refuse(Words::tr("读不了“%1”").arg(fileName));
    const HistoryCsv::Reading reading = HistoryCsv::read(file.readAll());
    if (!reading.error.isEmpty())
        return refuse(QStringLiteral("%1: %2").arg(fileName, reading.error));
    HistoryDatabase history(dataFolder);
    history.open();
    const std::optional<int> added = history.addJudgements(reading.judgements);
    if (!added)
        return refuse(healthText(history.health()).trimmed());
    std::fputs(qPrintable(Words::tr("加入了 %1 条记录，%2 条已经有了。").arg(*added).arg(reading.judgements.size() - *added) + u'\n'),
               stdout);
    return EXIT_SUCCESS;
}

} // namespace HistoryCommands
