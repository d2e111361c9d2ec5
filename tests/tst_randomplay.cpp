#include "rulesrecorder.h"

#include <QTest>

#include <algorithm>

namespace {

enum Event { Start, SoundSwitch, Help, MonkeyGroup, TrainPress, Space, Enter, OtherKey, Tick };

// Ticks dominate and train presses are rare, so that some departures run to
// their end with monkeys still aboard.
constexpr std::array<double, 9> Weights{1, 2, 0.2, 8, 0.5, 8, 3, 2, 80};

// A player hammering at the window; hidden or disabled pictures take no clicks.
void play(GameRules &rules, Event event, double x, std::mt19937 &random)
{
    switch (event) {
    case Start: rules.Picbeg_Click(); break;
    case SoundSwitch: rules.PicV_Click(); break;
    case Help: rules.Pichp_Click(); break;
    case MonkeyGroup: if (rules.monkeyGroupVisible() && rules.monkeyGroupEnabled()) rules.Picboy_Click(); break;
    case TrainPress: if (rules.trainVisible()) rules.Pictrain_MouseDown(x); break;
    case Space: rules.Form_KeyDown(GameRules::KeySpace); break;
    case Enter: rules.Form_KeyDown(GameRules::KeyEnter); break;
    case OtherKey: rules.Form_KeyDown(33 + int(random() % 1000)); break; // past space and Enter
    case Tick: rules.Timer1_Timer(); break;
    }
}

} // namespace

class tst_RandomPlay : public QObject
{
    Q_OBJECT

private slots:
    void invariantsHold_data()
    {
        QTest::addColumn<std::uint32_t>("seed");
        for (const std::uint32_t seed : {3u, 1234u, 99991u, 0xBEEFu})
            QTest::addRow("seed %u", seed) << seed;
    }

    void invariantsHold()
    {
        QFETCH(std::uint32_t, seed);
        std::mt19937 random(seed);
        std::discrete_distribution<int> pick(Weights.begin(), Weights.end());
        RecordedGame game(seed);
        GameRules &rules = game.rules;
        bool started = false;
        int loadedReturns = 0;
        for (int step = 0; step < 30000; ++step) {
            const Event event = Event(pick(random));
            const double x = std::uniform_real_distribution<double>(0, 480)(random);
            const RulesSnapshot before(rules);
            const qsizetype sounds = game.sound.ids().size(), boards = game.host.leaderboards.size();
            play(rules, event, x, random);
            const RulesSnapshot after(rules);
            const QByteArray where = QByteArray::number(step) + ", event " + QByteArray::number(event);
            const char *context = where.constData();
            const bool newGame = before.state == GameRules::State::Waiting && event == Start;
            started = started || newGame;
            loadedReturns += before.timerEnabled && after.state == GameRules::State::Asking && before.paintedSeats > 0;
            QVERIFY2(after.boarded >= 0 && after.boarded <= 10 && after.lifeIdx >= -1 && after.lifeIdx <= 4, context);
            if (started)
                QVERIFY2(after.lifeIdx == int(std::count(after.markers.begin(), after.markers.end(), true)) - 1, context);
            QVERIFY2(game.host.timerRunning == after.timerEnabled, context);
            QVERIFY2(after.score % 10 == 0 && (newGame || after.score >= before.score), context);
            if (after.trainLeft == GameRules::TrainHome)
                QVERIFY2(after.paintedSeats == after.boarded, context);
            if (before.state == GameRules::State::Waiting && !newGame) {
                RulesSnapshot allowed = before;
                if (event == SoundSwitch)
                    allowed.soundOn = !allowed.soundOn;
                if (event == TrainPress && before.trainVisible && x < GameRules::LocomotiveThreshold)
                    allowed.boarded = allowed.paintedSeats = 0;
                QVERIFY2(after == allowed, context);
                QVERIFY2(game.sound.ids().size() == sounds, context);
            }
            if (game.host.leaderboards.size() != boards)
                QVERIFY2(game.host.leaderboards.last().second == after.score && after.lifeIdx == -1, context);
        }
        // Random play must have reached the interesting places at all.
        QVERIFY(loadedReturns > 0);
        QVERIFY(!game.host.leaderboards.isEmpty());
        QVERIFY(game.host.helps > 0);
    }
};

QTEST_APPLESS_MAIN(tst_RandomPlay)
#include "tst_randomplay.moc"
