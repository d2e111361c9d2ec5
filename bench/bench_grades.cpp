// The fourth grade's choice of numbers for a child with 100 000 judgements
// behind them: what the interface thread does when a game starts (a copy
// of the grade weighed on the history's thread) and at each question (the
// choice and the step). Prints PASS or MISS lines for bench/run.

#include "median.h"

#include "grades/stepbystep.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int Judgements = 100000;
constexpr int Runs = 7;
constexpr int Questions = 100000;
constexpr double TargetMs = 1.0;

// A child who knows 1 to 4 and is learning 5: mostly right below, mostly wrong above.
std::vector<History::FirstTry> history()
{
    std::mt19937 random(19);
    std::uniform_int_distribution<int> asked(1, 10), percent(0, 99), given(0, 11);
    std::vector<History::FirstTry> tries;
    for (int i = 0; i < Judgements; ++i) {
        const int number = asked(random);
        const int rightPercent = number <= 4 ? 95 : number == 5 ? 50 : 10;
        tries.push_back({number, percent(random) < rightPercent ? number : given(random)});
    }
    return tries;
}

void verdict(const char *name, double ms)
{
    std::printf("%s  %-32s %10.6f ms   target < %g ms\n", ms < TargetMs ? "PASS" : "MISS", name, ms, TargetMs);
}

} // namespace

int main()
{
    const std::vector<History::FirstTry> tries = history();
    std::vector<double> weighing, starting, choosing;
    std::mt19937 random(4);
    int checksum = 0;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        const StepByStep weighed(tries);
        weighing.push_back(double(clock.nsecsElapsed()) / 1e6);
        clock.restart();
        StepByStep grade(weighed);
        starting.push_back(double(clock.nsecsElapsed()) / 1e6);
        clock.restart();
        for (int question = 0; question < Questions; ++question) {
            const int number = grade.nextNumber(random);
            grade.firstTryJudged(number <= 4);
            checksum += number;
        }
        choosing.push_back(double(clock.nsecsElapsed()) / 1e6 / Questions);
        std::printf("  run %d  weighing %8.3f ms, a game's start %9.6f ms, a choice %9.6f ms\n", run + 1,
                    weighing.back(), starting.back(), choosing.back());
    }
    std::printf("%d judgements behind the child; median of %d runs (checksum %d)\n", Judgements, Runs, checksum);
    std::printf("weighing the history, on the history's thread: %.1f ms\n", median(weighing));
    verdict("grade 4, a game's start", median(starting));
    verdict("grade 4, a question's choice", median(choosing));
    return 0;
}
