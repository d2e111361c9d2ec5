// The parents' corner over a long history: how soon every page shows what
// 100 000 judgements say, and how long a chart takes to paint at 4K.
#include "median.h"

#include "history/historystore.h"
#include "history/historywriter.h"
#include "parents/barchart.h"
#include "parents/numbergrid.h"
#include "parents/parentscorner.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Judgements = 100000;
constexpr int PerGame = 100;
constexpr int Days = 90;
constexpr int Runs = 7;
constexpr double OpenTargetMs = 200;
constexpr double PaintTargetMs = 16;
const QSize FourK(3840, 2160);

void verdict(const char *name, double measured, double target)
{
    std::printf("%s  %-34s %10.1f ms   target <= %g ms\n", measured <= target ? "PASS" : "MISS", name, measured,
                target);
}

// A child who plays every day and slowly learns the larger numbers.
void fillHistory(const HistoryWriter::Options &options)
{
    HistoryWriter writer(options);
    writer.open();
    const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-Days);
    std::vector<HistoryWriter::Recording> recordings;
    for (int game = 0; game < Judgements / PerGame; ++game) {
        const QDateTime started = start.addSecs(qint64(game) * Days * 86400 / (Judgements / PerGame));
        recordings.push_back(HistoryWriter::GameStart{started, {1, QStringLiteral("zh_CN"), History::Voice::BuiltIn, true}});
        for (int question = 1; question <= PerGame; ++question) {
            const int asked = 1 + (game * 7 + question * 3) % 10;
            const int given = (question + game) % 4 == 0 ? asked - 1 : asked;
            recordings.push_back(History::Judgement{question, 1, asked, given, given == asked, 3.5, 0});
        }
        recordings.push_back(HistoryWriter::GameEnd{PerGame * 10, started.addSecs(600)});
    }
    writer.write(recordings);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const auto options = [&folder] {
        return HistoryWriter::Options{folder.path() + QLatin1Char('/'), QStringLiteral("小明"),
                                      folder.filePath(QStringLiteral("kobu.ini")), {}};
    };
    fillHistory(options());
    HistoryStore store;
    QSignalSpy opened(&store, &HistoryStore::playersChanged);
    store.open(options);
    opened.wait(10000);

    QWidget game;
    game.resize(694, 438);
    game.show();
    std::vector<double> openings;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        ParentsCorner corner(store, Preferences{}, &game);
        QSignalSpy refreshed(&corner, &ParentsCorner::refreshed);
        corner.show();
        if (!refreshed.wait(10000)) {
            std::fprintf(stderr, "bench_corner: the corner never showed the history\n");
            return 1;
        }
        openings.push_back(double(clock.nsecsElapsed()) / 1e6);
        std::printf("  run %d  corner filled in %8.1f ms\n", run + 1, openings.back());
    }

    QList<BarChart::Bar> bars;
    for (int day = 0; day < 30; ++day)
        bars.append({day % 5 == 0 ? QStringLiteral("12/%1").arg(day + 1) : QString(), double(day * 7 % 40)});
    const BarChart chart(QStringLiteral("每天答的题数（最近 30 天）"), BarChart::Scale::Count, bars);
    std::vector<NumberProgress> numbers;
    for (int n = 1; n <= 10; ++n)
        numbers.push_back({n, NumberStatus(n % 4), 10, 5, n - 1});
    QImage screen(FourK, QImage::Format_ARGB32_Premultiplied);
    std::vector<double> chartPaints;
    std::vector<double> gridPaints;
    for (int run = 0; run < Runs * 3; ++run) {
        screen.fill(Qt::white);
        QElapsedTimer clock;
        clock.start();
        {
            QPainter painter(&screen);
            chart.paint(painter, QRectF(screen.rect()));
        }
        chartPaints.push_back(double(clock.nsecsElapsed()) / 1e6);
        clock.restart();
        {
            QPainter painter(&screen);
            NumberGrid::paint(painter, QRectF(screen.rect()), numbers);
        }
        gridPaints.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::printf("%d judgements in %d games; median of %d openings, %d paints of a 3840 x 2160 picture\n", Judgements,
                Judgements / PerGame, Runs, Runs * 3);
    verdict("corner open, 100 000 judgements", median(openings), OpenTargetMs);
    verdict("chart paint at 4K", median(chartPaints), PaintTargetMs);
    verdict("number grid paint at 4K", median(gridPaints), PaintTargetMs);
    return 0;
}
