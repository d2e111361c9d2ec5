#include "rulesrecorder.h"

#include <QTest>

namespace {

constexpr std::uint32_t Seed = 20240611;
constexpr int Space = GameRules::KeySpace;
constexpr int Enter = GameRules::KeyEnter;
constexpr int MissSound = GameRules::MissSound;
constexpr int DepartureSound = GameRules::DepartureSound;

// Where a game stands before the event under test.
enum Phase { Fresh, Asking, Departing, AfterGameOver, AfterHelp };

enum Miss { WrongCountByEnter, WrongCountByLocomotive, EmptyTrain, EleventhMonkey };

int asked(const GameRules &rules)
{
    return rules.numIdx() + 1;
}

int wrongCount(const GameRules &rules)
{
    return asked(rules) == 1 ? 2 : asked(rules) - 1;
}

void pressSpace(GameRules &rules, int times)
{
    for (int i = 0; i < times; ++i)
        rules.Form_KeyDown(Space);
}

void tick(GameRules &rules, int times)
{
    for (int i = 0; i < times; ++i)
        rules.Timer1_Timer();
}

void sendCorrectTrain(GameRules &rules)
{
    pressSpace(rules, asked(rules));
    rules.Form_KeyDown(Enter);
}

void waitForReturn(GameRules &rules)
{
    for (int ticks = 0; rules.state() == GameRules::State::Departing && ticks < 1000; ++ticks)
        rules.Timer1_Timer();
}

// The sounds of counting monkeys 1..count aloud.
QList<int> counting(int count)
{
    QList<int> ids;
    for (int n = 1; n <= count; ++n)
        ids.append(GameRules::NumberSoundBase + n);
    return ids;
}

void reach(GameRules &rules, Phase phase)
{
    if (phase == Fresh)
        return;
    rules.Picbeg_Click();
    switch (phase) {
    case Asking:
        rules.Picboy_Click();
        break;
    case Departing:
    case AfterHelp:
        sendCorrectTrain(rules);
        tick(rules, 10);
        if (phase == AfterHelp)
            rules.Pichp_Click();
        break;
    case AfterGameOver:
        for (int miss = 0; miss < GameRules::Lives; ++miss)
            rules.Form_KeyDown(Enter);
        break;
    case Fresh:
        break;
    }
}

void addPhaseRow(const char *name, Phase phase)
{
    QTest::newRow(name) << int(phase);
}

} // namespace

class tst_GameRules : public QObject
{
    Q_OBJECT

private slots:
    void start_data();
    void start();
    void startDuringGameChangesNothing_data();
    void startDuringGameChangesNothing();
    void waitingIgnoresPlay_data();
    void waitingIgnoresPlay();
    void questionsFollowOneSeededGenerator();
    void miss_data();
    void miss();
    void fiveMissesEndTheGame_data();
    void fiveMissesEndTheGame();
    void correctDeparture_data();
    void correctDeparture();
    void departureLasts125Ticks();
    void departingTrainTakesNoRequests_data();
    void departingTrainTakesNoRequests();
    void helpFreezesDeparture();
    void soundSwitch_data();
    void soundSwitch();
    void otherKeysChangeNothing_data();
    void otherKeysChangeNothing();
    void trainPressSplitsAtLocomotive_data();
    void trainPressSplitsAtLocomotive();
    void unloading_data();
    void unloading();
    void drawIsUniform_data();
    void drawIsUniform();
};

void tst_GameRules::start_data()
{
    QTest::addColumn<bool>("soundOn");
    QTest::newRow("sound on") << true;
    QTest::newRow("sound off") << false;
}

void tst_GameRules::start()
{
    QFETCH(bool, soundOn);
    RecordedGame game(Seed);
    GameRules &rules = game.rules;
    if (!soundOn)
        rules.PicV_Click();

    QVERIFY(!rules.trainVisible());
    QVERIFY(!rules.scoreShown());
    QCOMPARE(rules.numberShown(), 0);
    for (int i = 0; i < GameRules::Lives; ++i)
        QVERIFY(!rules.lifeMarkerVisible(i));

    rules.Picbeg_Click();

    std::mt19937 twin(Seed);
    QCOMPARE(rules.numIdx(), GameRules::drawNumIdx(twin));
    QCOMPARE(rules.state(), GameRules::State::Asking);
    QVERIFY(!rules.timerEnabled());
    QCOMPARE(rules.numberShown(), asked(rules));
    QCOMPARE(rules.score(), 0);
    QVERIFY(rules.scoreShown());
    QCOMPARE(rules.lifeIdx(), 4);
    for (int i = 0; i < GameRules::Lives; ++i)
        QVERIFY(rules.lifeMarkerVisible(i));
    QVERIFY(rules.trainVisible());
    QCOMPARE(rules.trainLeft(), GameRules::TrainHome);
    QCOMPARE(rules.boarded(), 0);
    QCOMPARE(rules.paintedSeats(), 0);
    QVERIFY(rules.monkeyGroupVisible());
    QVERIFY(rules.monkeyGroupEnabled());
    QVERIFY(!rules.smokeVisible());
    QCOMPARE(game.sound.ids(), QList<int>{GameRules::NumberSoundBase + asked(rules)});
}

void tst_GameRules::startDuringGameChangesNothing_data()
{
    QTest::addColumn<int>("phase");
    addPhaseRow("asking", Asking);
    addPhaseRow("departing", Departing);
}

void tst_GameRules::startDuringGameChangesNothing()
{
    QFETCH(int, phase);
    RecordedGame game(Seed);
    reach(game.rules, Phase(phase));
    const RulesSnapshot before(game.rules);
    game.sound.forget();

    game.rules.Picbeg_Click();

    QVERIFY(RulesSnapshot(game.rules) == before);
    QVERIFY(game.sound.ids().isEmpty());
}

void tst_GameRules::waitingIgnoresPlay_data()
{
    QTest::addColumn<int>("phase");
    addPhaseRow("before the first game", Fresh);
    addPhaseRow("after a game over", AfterGameOver);
    addPhaseRow("after help", AfterHelp);
}

void tst_GameRules::waitingIgnoresPlay()
{
    QFETCH(int, phase);
    RecordedGame game(Seed);
    GameRules &rules = game.rules;
    reach(rules, Phase(phase));
    const RulesSnapshot before(rules);
    const qsizetype sounds = game.sound.ids().size();

    rules.Picboy_Click();
    rules.Form_KeyDown(Space);
    rules.Form_KeyDown(Enter);
    rules.Pictrain_MouseDown(GameRules::LocomotiveThreshold);
    rules.Timer1_Timer();

    QVERIFY(RulesSnapshot(rules) == before);
    QCOMPARE(game.sound.ids().size(), sounds);
    QCOMPARE(game.host.leaderboards().size(), phase == AfterGameOver ? 1 : 0);
}

void tst_GameRules::questionsFollowOneSeededGenerator()
{
    RecordedGame game(Seed);
    GameRules &rules = game.rules;
    std::mt19937 twin(Seed);
    rules.Picbeg_Click();
    for (int question = 0; question < 30; ++question) {
        QCOMPARE(rules.numIdx(), GameRules::drawNumIdx(twin));
        QCOMPARE(game.sound.ids().last(), GameRules::NumberSoundBase + asked(rules));
        sendCorrectTrain(rules);
        waitForReturn(rules);
    }
    QCOMPARE(rules.score(), 30 * GameRules::Bonus);
}

void tst_GameRules::miss_data()
{
    QTest::addColumn<int>("miss");
    QTest::newRow("wrong count, Enter") << int(WrongCountByEnter);
    QTest::newRow("wrong count, locomotive") << int(WrongCountByLocomotive);
    QTest::newRow("empty train") << int(EmptyTrain);
    QTest::newRow("eleventh monkey") << int(EleventhMonkey);
}

void tst_GameRules::miss()
{
    QFETCH(int, miss);
    RecordedGame game(Seed);
    GameRules &rules = game.rules;
    rules.Picbeg_Click();
    const int number = asked(rules);
    game.sound.forget();

    const int monkeys = miss == EmptyTrain ? 0 : miss == EleventhMonkey ? GameRules::Seats + 1 : wrongCount(rules);
    pressSpace(rules, monkeys);
    if (miss == WrongCountByLocomotive)
        rules.Pictrain_MouseDown(GameRules::LocomotiveThreshold);
    else if (miss != EleventhMonkey)
        rules.Form_KeyDown(Enter);

    QCOMPARE(game.sound.ids(), counting(std::min(monkeys, GameRules::Seats)) << MissSound);
    QCOMPARE(rules.state(), GameRules::State::Asking);
    QCOMPARE(rules.lifeIdx(), 3);
    QVERIFY(!rules.lifeMarkerVisible(4));
    QVERIFY(rules.lifeMarkerVisible(3));
    QCOMPARE(rules.boarded(), 0);
    QCOMPARE(rules.paintedSeats(), 0);
    QCOMPARE(rules.trainLeft(), GameRules::TrainHome);
    QCOMPARE(rules.score(), 0);
    QCOMPARE(asked(rules), number);
    QCOMPARE(rules.numberShown(), number);

    // The same number stays asked and can still be answered.
    sendCorrectTrain(rules);
    QCOMPARE(rules.state(), GameRules::State::Departing);
    QCOMPARE(rules.score(), GameRules::Bonus);
}

void tst_GameRules::fiveMissesEndTheGame_data()
{
    QTest::addColumn<int>("correctFirst");
    QTest::newRow("no point") << 0;
    QTest::newRow("two trains sent first") << 2;
}

void tst_GameRules::fiveMissesEndTheGame()
{
    QFETCH(int, correctFirst);
    RecordedGame game(Seed);
    GameRules &rules = game.rules;
    rules.Picbeg_Click();
    for (int i = 0; i < correctFirst; ++i) {
        sendCorrectTrain(rules);
        waitForReturn(rules);
    }
    const int number = asked(rules);
    const std::int32_t score = rules.score();
    game.sound.forget();

    for (int expectedHidden = GameRules::Lives - 1; expectedHidden >= 0; --expectedHidden) {
        QVERIFY(game.host.leaderboards().isEmpty());
        rules.Form_KeyDown(Enter);
        for (int i = 0; i < GameRules::Lives; ++i)
            QCOMPARE(rules.lifeMarkerVisible(i), i < expectedHidden);
        QCOMPARE(rules.lifeIdx(), expectedHidden - 1);
    }

    const QList<LeaderboardRequest> expectedLeaderboard{{GameRules::Grade, score}};
    QCOMPARE(game.host.leaderboards(), expectedLeaderboard);
    QCOMPARE(score, correctFirst * GameRules::Bonus);
    QCOMPARE(game.sound.ids(), QList<int>(GameRules::Lives, MissSound));
    QCOMPARE(rules.state(), GameRules::State::Waiting);
    QVERIFY(!rules.timerEnabled());
    QCOMPARE(rules.score(), score);
    QCOMPARE(rules.numberShown(), number);
    QVERIFY(rules.monkeyGroupVisible());
    QCOMPARE(game.host.helps(), 0);
}

void tst_GameRules::correctDeparture_data()
{
    QTest::addColumn<bool>("byEnter");
    QTest::addColumn<double>("x");
    QTest::addColumn<bool>("soundOn");
    QTest::newRow("Enter") << true << 0.0 << true;
    QTest::newRow("Enter, sound off") << true << 0.0 << false;
    QTest::newRow("locomotive's back") << false << 400.0 << true;
    QTest::newRow("locomotive's front") << false << 479.0 << true;
}

void tst_GameRules::correctDeparture()
{
    QFETCH(bool, byEnter);
    QFETCH(double, x);
    QFETCH(bool, soundOn);
    RecordedGame game(Seed);
    GameRules &rules = game.rules;
    rules.Picbeg_Click();
    sendCorrectTrain(rules);
    waitForReturn(rules);
    if (!soundOn)
        rules.PicV_Click();
    const int number = asked(rules);
    game.sound.forget();

    pressSpace(rules, number);
    if (byEnter)
        rules.Form_KeyDown(Enter);
    else
        rules.Pictrain_MouseDown(x);

    QCOMPARE(game.sound.ids(), counting(soundOn ? number : 0) << DepartureSound);
    QCOMPARE(rules.score(), 2 * GameRules::Bonus);
    QCOMPARE(rules.state(), GameRules::State::Departing);
    QVERIFY(rules.timerEnabled());
    QVERIFY(rules.smokeVisible());
    QCOMPARE(rules.smokeLeft(), GameRules::SmokeStart);
    QVERIFY(!rules.monkeyGroupEnabled());
    QVERIFY(rules.monkeyGroupVisible());
    QCOMPARE(rules.trainLeft(), GameRules::TrainHome);
    QCOMPARE(rules.boarded(), number);
    QCOMPARE(rules.paintedSeats(), number);
    QCOMPARE(rules.numberShown(), number);
    QCOMPARE(rules.lifeIdx(), 4);
}

void tst_GameRules::departureLasts125Ticks()
{
    RecordedGame game(Seed);
    GameRules &rules = game.rules;
    rules.Picbeg_Click();
    const int number = asked(rules);
    sendCorrectTrain(rules);

    for (int t = 1; t <= 124; ++t) {
        rules.Timer1_Timer();
        QCOMPARE(rules.state(), GameRules::State::Departing);
        QCOMPARE(rules.trainLeft(), GameRules::TrainHome + GameRules::Step * t);
        QCOMPARE(rules.smokeLeft(), GameRules::SmokeStart + GameRules::Step * t);
    }
    QCOMPARE(rules.trainLeft(), GameRules::StopLimit);
    QCOMPARE(rules.paintedSeats(), number);
    game.sound.forget();

    rules.Timer1_Timer();

    QCOMPARE(rules.state(), GameRules::State::Asking);
    QVERIFY(!rules.timerEnabled());
    QCOMPARE(rules.trainLeft(), GameRules::TrainHome);
    QCOMPARE(rules.smokeLeft(), 1040);
    QCOMPARE(rules.boarded(), 0);
    QCOMPARE(rules.paintedSeats(), 0); // the train comes back empty
    QVERIFY(rules.monkeyGroupEnabled());
    QCOMPARE(rules.numberShown(), asked(rules));
    QCOMPARE(game.sound.ids(), QList<int>{GameRules::NumberSoundBase + asked(rules)});
    QCOMPARE(rules.score(), GameRules::Bonus);
    QCOMPARE(rules.lifeIdx(), 4);
}

void tst_GameRules::departingTrainTakesNoRequests_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<double>("x");
    QTest::newRow("space") << Space << -1.0;
    QTest::newRow("Enter") << Enter << -1.0;
    QTest::newRow("locomotive") << 0 << 400.0;
}

void tst_GameRules::departingTrainTakesNoRequests()
{
    QFETCH(int, key);
    QFETCH(double, x);
    RecordedGame game(Seed);
    GameRules &rules = game.rules;
    reach(rules, Departing);
    const RulesSnapshot before(rules);
    game.sound.forget();

    if (x < 0)
        rules.Form_KeyDown(key);
    else
        rules.Pictrain_MouseDown(x);
    rules.Picboy_Click();

    QVERIFY(RulesSnapshot(rules) == before);
    QVERIFY(game.sound.ids().isEmpty());
    rules.Timer1_Timer();
    QCOMPARE(rules.trainLeft(), before.trainLeft + GameRules::Step);
    QCOMPARE(rules.smokeLeft(), before.smokeLeft + GameRules::Step);
}

void tst_GameRules::helpFreezesDeparture()
{
    RecordedGame game(Seed);
    GameRules &rules = game.rules;
    rules.Picbeg_Click();
    sendCorrectTrain(rules);
    tick(rules, 40);

    rules.Pichp_Click();

    QCOMPARE(game.host.helps(), 1);
    QVERIFY(game.host.leaderboards().isEmpty());
    QCOMPARE(rules.state(), GameRules::State::Waiting);
    QVERIFY(!rules.timerEnabled());
    QVERIFY(!rules.monkeyGroupEnabled());
    QCOMPARE(rules.trainLeft(), 230);
    QCOMPARE(rules.smokeLeft(), 620);
    const RulesSnapshot frozen(rules);
    tick(rules, 10);
    QVERIFY(RulesSnapshot(rules) == frozen);

    rules.Picbeg_Click();

    QCOMPARE(rules.trainLeft(), GameRules::TrainHome);
    QCOMPARE(rules.paintedSeats(), 0);
    QCOMPARE(rules.smokeLeft(), 620);
    QCOMPARE(rules.score(), 0);
    QVERIFY(rules.monkeyGroupEnabled());
}

void tst_GameRules::soundSwitch_data()
{
    QTest::addColumn<int>("clicks");
    QTest::addColumn<bool>("countingHeard");
    QTest::newRow("untouched") << 0 << true;
    QTest::newRow("one click") << 1 << false;
    QTest::newRow("two clicks") << 2 << true;
    QTest::newRow("three clicks") << 3 << false;
}

void tst_GameRules::soundSwitch()
{
    QFETCH(int, clicks);
    QFETCH(bool, countingHeard);
    RecordedGame game(Seed);
    GameRules &rules = game.rules;
    for (int i = 0; i < clicks; ++i)
        rules.PicV_Click();
    QCOMPARE(rules.soundOn(), countingHeard);

    rules.Picbeg_Click();
    const int first = asked(rules);
    sendCorrectTrain(rules);
    waitForReturn(rules);
    // Two clicks inside the game leave the switch where it was.
    rules.PicV_Click();
    rules.PicV_Click();
    const int second = asked(rules);
    pressSpace(rules, GameRules::Seats + 1);

    const QList<int> expected = QList<int>{GameRules::NumberSoundBase + first}
                                + counting(countingHeard ? first : 0)
                                + QList<int>{DepartureSound, GameRules::NumberSoundBase + second}
                                + counting(countingHeard ? GameRules::Seats : 0) + QList<int>{MissSound};
    QCOMPARE(game.sound.ids(), expected);
    QCOMPARE(rules.soundOn(), countingHeard);
}

void tst_GameRules::otherKeysChangeNothing_data()
{
    QTest::addColumn<int>("key");
    for (const int key : {0, 8, 9, 10, 12, 14, 27, 31, 33, 48, 65, int(Qt::Key_Return), int(Qt::Key_Enter)})
        QTest::addRow("key %d", key) << key;
}

void tst_GameRules::otherKeysChangeNothing()
{
    QFETCH(int, key);
    RecordedGame game(Seed);
    reach(game.rules, Asking);
    const RulesSnapshot before(game.rules);
    game.sound.forget();

    game.rules.Form_KeyDown(key);

    QVERIFY(RulesSnapshot(game.rules) == before);
    QVERIFY(game.sound.ids().isEmpty());
}

void tst_GameRules::trainPressSplitsAtLocomotive_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<bool>("departs");
    QTest::newRow("left end") << 0.0 << false;
    QTest::newRow("just left of the locomotive") << 399.9 << false;
    QTest::newRow("locomotive's back") << 400.0 << true;
    QTest::newRow("inside the locomotive") << 400.5 << true;
}

void tst_GameRules::trainPressSplitsAtLocomotive()
{
    QFETCH(double, x);
    QFETCH(bool, departs);
    RecordedGame game(Seed);
    GameRules &rules = game.rules;
    rules.Picbeg_Click();
    pressSpace(rules, asked(rules));
    game.sound.forget();

    rules.Pictrain_MouseDown(x);

    QCOMPARE(rules.state(), departs ? GameRules::State::Departing : GameRules::State::Asking);
    QCOMPARE(rules.boarded(), departs ? asked(rules) : 0);
    QCOMPARE(game.sound.ids(), departs ? QList<int>{DepartureSound} : QList<int>{});
    QCOMPARE(rules.lifeIdx(), 4);
}

void tst_GameRules::unloading_data()
{
    QTest::addColumn<int>("phase");
    addPhaseRow("asking", Asking);
    addPhaseRow("departing", Departing);
    addPhaseRow("after help", AfterHelp);
}

void tst_GameRules::unloading()
{
    QFETCH(int, phase);
    RecordedGame game(Seed);
    GameRules &rules = game.rules;
    reach(rules, Phase(phase));
    RulesSnapshot expected(rules);
    QVERIFY(expected.paintedSeats > 0);
    expected.boarded = 0;
    expected.paintedSeats = 0;
    const qsizetype sounds = game.sound.ids().size();

    rules.Pictrain_MouseDown(100);

    QVERIFY(RulesSnapshot(rules) == expected);
    QCOMPARE(game.sound.ids().size(), sounds);
}

void tst_GameRules::drawIsUniform_data()
{
    QTest::addColumn<std::uint32_t>("seed");
    for (const std::uint32_t seed : {1u, 42u, 20240611u, 0xC0FFEEu})
        QTest::addRow("seed %u", seed) << seed;
}

void tst_GameRules::drawIsUniform()
{
    QFETCH(std::uint32_t, seed);
    constexpr int Draws = 100000;
    constexpr double ChiSquareLimit = 27.88; // 9 degrees of freedom, p = 0.001
    std::mt19937 generator(seed);
    std::array<int, GameRules::Seats> counts{};
    for (int i = 0; i < Draws; ++i) {
        const int index = GameRules::drawNumIdx(generator);
        if (index < 0 || index >= GameRules::Seats)
            QFAIL(qPrintable(QStringLiteral("drew %1").arg(index)));
        ++counts[index];
    }
    const double expected = double(Draws) / GameRules::Seats;
    double chiSquare = 0;
    for (const int count : counts)
        chiSquare += (count - expected) * (count - expected) / expected;
    QVERIFY2(chiSquare < ChiSquareLimit, qPrintable(QStringLiteral("chi-square %1").arg(chiSquare)));
}

QTEST_APPLESS_MAIN(tst_GameRules)
#include "tst_gamerules.moc"
