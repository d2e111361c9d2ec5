// kobu --knower-levels on a large table of paper give-N trials, timed as a
// teacher runs it: the whole program, from start to exit.
// Usage: bench_knowerlevels PATH-TO-KOBU

#include "median.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int Rows = 100000;
constexpr int Children = 1208;
constexpr int Runs = 7;
constexpr double TargetMs = 500;

// Children with quoted names and an extra column, asked 1..10 and giving
// mostly the right number.
QByteArray trialTable()
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> child(1, Children), asked(1, 10), slip(0, 3), given(0, 11);
    QByteArray table("\xef\xbb\xbf" "session,child,given,asked\r\n");
    for (int row = 0; row < Rows; ++row) {
        const int number = asked(random);
        const int answer = slip(random) == 0 ? given(random) : number;
        table += "s" + QByteArray::number(row % 3) + ",\"小朋友, " + QByteArray::number(child(random)) + "\","
                 + QByteArray::number(answer) + ',' + QByteArray::number(number) + "\r\n";
    }
    return table;
}

// User and system time of the children waited for so far.
double childrenProcessorMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval &t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

} // namespace

int main(int argc, char *argv[])
{
    const QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: bench_knowerlevels PATH-TO-KOBU\n", stderr);
        return 2;
    }
    const QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("trials.csv"));
    QFile file(fileName);
    const QByteArray table = trialTable();
    if (!file.open(QIODevice::WriteOnly) || file.write(table) != table.size())
        return 1;
    file.close();

    std::vector<double> times, processorTimes;
    for (int run = 0; run < Runs; ++run) {
        QProcess kobu;
        kobu.setStandardOutputFile(QProcess::nullDevice());
        const double processorBefore = childrenProcessorMs();
        QElapsedTimer clock;
        clock.start();
        kobu.start(QString::fromLocal8Bit(argv[1]), {QStringLiteral("--knower-levels"), fileName});
        if (!kobu.waitForFinished(60000) || kobu.exitStatus() != QProcess::NormalExit || kobu.exitCode() != 0) {
            std::fprintf(stderr, "bench_knowerlevels: kobu failed: %s\n", kobu.readAllStandardError().constData());
            return 1;
        }
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
        processorTimes.push_back(childrenProcessorMs() - processorBefore);
        std::printf("  run %d  %8.1f ms, CPU %6.1f ms\n", run + 1, times.back(), processorTimes.back());
    }
    std::printf("median CPU time (user and system) %.1f ms, near the wall time on an idle machine\n",
                median(processorTimes));
    std::printf("%d rows, %d children, %lld bytes; median of %d runs of the whole program\n", Rows, Children,
                static_cast<long long>(table.size()), Runs);
    const double wall = median(times);
    std::printf("%s  %-32s %10.1f ms   target <= %g ms\n", wall <= TargetMs ? "PASS" : "MISS",
                "knower levels, 100 000 rows", wall, TargetMs);
    return 0;
}
