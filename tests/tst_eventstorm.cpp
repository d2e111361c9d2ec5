// A child hammering at the real windows: clicks anywhere, keys, typed and
// pasted names, confirms and closes, with departures left to run.
#include "game/gamewindow.h"
#include "rankingfile.h"
#include "rulesrecorder.h"
#include "widgets/picturebox.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <random>

namespace {

enum Action {
    ClickAnywhere,
    ClickControl,
    Key,
    PlayRight,
    TypeName,
    PasteName,
    Confirm,
    CloseSecondary,
    QuitGame,
    Wait,
    Actions
};

// Mostly waiting, so that departures run to their end; starting and
// counting right often enough that games score and names rank.
const std::array<double, Actions> ActionWeights{4, 2, 6, 10, 5, 3, 5, 2, 0.1, 50};

constexpr int WaitTurns = 5;

const std::array<const char *, 8> Controls{"startButton", "helpButton", "soundButton", "monkeyGroup",
                                           "train",       "scene",      "numberLabel", "scoreLabel"};

// F11 and Esc switch full screen on and off under everything else.
const std::array<Qt::Key, 11> Keys{Qt::Key_Space, Qt::Key_Space,     Qt::Key_Return, Qt::Key_Enter,
                                   Qt::Key_Escape, Qt::Key_F11,      Qt::Key_Tab,    Qt::Key_Backspace,
                                   Qt::Key_A,      Qt::Key_F1,       Qt::Key_Comma};

const std::array<QString, 7> Names{QStringLiteral("小明"), QStringLiteral("kid,1"), QStringLiteral("a\r\nb"),
                                   QStringLiteral("\U0001F412猴"), QStringLiteral("<b>x</b>"), QStringLiteral(" "),
                                   QString(1500, QLatin1Char('n'))};

QByteArray fileContents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class Storm
{
public:
    Storm(const QString &programFolder, std::uint32_t seed)
        : m_programFolder(programFolder)
        , m_seed(seed)
        , m_random(seed)
    {
        startGame();
    }

    const GameWindow &game() const { return *m_game; }
    QByteArray rankingFile() const { return fileContents(rankingPath()); }

    void step()
    {
        switch (Action(m_action(m_random))) {
        case ClickAnywhere:
            click(topWindow(), QPoint(pick(topWindow()->width()), pick(topWindow()->height())));
            break;
        case ClickControl: {
            QWidget *control = m_game->findChild<QWidget *>(QLatin1String(Controls[pick(Controls.size())]));
            click(control, QPoint(pick(control->width()), pick(control->height())));
            break;
        }
        case Key:
            QTest::keyClick(focusedWidget(), Keys[pick(Keys.size())]);
            break;
        case PlayRight: {
            const GameRules &rules = m_game->rules();
            if (!rules.playing())
                click(m_game.get(), m_game->findChild<QWidget *>(QStringLiteral("startButton"))->geometry().center());
            else
                QTest::keyClick(focusedWidget(), rules.boarded() < rules.askedNumber() ? Qt::Key_Space : Qt::Key_Return);
            break;
        }
        case TypeName:
            // As an input method hands over what was typed.
            if (QLineEdit *box = nameBox()) {
                QInputMethodEvent typed;
                typed.setCommitString(Names[pick(Names.size())]);
                QApplication::sendEvent(box, &typed);
            }
            break;
        case PasteName:
            if (QLineEdit *box = nameBox()) {
                QApplication::clipboard()->setText(Names[pick(Names.size())]);
                QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            }
            break;
        case Confirm:
            if (QWidget *window = secondary(QStringLiteral("leaderboardWindow")))
                click(window, window->findChild<QPushButton *>()->geometry().center());
            break;
        case CloseSecondary:
            if (topWindow() != m_game.get())
                topWindow()->close();
            break;
        case QuitGame:
            quit();
            break;
        default:
            // A moment passes: a few ticks of a running departure.
            for (int turn = 0; turn < WaitTurns; ++turn)
                QCoreApplication::processEvents();
        }
    }

    // Empty while all holds; otherwise what does not.
    QByteArray broken() const
    {
        const GameRules &r = m_game->rules();
        if (r.boarded() < 0 || r.boarded() > 10 || r.livesLeft() < 0 || r.livesLeft() > 5)
            return "boarded or lives out of range";
        if (r.askedNumber() < 1 || r.askedNumber() > 10)
            return "asked number out of range";
        for (int i = 0; r.scoreShown() && i < GameRules::Lives; ++i)
            if (r.lifeMarkerVisible(i) != (i < r.livesLeft()))
                return "life markers";
        if (r.score() % 10 != 0 || (r.playing() && r.score() < m_lastScore))
            return "score";
        if (r.trainLeft() == GameRules::TrainHome && r.paintedSeats() != r.boarded())
            return "seats painted";
        if (m_game->findChild<QTimer *>(QStringLiteral("departureTimer"))->isActive() != r.timerEnabled())
            return "departure timer";
        // Between ticks the train glides on towards its next place.
        const qreal trainLeft = m_game->findChild<PictureBox *>(QStringLiteral("train"))->designGeometry().left();
        if (trainLeft < r.trainLeft() || trainLeft > r.trainLeft() + GameRules::Step)
            return "train place";
        const bool open = secondary(QStringLiteral("leaderboardWindow")) || secondary(QStringLiteral("helpWindow"));
        if (m_game->isEnabled() == open)
            return "game window disabled with nothing over it, or enabled under a window";
        const QByteArray file = fileContents(rankingPath());
        if (!file.isEmpty() && !isWholeRankingFile(file))
            return "ranking file: " + file.left(200);
        return {};
    }

    void noteScore() { m_lastScore = m_game->rules().playing() ? m_game->rules().score() : 0; }

private:
    void startGame()
    {
        m_game = std::make_unique<GameWindow>(m_sound, m_programFolder, m_seed, loadBitmaps());
        // Ticks on every turn of the event loop: what matters is their order, not their pace.
        m_game->findChild<QTimer *>(QStringLiteral("departureTimer"))->setInterval(0);
        m_game->show();
    }

    int pick(std::size_t count) { return int(m_random() % qMax<std::size_t>(count, 1)); }

    QString rankingPath() const { return m_programFolder + QStringLiteral("kobu1.tmp"); }

    QWidget *secondary(const QString &name) const
    {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->isVisible() && window->objectName() == name)
                return window;
        return nullptr;
    }

    QWidget *topWindow() const
    {
        QWidget *open = secondary(QStringLiteral("leaderboardWindow"));
        open = open ? open : secondary(QStringLiteral("helpWindow"));
        return open ? open : m_game.get();
    }

    QWidget *focusedWidget() const
    {
        QWidget *focused = QApplication::focusWidget();
        return focused && focused->isVisible() ? focused : topWindow();
    }

    QLineEdit *nameBox() const
    {
        QWidget *window = secondary(QStringLiteral("leaderboardWindow"));
        QLineEdit *box = window ? window->findChild<QLineEdit *>() : nullptr;
        return box && box->isVisible() ? box : nullptr;
    }

    // Where a click lands: the deepest visible widget at that place, which ignores it when disabled.
    static void click(QWidget *window, QPoint at)
    {
        QWidget *target = window->childAt(at);
        target = target ? target : window;
        const QPointF local = target->mapFrom(window, at);
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, local, target->mapToGlobal(local), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(target, &event);
        }
    }

    // The game window's close box, refused while another window is open; it ends the program,
    // and the child starts it again.
    void quit()
    {
        if (m_game->close())
            startGame();
    }

    const QString m_programFolder;
    const std::uint32_t m_seed;
    std::mt19937 m_random;
    std::discrete_distribution<int> m_action{ActionWeights.begin(), ActionWeights.end()};
    RecordingSound m_sound;
    std::unique_ptr<GameWindow> m_game;
    std::int32_t m_lastScore = 0;
};

} // namespace

class tst_EventStorm : public QObject
{
    Q_OBJECT

private slots:
    void init() { QStandardPaths::setTestModeEnabled(true); }

    void stormKeepsEveryInvariant_data()
    {
        QTest::addColumn<std::uint32_t>("seed");
        for (const std::uint32_t seed : {1u, 2024u, 777777u, 0xC0FFEEu})
            QTest::newRow(QByteArray::number(seed).constData()) << seed;
    }

    // KOBU_STORM_EVENTS sets the events per seed: a few thousand by default, many more for a long run.
    void stormKeepsEveryInvariant()
    {
        QFETCH(std::uint32_t, seed);
        const int events = qEnvironmentVariableIntValue("KOBU_STORM_EVENTS") > 0
            ? qEnvironmentVariableIntValue("KOBU_STORM_EVENTS") : 3000;
        QTemporaryDir programFolder;
        Storm storm(programFolder.path() + QLatin1Char('/'), seed);
        int departures = 0, helpMidDeparture = 0, saves = 0, gamesOver = 0;
        for (int event = 0; event < events; ++event) {
            using State = GameRules::State;
            const State before = storm.game().rules().state();
            const QByteArray file = storm.rankingFile();
            storm.noteScore();
            storm.step();
            const State after = storm.game().rules().state();
            departures += before == State::Departing && after == State::Asking;
            helpMidDeparture += before == State::Departing && after == State::Waiting;
            saves += !file.isEmpty() && storm.rankingFile() != file;
            gamesOver += before != State::Waiting && after == State::Waiting && storm.game().rules().livesLeft() == 0;
            const QByteArray broken = storm.broken();
            QVERIFY2(broken.isEmpty(), "event " + QByteArray::number(event) + ": " + broken);
        }
        qInfo("%d events: %d departures, help opened in %d, %d games over, %d names saved", events, departures,
              helpMidDeparture, gamesOver, saves);
        m_departures += departures;
        m_helpMidDeparture += helpMidDeparture;
        m_saves += saves;
    }

    // The storm reached what it is for.
    void cleanupTestCase()
    {
        QVERIFY(m_departures > 0 && m_helpMidDeparture > 0 && m_saves > 0);
    }

private:
    int m_departures = 0;
    int m_helpMidDeparture = 0;
    int m_saves = 0;
};

QTEST_MAIN(tst_EventStorm)
#include "tst_eventstorm.moc"
