#include "rulesrecorder.h"

#include <QTest>

namespace {

constexpr int EventsPerSeed = 30000;
constexpr double TrainLength = 480.0;

enum Event { Start, SoundSwitch, Help, MonkeyGroup, TrainPress, Space, Enter, OtherKey, Tick, CloseWindow, EventCount };

// Ticks dominate and train presses are rare, so that some departures run to
// their end with monkeys still aboard.
const std::array<double, EventCount> eventWeights{1, 2, 0.2, 8, 0.5, 8, 3, 2, 80, 0};

// A player hammering at the game window as the window lets them: while a
// leaderboard or help is open only closing it is possible, and hidden or
// disabled pictures take no clicks.
class RandomPlayer
{
public:
    explicit RandomPlayer(std::uint32_t seed) : m_random(seed), m_game(seed) {}

    const GameRules &rules() const { return m_game.rules; }
    const RecordedGame &game() const { return m_game; }

    Event nextEvent()
    {
        if (m_secondaryWindowOpen)
            return CloseWindow;
        std::discrete_distribution<int> pick(eventWeights.begin(), eventWeights.end());
        return Event(pick(m_random));
    }

    double nextTrainX() { return std::uniform_real_distribution<double>(0.0, TrainLength)(m_random); }

    void play(Event event, double trainX)
    {
        GameRules &rules = m_game.rules;
        const int windowsBefore = windowsOpened();
        switch (event) {
        case Start: rules.Picbeg_Click(); break;
        case SoundSwitch: rules.PicV_Click(); break;
        case Help: rules.Pichp_Click(); break;
        case MonkeyGroup:
            if (rules.monkeyGroupVisible() && rules.monkeyGroupEnabled())
                rules.Picboy_Click();
            break;
        case TrainPress:
            if (rules.trainVisible())
                rules.Pictrain_MouseDown(trainX);
            break;
        case Space: rules.Form_KeyDown(GameRules::KeySpace); break;
        case Enter: rules.Form_KeyDown(GameRules::KeyEnter); break;
        case OtherKey: rules.Form_KeyDown(otherKey()); break;
        case Tick: rules.Timer1_Timer(); break;
        case CloseWindow: m_secondaryWindowOpen = false; break;
        case EventCount: break;
        }
        if (windowsOpened() != windowsBefore)
            m_secondaryWindowOpen = true;
    }

private:
    int otherKey()
    {
        std::uniform_int_distribution<int> code(0, 255);
        int key = GameRules::KeySpace;
        while (key == GameRules::KeySpace || key == GameRules::KeyEnter)
            key = code(m_random);
        return key;
    }

    int windowsOpened() const { return int(m_game.host.leaderboards().size()) + m_game.host.helps(); }

    std::mt19937 m_random;
    RecordedGame m_game;
    bool m_secondaryWindowOpen = false;
};

int shownMarkers(const GameRules &rules)
{
    int shown = 0;
    for (int i = 0; i < GameRules::Lives; ++i)
        shown += rules.lifeMarkerVisible(i) ? 1 : 0;
    return shown;
}

// What an event may change while no game runs.
RulesSnapshot allowedWhileWaiting(RulesSnapshot snapshot, Event event, double trainX)
{
    if (event == SoundSwitch)
        snapshot.soundOn = !snapshot.soundOn;
    if (event == TrainPress && snapshot.trainVisible && trainX < GameRules::LocomotiveThreshold) {
        snapshot.boarded = 0;
        snapshot.paintedSeats = 0;
    }
    return snapshot;
}

} // namespace

class tst_RandomPlay : public QObject
{
    Q_OBJECT

private slots:
    void invariantsHold_data();
    void invariantsHold();
};

void tst_RandomPlay::invariantsHold_data()
{
    QTest::addColumn<std::uint32_t>("seed");
    for (const std::uint32_t seed : {3u, 1234u, 99991u, 0xBEEFu})
        QTest::addRow("seed %u", seed) << seed;
}

void tst_RandomPlay::invariantsHold()
{
    QFETCH(std::uint32_t, seed);
    RandomPlayer player(seed);
    const GameRules &rules = player.rules();
    bool started = false;
    int loadedTrainsReturned = 0;

    for (int step = 0; step < EventsPerSeed; ++step) {
        const Event event = player.nextEvent();
        const double trainX = player.nextTrainX();
        const RulesSnapshot before(rules);
        const qsizetype soundsBefore = player.game().sound.ids().size();
        const qsizetype leaderboardsBefore = player.game().host.leaderboards().size();

        player.play(event, trainX);

        const RulesSnapshot after(rules);
        const QByteArray where = QStringLiteral("step %1, event %2").arg(step).arg(int(event)).toLatin1();
        const char *context = where.constData();
        started = started || after.state != GameRules::State::Waiting;
        if (before.state == GameRules::State::Departing && after.state == GameRules::State::Asking
            && before.paintedSeats > 0)
            ++loadedTrainsReturned;

        QVERIFY2(after.boarded >= 0 && after.boarded <= GameRules::Seats, context);
        QVERIFY2(after.lifeIdx >= -1 && after.lifeIdx < GameRules::Lives, context);
        if (started)
            QVERIFY2(after.lifeIdx == shownMarkers(rules) - 1, context);
        QVERIFY2(after.score >= 0 && after.score % GameRules::Bonus == 0, context);
        const bool newGame = before.state == GameRules::State::Waiting && event == Start;
        if (!newGame)
            QVERIFY2(after.score >= before.score, context);
        if (after.trainLeft == GameRules::TrainHome)
            QVERIFY2(after.paintedSeats == after.boarded, context);
        if (before.state == GameRules::State::Waiting && !newGame) {
            QVERIFY2(after == allowedWhileWaiting(before, event, trainX), context);
            QVERIFY2(player.game().sound.ids().size() == soundsBefore, context);
        }
        for (qsizetype i = soundsBefore; i < player.game().sound.ids().size(); ++i) {
            const int id = player.game().sound.ids().at(i);
            QVERIFY2(id > GameRules::NumberSoundBase && id <= GameRules::DepartureSound, context);
        }
        if (player.game().host.leaderboards().size() != leaderboardsBefore) {
            const LeaderboardRequest expected{GameRules::Grade, after.score};
            QVERIFY2(player.game().host.leaderboards().last() == expected, context);
            QVERIFY2(after.lifeIdx == -1, context);
        }
    }

    // Random play must have reached the interesting places at all.
    QVERIFY(loadedTrainsReturned > 0);
    QVERIFY(!player.game().host.leaderboards().isEmpty());
    QVERIFY(player.game().host.helps() > 0);
}

QTEST_APPLESS_MAIN(tst_RandomPlay)
#include "tst_randomplay.moc"
