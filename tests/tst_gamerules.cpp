#include "rulesrecorder.h"

#include <QTest>

#include <functional>
#include <map>

constexpr GameRules::Key Space = GameRules::Key::Space, Enter = GameRules::Key::Enter;

class tst_GameRules : public QObject
{
    Q_OBJECT

private slots:
    // With the sound off a train departs and scores 10 once; a wrong count and an 11th monkey each
    // empty the train, hide the rightmost marker, play the miss and keep the number; the fifth miss ends the game.
    void departureMissesAndGameOver()
    {
        auto &&[sound, host, judgements, rules] = RecordedRules(20240611);
        const auto press = [&rules](GameRules::Key key, int times) { while (times-- > 0) rules.pressKey(key); };
        rules.toggleCountingAloud();
        rules.start();
        const int number = rules.askedNumber();
        press(Space, number);
        press(Enter, 2);
        for (int tick = 0; tick < 125; ++tick)
            rules.tick();
        const int next = rules.askedNumber();
        QCOMPARE(sound.ids(), (QList<Sound>{Sounds::spokenNumber(number), Sound::Departure, Sounds::spokenNumber(next)}));
        for (const int lives : {4, 3}) {
            press(Space, lives == 3 ? 11 : next % 10 + 1);
            press(Enter, lives == 3 ? 0 : 1);
            QVERIFY(sound.ids().last() == Sound::Miss && rules.boarded() == 0 && rules.askedNumber() == next);
            QVERIFY(rules.lifeMarkerVisible(lives - 1) && !rules.lifeMarkerVisible(lives));
        }
        press(Enter, 3);
        QCOMPARE(host.leaderboards, (QList<std::pair<std::int16_t, std::int32_t>>{{1, 10}}));
    }

    void scriptedPlay_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("told");
        QTest::addColumn<int>("seated"); // at the end, painted and counted alike
        QTest::newRow("a miss, unloads and the retry") << "wrong unload unload right back unload wrong" << QStringList{
            "start grade 1 aloud", "asked", "1.1 asked 6 gave 7 u0", "1.2 asked 6 gave 6 right u2", "asked",
            "2.1 asked 9 gave 10 u1"} << 0;
        QTest::newRow("an eleventh monkey") << "eleven right" << QStringList{
            "start grade 1 aloud", "asked", "1.1 asked 6 gave 11 u0", "1.2 asked 6 gave 6 right u0"} << 6;
        QTest::newRow("away, Enter is not judged and nobody gets off") << "right enter unload" << QStringList{
            "start grade 1 aloud", "asked", "1.1 asked 6 gave 6 right u0"} << 6;
        QTest::newRow("the fifth miss ends, the next counts afresh") << "quiet start wrong wrong wrong wrong wrong start right parents"
            << QStringList{"start grade 1", "asked", "1.1 asked 6 gave 7 u0", "1.2 asked 6 gave 7 u0", "1.3 asked 6 gave 7 u0",
                           "1.4 asked 6 gave 7 u0", "1.5 asked 6 gave 7 u0", "end 0", "start grade 1", "asked",
                           "1.1 asked 9 gave 9 right u0", "end 10"} << 9;
        QTest::newRow("help ends a game once; then a press empties the train") << "right back board help help unload"
            << QStringList{"start grade 1 aloud", "asked", "1.1 asked 6 gave 6 right u0", "asked", "end 10"} << 0;
        QTest::newRow("unless help froze it away") << "right tick help unload" << QStringList{
            "start grade 1 aloud", "asked", "1.1 asked 6 gave 6 right u0", "end 10"} << 6;
    }

    // What the history is told: every judgement with its question, try and unloads; each game's start and end, also
    // when help or the parents' corner leaves it.
    // A press on a carriage empties the train where it stands at home, but nobody gets off one that is away.
    void scriptedPlay()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, told);
        QFETCH(int, seated);
        auto &&[sound, host, judgements, rules] = RecordedRules(20240611);
        const auto board = [&rules](int monkeys) { while (monkeys-- > 0) rules.boardMonkey(); };
        const std::map<QString, std::function<void()>> steps{
            {"right", [&] { board(rules.askedNumber()); rules.pressKey(Enter); }},
            {"wrong", [&] { board(rules.askedNumber() % 10 + 1); rules.pressKey(Enter); }},
            {"eleven", [&] { board(11); }},
            {"board", [&] { board(rules.askedNumber()); }},
            {"unload", [&] { board(2); rules.pressTrain(GameRules::LocomotiveThreshold - 1); }},
            {"enter", [&] { rules.pressKey(Enter); }},
            {"tick", [&] { rules.tick(); }},
            {"back", [&] { for (int tick = 0; tick < 125; ++tick) rules.tick(); }},
            {"help", [&] { rules.openHelp(); }},
            {"parents", [&] { rules.openParentsCorner(); }},
            {"quiet", [&] { rules.toggleCountingAloud(); }},
            {"start", [&] { rules.start(); }},
        };
        if (!script.startsWith("quiet"))
            rules.start();
        for (const QString &step : script.split(u' '))
            steps.at(step)();
        QCOMPARE(judgements.events, told);
        QCOMPARE(std::pair(rules.paintedSeats(), rules.boarded()), std::pair(seated, seated));
    }
};

QTEST_APPLESS_MAIN(tst_GameRules)
#include "tst_gamerules.moc"
