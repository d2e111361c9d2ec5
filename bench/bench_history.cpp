// The history at 100 000 judgements: its size on disk, and kobu --progress
// timed as a parent runs it, the whole program from start to exit.
// Usage: bench_history PATH-TO-KOBU        measures
//        bench_history --make FOLDER/      only writes such a history there

#include "median.h"

#include "history/historydatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int Judgements = 100000;
constexpr int Players = 20;
constexpr int QuestionsPerGame = 40;
constexpr int Runs = 7;
constexpr double TargetProgressMs = 300;
constexpr double TargetBytesPerJudgement = 100;

// Twenty children, games of forty questions, a miss now and then with its retry.
bool makeHistory(const QString &folder)
{
    HistoryDatabase history(folder);
    if (!history.open().canWrite)
        return false;
    std::vector<std::int64_t> players;
    for (int player = 0; player < Players; ++player)
        players.push_back(history.findOrAddPlayer(QStringLiteral("孩子 %1").arg(player)).value_or(History::Player{}).id);
    std::mt19937 random(11);
    std::uniform_int_distribution<int> asked(1, 10), slip(0, 4), given(0, 11), unloads(0, 1);
    std::uniform_real_distribution<double> seconds(1, 20);
    int written = 0;
    QDateTime started(QDate(2026, 1, 5), QTime(9, 0), Qt::UTC);
    for (int game = 0; written < Judgements; ++game) {
        if (!history.beginWriting())
            return false;
        const auto id = history.beginGame(players[game % Players], started,
                                          {1, QStringLiteral("zh_CN"), History::Voice::BuiltIn, true});
        for (int question = 1; id && question <= QuestionsPerGame && written < Judgements; ++question) {
            const int number = asked(random);
            for (int attempt = 1; written < Judgements; ++attempt) {
                const int answer = slip(random) == 0 && attempt < 3 ? given(random) : number;
                history.recordJudgement(*id, {question, attempt, number, answer, answer == number,
                                              std::round(seconds(random) * 1000) / 1000, unloads(random)});
                ++written;
                if (answer == number)
                    break;
            }
        }
        if (!id || !history.endGame(*id, 100, started.addSecs(600)) || !history.commit())
            return false;
        started = started.addSecs(3600);
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    const QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--make"))
        return makeHistory(arguments[2]) ? 0 : 1;
    if (arguments.size() != 2) {
        std::fputs("usage: bench_history PATH-TO-KOBU | --make FOLDER/\n", stderr);
        return 2;
    }
    // kobu run from a folder of its own keeps its history beside itself.
    const QTemporaryDir folder;
    const QString kobu = folder.filePath(QStringLiteral("kobu"));
    if (!QFile::copy(arguments[1], kobu) || !makeHistory(folder.path() + QLatin1Char('/')))
        return 1;
    const double bytes = double(QFileInfo(folder.filePath(QStringLiteral("history.sqlite"))).size()) / Judgements;

    std::vector<double> times;
    for (int run = 0; run < Runs; ++run) {
        QProcess progress;
        progress.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer clock;
        clock.start();
        progress.start(kobu, {QStringLiteral("--progress")});
        if (!progress.waitForFinished(60000) || progress.exitStatus() != QProcess::NormalExit || progress.exitCode() != 0) {
            std::fprintf(stderr, "bench_history: kobu --progress failed: %s\n", progress.readAllStandardError().constData());
            return 1;
        }
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
        std::printf("  run %d  kobu --progress %8.1f ms\n", run + 1, times.back());
    }
    std::printf("%d judgements of %d players; median of %d runs of the whole program\n", Judgements, Players, Runs);
    const double wall = median(times);
    std::printf("%s  %-32s %10.1f ms   target <= %g ms\n", wall <= TargetProgressMs ? "PASS" : "MISS",
                "--progress, 100 000 judgements", wall, TargetProgressMs);
    std::printf("%s  %-32s %10.1f B    target <= %g B\n", bytes <= TargetBytesPerJudgement ? "PASS" : "MISS",
                "history bytes per judgement", bytes, TargetBytesPerJudgement);
    return 0;
}
