#include "rulesrecorder.h"

#include <QTest>

#include <functional>
#include <numeric>

namespace {

using State = GameRules::State;
using Action = std::function<void(GameRules &)>;
constexpr std::uint32_t Seed = 20240611;
constexpr int Space = GameRules::KeySpace, Enter = GameRules::KeyEnter;
constexpr int Wrong = -1, Correct = -2; // monkeys to board, relative to the number asked

enum Phase { Fresh, Asking, Departing, AfterGameOver, AfterHelp };

int asked(const GameRules &r) { return r.numIdx() + 1; }
int announced(const GameRules &r) { return 100 + asked(r); }
void press(GameRules &r, int key, int times = 1) { while (times-- > 0) r.Form_KeyDown(key); }
void tick(GameRules &r, int times) { while (times-- > 0) r.Timer1_Timer(); }

void sendCorrectTrain(GameRules &r, int ticks = 0)
{
    press(r, Space, asked(r));
    press(r, Enter);
    tick(r, ticks);
}

QList<int> counting(int count)
{
    QList<int> ids(count);
    std::iota(ids.begin(), ids.end(), 101);
    return ids;
}

void reach(GameRules &r, Phase phase)
{
    if (phase != Fresh)
        r.Picbeg_Click();
    press(r, Space, phase == Asking);
    press(r, Enter, phase == AfterGameOver ? GameRules::Lives : 0);
    if (phase == Departing || phase == AfterHelp)
        sendCorrectTrain(r, 10);
    if (phase == AfterHelp)
        r.Pichp_Click();
}

Action trainAt(double x) { return [x](GameRules &r) { r.Pictrain_MouseDown(x); }; }
Action keys(QList<int> codes) { return [codes](GameRules &r) { for (const int key : codes) r.Form_KeyDown(key); }; }
const Action startAgain = [](GameRules &r) { r.Picbeg_Click(); };
const Action anyPlay = [](GameRules &r) {
    r.Picboy_Click();
    keys({Space, Enter})(r);
    r.Pictrain_MouseDown(GameRules::LocomotiveThreshold);
    tick(r, 10);
};

} // namespace

class tst_GameRules : public QObject
{
    Q_OBJECT

private slots:
    // Each event leaves the rules as they were, but for unloading the train.
    void eventsChangeOnlyWhatTheyMay_data()
    {
        QTest::addColumn<int>("phase");
        QTest::addColumn<Action>("event");
        QTest::addColumn<bool>("unloads");
        QTest::newRow("start again while asking") << int(Asking) << startAgain << false;
        const Action otherKeys = keys({0, 8, 9, 10, 12, 14, 27, 31, 33, 48, 65, Qt::Key_Return, Qt::Key_Enter});
        QTest::newRow("other keys") << int(Asking) << otherKeys << false;
        QTest::newRow("train's left end") << int(Asking) << trainAt(0) << true;
        QTest::newRow("just left of the locomotive") << int(Asking) << trainAt(399.9) << true;
        QTest::newRow("start again while departing") << int(Departing) << startAgain << false;
        QTest::newRow("space while departing") << int(Departing) << keys({Space}) << false;
        QTest::newRow("Enter while departing") << int(Departing) << keys({Enter}) << false;
        QTest::newRow("locomotive while departing") << int(Departing) << trainAt(400) << false;
        QTest::newRow("unload while departing") << int(Departing) << trainAt(100) << true;
        QTest::newRow("play before the first game") << int(Fresh) << anyPlay << false;
        QTest::newRow("play after a game over") << int(AfterGameOver) << anyPlay << false;
        QTest::newRow("play after help") << int(AfterHelp) << anyPlay << false;
        QTest::newRow("unload after help") << int(AfterHelp) << trainAt(100) << true;
    }
    void eventsChangeOnlyWhatTheyMay()
    {
        QFETCH(int, phase);
        QFETCH(Action, event);
        QFETCH(bool, unloads);
        RecordedGame game(Seed);
        reach(game.rules, Phase(phase));
        RulesSnapshot expected(game.rules);
        QVERIFY(!unloads || expected.paintedSeats > 0);
        if (unloads)
            expected.boarded = expected.paintedSeats = 0;
        const QList<int> sounds = game.sound.ids();
        event(game.rules);
        QVERIFY(RulesSnapshot(game.rules) == expected);
        QCOMPARE(game.sound.ids(), sounds);
    }

    // Sound clicks come before the start; the second question is answered.
    void answer_data()
    {
        QTest::addColumn<int>("monkeys");
        QTest::addColumn<Action>("finish");
        QTest::addColumn<int>("soundClicks");
        QTest::addColumn<bool>("departs");
        const Action enter = keys({Enter});
        QTest::newRow("wrong count, Enter") << Wrong << enter << 0 << false;
        QTest::newRow("wrong count, locomotive") << Wrong << trainAt(400) << 0 << false;
        QTest::newRow("empty train") << 0 << enter << 0 << false;
        QTest::newRow("eleventh monkey") << 11 << keys({}) << 0 << false;
        QTest::newRow("eleventh monkey, sound off") << 11 << keys({}) << 1 << false;
        QTest::newRow("Enter") << Correct << enter << 0 << true;
        QTest::newRow("Enter, sound off") << Correct << enter << 1 << true;
        QTest::newRow("Enter, sound switched twice") << Correct << enter << 2 << true;
        QTest::newRow("locomotive's back") << Correct << trainAt(400) << 0 << true;
        QTest::newRow("locomotive's front") << Correct << trainAt(479) << 0 << true;
    }
    void answer()
    {
        QFETCH(int, monkeys);
        QFETCH(Action, finish);
        QFETCH(int, soundClicks);
        QFETCH(bool, departs);
        RecordedGame game(Seed);
        GameRules &rules = game.rules;
        for (int i = 0; i < soundClicks; ++i)
            rules.PicV_Click();
        const bool heard = soundClicks % 2 == 0;
        rules.Picbeg_Click();
        QList<int> sounds{announced(rules)};
        sounds << counting(heard ? asked(rules) : 0) << 112;
        sendCorrectTrain(rules, 125);
        const int number = asked(rules);
        sounds << announced(rules);
        if (monkeys < 0)
            monkeys = monkeys == Correct ? number : number == 1 ? 2 : number - 1;
        press(rules, Space, monkeys);
        finish(rules);
        // The number is announced even with the counting silenced.
        QCOMPARE(game.sound.ids(), sounds << counting(heard ? std::min(monkeys, 10) : 0) << (departs ? 112 : 111));
        QCOMPARE(rules.state(), departs ? State::Departing : State::Asking);
        QCOMPARE(rules.lifeIdx(), departs ? 4 : 3);
        QCOMPARE(rules.lifeMarkerVisible(4), departs);
        QCOMPARE(rules.boarded(), departs ? number : 0);
        QCOMPARE(rules.paintedSeats(), departs ? number : 0);
        QCOMPARE(rules.monkeyGroupEnabled(), !departs);
        QVERIFY(asked(rules) == number && rules.numberShown() == number);
        if (!departs) // the same number can still be answered
            sendCorrectTrain(rules);
        QCOMPARE(rules.score(), 20);
    }

    void fiveMissesEndTheGame()
    {
        RecordedGame game(Seed);
        GameRules &rules = game.rules;
        rules.Picbeg_Click();
        sendCorrectTrain(rules, 125);
        const int number = asked(rules);
        game.sound.forget();
        for (int hidden = 4; hidden >= 0; --hidden) {
            QVERIFY(game.host.leaderboards.isEmpty());
            press(rules, Enter);
            for (int i = 0; i < GameRules::Lives; ++i)
                QCOMPARE(rules.lifeMarkerVisible(i), i < hidden);
            QCOMPARE(rules.lifeIdx(), hidden - 1);
        }
        QCOMPARE(game.host.leaderboards, (QList<std::pair<std::int16_t, std::int32_t>>{{1, 10}}));
        QCOMPARE(game.sound.ids(), QList<int>(5, 111));
        QCOMPARE(rules.state(), State::Waiting);
        QCOMPARE(rules.numberShown(), number);
    }

    void startDepartAndHelp()
    {
        RecordedGame game(Seed);
        GameRules &rules = game.rules;
        QVERIFY(!rules.trainVisible() && !rules.scoreShown() && !rules.lifeMarkerVisible(0));
        rules.Picbeg_Click();
        QCOMPARE(rules.numberShown(), asked(rules));
        QVERIFY(rules.scoreShown() && rules.trainVisible() && rules.monkeyGroupVisible() && rules.monkeyGroupEnabled());
        sendCorrectTrain(rules);
        for (int t = 1; t <= 124; ++t) {
            rules.Timer1_Timer();
            QCOMPARE(rules.state(), State::Departing);
            QCOMPARE(rules.trainLeft(), 30 + 5 * t);
            QCOMPARE(rules.smokeLeft(), 420 + 5 * t);
        }
        QCOMPARE(rules.paintedSeats(), asked(rules));
        game.sound.forget();
        rules.Timer1_Timer(); // only now, at 650, the train turns back
        QVERIFY(rules.state() == State::Asking && rules.monkeyGroupEnabled());
        QCOMPARE(rules.trainLeft(), 30);
        QCOMPARE(rules.paintedSeats(), 0); // the train comes back empty
        QCOMPARE(rules.numberShown(), asked(rules));
        QCOMPARE(game.sound.ids(), QList<int>{announced(rules)});
        QCOMPARE(rules.score(), 10);
        sendCorrectTrain(rules, 40);
        rules.Pichp_Click(); // freezes the departure where it stands
        QCOMPARE(game.host.helps, 1);
        QCOMPARE(rules.state(), State::Waiting);
        QCOMPARE(rules.trainLeft(), 230);
        QCOMPARE(rules.smokeLeft(), 620);
        rules.Picbeg_Click();
        QCOMPARE(rules.trainLeft(), 30);
        QCOMPARE(rules.paintedSeats(), 0);
        QCOMPARE(rules.score(), 0);
        QVERIFY(rules.monkeyGroupEnabled());
    }

    void drawIsUniform()
    {
        for (const std::uint32_t seed : {1u, 42u, 20240611u, 0xC0FFEEu}) {
            std::mt19937 generator(seed);
            std::array<int, 10> counts{};
            for (int i = 0; i < 100000; ++i)
                ++counts.at(GameRules::drawNumIdx(generator)); // throws outside 0..9
            double chiSquare = 0;
            for (const int count : counts)
                chiSquare += (count - 10000.0) * (count - 10000.0) / 10000.0;
            QVERIFY2(chiSquare < 27.88, qPrintable(QString::number(chiSquare))); // 9 degrees of freedom, p = 0.001
        }
    }
};

QTEST_APPLESS_MAIN(tst_GameRules)
#include "tst_gamerules.moc"
