#include "rulesrecorder.h"

#include <QTest>

#include <functional>

constexpr int Space = GameRules::KeySpace, Enter = GameRules::KeyEnter;

struct Game
{
    explicit Game(std::uint32_t seed = 20240611) : rules(sound, host, seed) {}
    void press(int key, int times = 1) { while (times-- > 0) rules.pressKey(key); }
    RecordingSound sound;
    RecordingHost host;
    GameRules rules;
};

class tst_GameRules : public QObject
{
    Q_OBJECT

private slots:
    // With the sound off a train departs and comes back empty; a wrong count and an 11th monkey each empty the
    // train, hide the rightmost marker, play 111 and keep the number; the fifth miss ends the game.
    void departureMissesAndGameOver()
    {
        Game g;
        g.rules.toggleCountingAloud();
        g.rules.start();
        const int number = g.rules.askedNumber();
        g.press(Space, number);
        g.press(Enter, 2);
        g.press(Space); // no boarding, second bonus, sound or smoke while it leaves
        QVERIFY(g.rules.boarded() == number && g.rules.score() == 10 && g.sound.ids().size() == 2);
        for (int tick = 0; tick < 125; ++tick)
            g.rules.tick();
        const int next = g.rules.askedNumber();
        QVERIFY(g.rules.trainLeft() == GameRules::TrainHome && g.rules.paintedSeats() == 0);
        QCOMPARE(g.sound.ids(), (QList<int>{100 + number, 112, 100 + next}));
        for (const int lives : {4, 3}) {
            g.press(Space, lives == 3 ? 11 : next % 10 + 1);
            g.press(Enter, lives == 3 ? 0 : 1);
            QVERIFY(g.sound.ids().last() == 111 && g.rules.boarded() == 0 && g.rules.paintedSeats() == 0);
            QVERIFY(g.rules.lifeMarkerVisible(lives - 1) && !g.rules.lifeMarkerVisible(lives));
            QVERIFY(g.rules.askedNumber() == next && g.rules.numberShown() == next);
        }
        g.press(Enter, 2);
        QVERIFY(g.host.leaderboards.isEmpty());
        g.press(Enter);
        QCOMPARE(g.host.leaderboards, (QList<std::pair<std::int16_t, std::int32_t>>{{1, 10}}));
    }

    // A player hammering at the window, mostly waiting for ticks so that departures run to their end.
    void randomPlayKeepsInvariants()
    {
        for (const std::uint32_t seed : {3u, 1234u, 99991u, 0xBEEFu}) {
            std::mt19937 random(seed);
            Game g(seed);
            GameRules &r = g.rules;
            const std::function<void()> actions[] = {[&] { r.start(); }, [&] { r.toggleCountingAloud(); },
                [&] { r.openHelp(); }, [&] { r.pressTrain(random() % 4800 / 10.0); }, [&] { r.tick(); },
                [&] { r.pressKey(std::array{Space, Enter, 33 + int(random() % 1000)}[random() % 21 / 8]); }};
            std::discrete_distribution<int> pick({1, 2, 0.2, 0.5, 80, 42});
            for (int step = 0; step < 30000; ++step) {
                const bool waiting = !r.playing();
                const int score = r.score();
                actions[pick(random)]();
                bool markersRight = true;
                for (int i = 0; r.scoreShown() && i < GameRules::Lives; ++i)
                    markersRight = markersRight && r.lifeMarkerVisible(i) == (i < r.livesLeft());
                QVERIFY2(markersRight && r.boarded() >= 0 && r.boarded() <= 10 && r.livesLeft() >= 0 && r.livesLeft() <= 5
                             && r.askedNumber() >= 1 && r.askedNumber() <= 10 && r.score() % 10 == 0
                             && ((waiting && r.playing()) || r.score() >= score) && g.host.timerRunning == r.timerEnabled()
                             && (r.trainLeft() != GameRules::TrainHome || r.paintedSeats() == r.boarded()),
                         "seed " + QByteArray::number(seed) + ", step " + QByteArray::number(step));
            }
        }
    }
};

QTEST_APPLESS_MAIN(tst_GameRules)
#include "tst_gamerules.moc"
