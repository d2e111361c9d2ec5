#include "rulesrecorder.h"

#include <QTest>

constexpr int Space = GameRules::KeySpace, Enter = GameRules::KeyEnter;

struct Game
{
    explicit Game(std::uint32_t seed = 20240611) : rules(sound, host, seed) {}
    int asked() const { return rules.askedNumber(); }
    void press(int key, int times = 1) { while (times-- > 0) rules.pressKey(key); }
    void tick(int times) { while (times-- > 0) rules.tick(); }
    RecordingSound sound;
    RecordingHost host;
    GameRules rules;
};

class tst_GameRules : public QObject
{
    Q_OBJECT

private slots:
    // With the sound off, a train departs and comes back empty; five misses then end the game.
    void departureAndGameOver()
    {
        Game g;
        g.rules.toggleCountingAloud();
        g.rules.start();
        const int number = g.asked();
        g.press(Space, number);
        g.press(Enter);
        g.tick(10);
        g.press(Space);
        g.press(Enter); // no boarding, second bonus, sound or smoke
        QVERIFY(g.rules.boarded() == number && g.rules.score() == 10 && g.sound.ids().size() == 2);
        QCOMPARE(g.rules.smokeLeft() - g.rules.trainLeft(), 420 - GameRules::TrainHome);
        g.tick(114);
        QCOMPARE(g.rules.trainLeft(), 650);
        g.tick(1);
        QVERIFY(g.rules.trainLeft() == GameRules::TrainHome && g.rules.paintedSeats() == 0);
        QCOMPARE(g.sound.ids(), (QList<int>{100 + number, 112, 100 + g.asked()}));
        g.press(Enter, 4);
        QVERIFY(g.host.leaderboards.isEmpty());
        g.press(Enter);
        QCOMPARE(g.host.leaderboards, (QList<std::pair<std::int16_t, std::int32_t>>{{1, 10}}));
    }

    // A miss empties the train, hides the rightmost marker, plays 111 and keeps the number.
    void miss()
    {
        for (const bool eleventh : {false, true}) {
            Game g;
            g.rules.start();
            const int number = g.asked(), monkeys = eleventh ? 11 : number % 10 + 1;
            g.press(Space, monkeys);
            g.press(Enter, eleventh ? 0 : 1);
            QList<int> sounds{100 + number};
            for (int n = 1; n <= qMin(monkeys, 10); ++n)
                sounds << 100 + n;
            QCOMPARE(g.sound.ids(), sounds << 111);
            QVERIFY(g.rules.boarded() == 0 && g.rules.paintedSeats() == 0);
            QVERIFY(g.rules.lifeMarkerVisible(3) && !g.rules.lifeMarkerVisible(4));
            QVERIFY(g.asked() == number && g.rules.numberShown() == number);
        }
    }

    // A player hammering at the window, mostly waiting for ticks so that departures run to their end.
    void randomPlayKeepsInvariants()
    {
        std::discrete_distribution<int> pick({1, 2, 0.2, 0.5, 16, 3, 2, 80});
        for (const std::uint32_t seed : {3u, 1234u, 99991u, 0xBEEFu}) {
            std::mt19937 random(seed);
            Game g(seed);
            GameRules &r = g.rules;
            for (int step = 0; step < 30000; ++step) {
                const bool waiting = !r.playing();
                const int score = r.score();
                switch (pick(random)) {
                case 0: r.start(); break;
                case 1: r.toggleCountingAloud(); break;
                case 2: r.openHelp(); break;
                case 3: r.pressTrain(std::uniform_real_distribution<double>(0, 480)(random)); break;
                case 4: r.pressKey(Space); break;
                case 5: r.pressKey(Enter); break;
                case 6: r.pressKey(33 + int(random() % 1000)); break;
                default: r.tick();
                }
                const QByteArray at = "seed " + QByteArray::number(seed) + ", step " + QByteArray::number(step);
                QVERIFY2(r.boarded() >= 0 && r.boarded() <= 10 && r.livesLeft() >= 0 && r.livesLeft() <= 5, at);
                QVERIFY2(r.askedNumber() >= 1 && r.askedNumber() <= 10, at);
                for (int i = 0; r.scoreShown() && i < GameRules::Lives; ++i)
                    QVERIFY2(r.lifeMarkerVisible(i) == (i < r.livesLeft()), at);
                QVERIFY2(r.score() % 10 == 0 && ((waiting && r.playing()) || r.score() >= score), at);
                QVERIFY2(r.trainLeft() != GameRules::TrainHome || r.paintedSeats() == r.boarded(), at);
                QVERIFY2(g.host.timerRunning == r.timerEnabled(), at);
            }
        }
    }
};

QTEST_APPLESS_MAIN(tst_GameRules)
#include "tst_gamerules.moc"
