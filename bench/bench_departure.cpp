// Plays one correct answer in the real game window and times the departure
// that follows: every tick of the departure timer against the ideal schedule,
// and the CPU time used during the departure and while waiting afterwards.
// With --fullscreen the game fills the screen, and the frames of the gliding
// train are timed too.
// Prints its figures, then one PASS or MISS line per target; exits non-zero
// only when the departure could not be measured.

#include "widgets/chinesefont.h"
#include "game/gamewindow.h"
#include "history/gamerecorder.h"
#include "history/historystore.h"
#include "sound/soundplayer.h"

#include <QApplication>
#include <QEventLoop>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr std::uint32_t Seed = 1;
constexpr int ExpectedTicks = 125;
constexpr std::chrono::milliseconds Interval(GameRules::TickMs);
constexpr double DurationTolerance = 0.01;
constexpr double MaxLatenessMs = 10.0;
// Once back, the train's next number is spoken; waiting is measured after it.
constexpr std::chrono::milliseconds SettleWait = 3s;
constexpr std::chrono::milliseconds IdleWait = 10s;
constexpr double MaxIdleCpuMs = 10.0;
constexpr std::chrono::milliseconds DepartureTimeout = 30s;
constexpr std::chrono::milliseconds FullScreenTimeout = 5s;
constexpr double MaxFullScreenDepartureCpuMs = 1500;
constexpr double MaxFrameLatenessFrames = 2;
// Judgements handed to the history during the departure, far faster than any child.
constexpr std::chrono::milliseconds WriteInterval(20);

double milliseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

long long wholeSeconds(std::chrono::milliseconds d)
{
    return std::chrono::duration_cast<std::chrono::seconds>(d).count();
}

// User plus system time of every thread of this process.
double cpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval &t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

void verdict(bool pass, const char *name, const QString &measured, const char *target)
{
    std::printf("%s  %-34s %14s  target %s\n", pass ? "PASS" : "MISS", name, qPrintable(measured), target);
}

QString inMs(double ms)
{
    return QStringLiteral("%1 ms").arg(ms, 0, 'f', 3);
}

int fail(const char *why)
{
    std::fprintf(stderr, "bench_departure: %s\n", why);
    return 1;
}

void runEventLoopFor(std::chrono::milliseconds wait)
{
    QEventLoop loop;
    QTimer::singleShot(wait, &loop, &QEventLoop::quit);
    loop.exec();
}

// When the train moves while it is in sight, while the clock runs. A moving
// train is shifted on screen, not drawn again, so its moves are its frames.
class FrameClock : public QObject
{
public:
    explicit FrameClock(const QTimer *frameTimer)
        : m_frameTimer(frameTimer)
    {
    }

    bool running = false;
    std::vector<Clock::time_point> frames;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const auto *train = static_cast<QWidget *>(watched);
        if (running && m_frameTimer->isActive() && event->type() == QEvent::Move
            && train->x() < train->parentWidget()->width())
            frames.push_back(Clock::now());
        return QObject::eventFilter(watched, event);
    }

private:
    const QTimer *m_frameTimer;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installChineseFontSubstitutes();
    // No game ends here, but a ranking file would go to a throwaway folder;
    // the history of the judgements goes there for real.
    const QTemporaryDir rankingFolder;
    const QString folder = rankingFolder.path() + QLatin1Char('/');
    SoundPlayer sound;
    HistoryStore history;
    history.open([folder] { return HistoryWriter::Options{folder, {}, folder + QStringLiteral("kobu.ini"), {}}; });
    GameRecorder recorder(history, QStringLiteral("zh_CN"));
    GameWindow game(sound, recorder, folder, Seed, loadBitmaps());
    const bool fullScreen = QApplication::arguments().contains(QStringLiteral("--fullscreen"));
    if (fullScreen)
        game.setFullScreen(true);
    else
        game.show();
    if (!QTest::qWaitForWindowExposed(&game))
        return fail("the game window was not shown");
    if (fullScreen && !QTest::qWaitFor([&] { return game.factor() > 1; }, int(FullScreenTimeout.count())))
        return fail("the game did not fill the screen (is a window manager running?)");

    auto *timer = game.findChild<QTimer *>(QStringLiteral("departureTimer"));
    auto *startButton = game.findChild<QWidget *>(QStringLiteral("startButton"));
    auto *monkeys = game.findChild<QWidget *>(QStringLiteral("monkeyGroup"));
    if (!timer || !startButton || !monkeys)
        return fail("a control is missing");

    QTest::mouseClick(startButton, Qt::LeftButton);
    const int wanted = game.rules().askedNumber();
    for (int i = 0; i < wanted; ++i)
        QTest::mouseClick(monkeys, Qt::LeftButton);
    if (game.rules().boarded() != wanted)
        return fail("the monkeys did not board");
    // Let the spoken count end, as a player would before sending the train.
    runEventLoopFor(1s);

    std::vector<Clock::time_point> ticks;
    QEventLoop departure;
    // Connected after the game's own handler, so a tick is stamped once handled.
    QObject::connect(timer, &QTimer::timeout, &departure, [&] {
        ticks.push_back(Clock::now());
        if (!game.rules().timerEnabled())
            departure.quit();
    });
    QTimer::singleShot(DepartureTimeout, &departure, &QEventLoop::quit);

    auto *frameTimer = game.findChild<QTimer *>(QStringLiteral("frameTimer"));
    if (!frameTimer)
        return fail("the game has no frame timer");
    FrameClock frameClock(frameTimer);
    if (auto *train = game.findChild<QWidget *>(QStringLiteral("train")))
        train->installEventFilter(&frameClock);
    // The history keeps writing all along, as a busy player's game would make it.
    int written = 0;
    QTimer writes;
    writes.setInterval(WriteInterval);
    QObject::connect(&writes, &QTimer::timeout, &departure, [&] {
        ++written;
        history.recordJudgement(History::Judgement{1000 + written, 1, 3, 3, true, 1.5, 0});
    });
    writes.start();
    frameClock.running = true;
    const double cpuStart = cpuMs();
    const auto start = Clock::now();
    QTest::keyClick(game.focusWidget() ? game.focusWidget() : &game, Qt::Key_Return);
    const auto handled = Clock::now();
    if (!game.rules().timerEnabled())
        return fail("the train did not leave");
    departure.exec();
    const double cpuDeparture = cpuMs() - cpuStart;
    frameClock.running = false;
    writes.stop();
    if (game.rules().timerEnabled())
        return fail("the train did not come back in time");

    const double cpuSettleStart = cpuMs();
    runEventLoopFor(SettleWait);
    const double cpuIdleStart = cpuMs();
    runEventLoopFor(IdleWait);
    const double cpuSettle = cpuIdleStart - cpuSettleStart;
    const double cpuIdle = cpuMs() - cpuIdleStart;

    // Tick k is due k intervals after Enter was pressed; the timer itself
    // can only start once the key has been handled.
    struct Lateness
    {
        double ms;
        std::size_t tick;
    };
    const auto worstLateness = [&](Clock::time_point zero) {
        Lateness worst{-Interval.count() * double(ExpectedTicks), 0};
        for (std::size_t k = 0; k < ticks.size(); ++k) {
            const double late = milliseconds(ticks[k] - (zero + Interval * int(k + 1)));
            if (late > worst.ms)
                worst = {late, k + 1};
        }
        return worst;
    };
    const Lateness worst = worstLateness(start);
    const Lateness worstOnceHandled = worstLateness(handled);
    const double nominalMs = milliseconds(Interval * ExpectedTicks);
    const double durationMs = milliseconds(ticks.back() - start);

    std::printf("Departure of the train (number asked %d, %zu ticks of %lld ms)\n", wanted, ticks.size(),
                static_cast<long long>(Interval.count()));
    std::printf("  Enter handled in                 %10.3f ms\n", milliseconds(handled - start));
    std::printf("  duration, Enter to train back    %10.3f ms (nominal %.0f ms)\n", durationMs, nominalMs);
    std::printf("  worst tick lateness after Enter  %10.3f ms (tick %zu)\n", worst.ms, worst.tick);
    std::printf("  the same after Enter was handled %10.3f ms (tick %zu)\n", worstOnceHandled.ms,
                worstOnceHandled.tick);
    std::printf("  CPU during the departure         %10.3f ms\n", cpuDeparture);
    std::printf("  judgements written meanwhile     %10d\n", written);
    std::printf("  CPU, next %2lld s (number spoken) %10.3f ms\n", wholeSeconds(SettleWait), cpuSettle);
    std::printf("  CPU, %2lld s waiting after that   %10.3f ms\n", wholeSeconds(IdleWait), cpuIdle);

    if (fullScreen) {
        const double frameMs = 1000 / (game.screen()->refreshRate() > 0 ? game.screen()->refreshRate() : 60);
        double worstGapMs = 0, worstGapAfterMs = 0;
        for (std::size_t k = 1; k < frameClock.frames.size(); ++k) {
            const double gap = milliseconds(frameClock.frames[k] - frameClock.frames[k - 1]);
            if (gap > worstGapMs) {
                worstGapMs = gap;
                worstGapAfterMs = milliseconds(frameClock.frames[k - 1] - start);
            }
        }
        const double latenessFrames = std::max(0.0, worstGapMs / frameMs - 1);
        std::printf("  screen %dx%d, the design %.3f times, frames of %.2f ms\n", game.width(), game.height(),
                    game.factor(), frameMs);
        std::printf("  train moved                      %10zu times\n", frameClock.frames.size());
        std::printf("  longest gap between moves        %10.3f ms (%.2f frames late, %.0f ms after Enter)\n",
                    worstGapMs, latenessFrames, worstGapAfterMs);
        verdict(cpuDeparture <= MaxFullScreenDepartureCpuMs, "CPU of a full-screen departure", inMs(cpuDeparture),
                "<= 1500 ms");
        verdict(latenessFrames <= MaxFrameLatenessFrames, "worst frame lateness, full screen",
                QStringLiteral("%1 frames").arg(latenessFrames, 0, 'f', 2), "<= 2 frames");
    }
    verdict(int(ticks.size()) == ExpectedTicks, "departure ticks", QString::number(ticks.size()), "= 125");
    verdict(std::abs(durationMs - nominalMs) <= nominalMs * DurationTolerance, "departure duration",
            inMs(durationMs), "12500 ms within 1%");
    verdict(worst.ms <= MaxLatenessMs, "worst tick lateness after Enter", inMs(worst.ms), "<= 10 ms");
    verdict(cpuIdle < MaxIdleCpuMs, "CPU waiting 10 s, departure over", inMs(cpuIdle), "< 10 ms");
    return 0;
}
