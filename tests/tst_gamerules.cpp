#include "rulesrecorder.h"

#include <QTest>

#include <functional>

constexpr int Space = GameRules::KeySpace, Enter = GameRules::KeyEnter;

class tst_GameRules : public QObject
{
    Q_OBJECT

private slots:
    // With the sound off a train departs, scores 10 once and comes back empty; a wrong count and an 11th monkey each
    // empty the train, hide the rightmost marker, play 111 and keep the number; the fifth miss ends the game.
    void departureMissesAndGameOver()
    {
        RecordingSound sound;
        RecordingHost host;
        GameRules rules(sound, host, 20240611);
        const auto press = [&rules](int key, int times) { while (times-- > 0) rules.pressKey(key); };
        rules.toggleCountingAloud();
        rules.start();
        const int number = rules.askedNumber();
        press(Space, number);
        press(Enter, 2);
        for (int tick = 0; tick < 125; ++tick)
            rules.tick();
        const int next = rules.askedNumber();
        QVERIFY(rules.trainLeft() == GameRules::TrainHome && rules.paintedSeats() == 0);
        QCOMPARE(sound.ids(), (QList<int>{100 + number, 112, 100 + next}));
        for (const int lives : {4, 3}) {
            press(Space, lives == 3 ? 11 : next % 10 + 1);
            press(Enter, lives == 3 ? 0 : 1);
            QVERIFY(sound.ids().last() == 111 && rules.boarded() == 0 && rules.askedNumber() == next);
            QVERIFY(rules.lifeMarkerVisible(lives - 1) && !rules.lifeMarkerVisible(lives));
        }
        press(Enter, 3);
        QCOMPARE(host.leaderboards, (QList<std::pair<std::int16_t, std::int32_t>>{{1, 10}}));
    }

    void carriagePress_data()
    {
        QTest::addColumn<bool>("departing");
        QTest::addColumn<bool>("helpOpened");
        QTest::addColumn<bool>("monkeysStay");
        QTest::newRow("asking") << false << false << false;
        QTest::newRow("train away") << true << false << true;
        QTest::newRow("between games") << false << true << false;
        QTest::newRow("help froze the train away") << true << true << true;
    }

    // A press on a carriage empties the train where it stands at home, but nobody gets off one that is away.
    void carriagePress()
    {
        QFETCH(bool, departing);
        QFETCH(bool, helpOpened);
        QFETCH(bool, monkeysStay);
        RecordingSound sound;
        RecordingHost host;
        GameRules rules(sound, host, 4);
        rules.start();
        const int seated = rules.askedNumber();
        for (int monkey = 0; monkey < seated; ++monkey)
            rules.boardMonkey();
        if (departing) {
            rules.pressKey(Enter);
            rules.tick();
        }
        if (helpOpened)
            rules.openHelp();
        rules.pressTrain(GameRules::LocomotiveThreshold - 1);
        const int left = monkeysStay ? seated : 0;
        QCOMPARE(std::pair(rules.paintedSeats(), rules.boarded()), std::pair(left, left));
    }

    // A player hammering at the window, mostly waiting for ticks so that departures run to their end.
    void randomPlayKeepsInvariants()
    {
        RecordingSound sound;
        RecordingHost host;
        GameRules r(sound, host, 0xBEEF);
        std::mt19937 random(0xBEEF);
        const std::function<void()> actions[] = {[&] { r.start(); }, [&] { r.pressTrain(random() % 480); },
            [&] { r.tick(); }, [&] { r.pressKey(random() % 2 ? Space : Enter); }};
        std::discrete_distribution<int> pick({1, 0.5, 80, 42});
        for (int step = 0; step < 40000; ++step) {
            actions[pick(random)]();
            QVERIFY(r.boarded() >= 0 && r.boarded() <= 10 && r.livesLeft() >= 0 && r.livesLeft() <= 5 && r.score() % 10 == 0
                    && r.askedNumber() >= 1 && r.askedNumber() <= 10 && host.timerRunning == r.timerEnabled()
                    && (r.trainLeft() != GameRules::TrainHome || r.paintedSeats() == r.boarded()));
        }
    }
};

QTEST_APPLESS_MAIN(tst_GameRules)
#include "tst_gamerules.moc"
