#include "game/gamewindow.h"
#include "widgets/picturebox.h"
#include "rulesrecorder.h"

#include <QApplication>
#include <QPointingDevice>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QImage bitmap(int number, int scale = 1)
{
    return QImage(bitmapFolder(scale) + QString::number(number)).convertToFormat(QImage::Format_RGB32);
}

// The train as it must look with the first `seats` seats taken, built
// pixel by pixel from the mask and the picture of the same scale.
QImage trainWithMonkeys(int seats, int scale = 1)
{
    QImage train = bitmap(107, scale);
    const QImage mask = bitmap(104, scale), monkey = bitmap(105, scale);
    for (int seat = 0; seat < seats; ++seat)
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x) {
                const QPoint at(GameRules::seatX[seat] * scale + x, GameRules::seatY[seat] * scale + y);
                train.setPixel(at, (train.pixel(at) & mask.pixel(x, y)) ^ (monkey.pixel(x, y) & 0xffffff));
            }
    return train;
}

void press(QWidget *widget, QPointF position)
{
    QMouseEvent event(QEvent::MouseButtonPress, position, widget->mapToGlobal(position), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// What the player sees of the game: where a point of the design lies in the
// window, and what was hit there.
struct Hit
{
    QWidget *widget;
    QPointF position;
};

Hit hitAt(GameWindow &window, QPointF design)
{
    const QWidget *stage = window.findChild<QWidget *>(QStringLiteral("stage"));
    const QPointF inWindow = QPointF(stage->pos()) + design * window.factor();
    QWidget *widget = window.childAt(inWindow.toPoint());
    return {widget, widget ? widget->mapFrom(&window, inWindow) : QPointF()};
}

struct GameSnapshot
{
    GameRules::State state;
    int boarded, asked, lives, score, trainLeft;
    bool operator==(const GameSnapshot &) const = default;
};

GameSnapshot snapshot(const GameRules &rules)
{
    return {rules.state(), rules.boarded(), rules.askedNumber(), rules.livesLeft(), rules.score(), rules.trainLeft()};
}

} // namespace

class tst_GameWindow : public QObject
{
    Q_OBJECT

    RecordingSound m_sound;
    QTemporaryDir m_programFolder;
    std::unique_ptr<GameWindow> m_window;

    PictureBox *box(const QString &name) const { return m_window->findChild<PictureBox *>(name); }
    const GameRules &rules() const { return m_window->rules(); }
    void click(const QString &name) { QTest::mouseClick(box(name), Qt::LeftButton, {}, QPoint(10, 10)); }
    void start(const Bitmaps &bitmaps = loadBitmaps())
    {
        m_window = std::make_unique<GameWindow>(m_sound, m_programFolder.path() + QLatin1Char('/'), 2024, bitmaps);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        click(QStringLiteral("startButton"));
    }

private slots:
    void init() { QStandardPaths::setTestModeEnabled(true); }

    // Also without the train's picture: start-up skips what it cannot load.
    void keyPreviewWhicheverControlHasTheFocus()
    {
        Bitmaps bitmaps = loadBitmaps();
        bitmaps.erase(107);
        start(bitmaps);
        QCOMPARE(box(QStringLiteral("train"))->size(), QSize(457, 73));
        int expected = 0;
        for (const char *name : {"startButton", "helpButton", "monkeyGroup", "scene", "train", "soundButton"}) {
            box(QLatin1String(name))->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            QVERIFY2(rules().boarded() == ++expected, name);
        }
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QApplication::sendEvent(QApplication::focusWidget(), &repeat);
        QCOMPARE(rules().boarded(), ++expected);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(rules().timerEnabled() || rules().livesLeft() == 4);
    }

    void monkeysSitInTheirWindows()
    {
        start();
        for (int seats = 1; seats <= 10; ++seats) {
            click(QStringLiteral("monkeyGroup"));
            QCOMPARE(box(QStringLiteral("train"))->surface(), trainWithMonkeys(seats));
        }
        click(QStringLiteral("monkeyGroup")); // the eleventh empties the train
        QCOMPARE(box(QStringLiteral("train"))->surface(), trainWithMonkeys(0));
        QVERIFY(!box(QStringLiteral("lifeMarker4"))->isVisible());
    }

    void carriageUnloadsLocomotiveDeparts()
    {
        start();
        const auto boardAll = [this] {
            for (int i = 0; i < rules().askedNumber(); ++i)
                click(QStringLiteral("monkeyGroup"));
        };
        PictureBox *train = box(QStringLiteral("train"));
        boardAll();
        press(train, QPointF(399.9, 40));
        QCOMPARE(train->surface(), trainWithMonkeys(0));
        QVERIFY(!rules().timerEnabled());

        boardAll();
        auto *timer = m_window->findChild<QTimer *>(QStringLiteral("departureTimer"));
        timer->setInterval(1); // the ticks, not their pace, are looked at here
        press(train, QPointF(400, 40));
        click(QStringLiteral("monkeyGroup")); // disabled while the train is away
        QCOMPARE(rules().boarded(), rules().askedNumber());
        QTRY_VERIFY(train->x() > 300);
        QCOMPARE(box(QStringLiteral("smoke"))->x() - train->x(), 420 - 30);
        QTRY_COMPARE(train->x(), 30);
        QVERIFY(!timer->isActive());
        QCOMPARE(train->surface(), trainWithMonkeys(0));
    }

    // Seat centres, buttons and the locomotive's edge land where they are
    // drawn, whatever the factor: presses are mapped back to the design.
    void hitTestingAtFractionalFactors_data()
    {
        QTest::addColumn<QSize>("windowSize");
        QTest::newRow("1920x1080, 2.466") << QSize(1920, 1080);
        QTest::newRow("868x548, 1.251") << QSize(868, 548);
        QTest::newRow("3840x2160, 4.932") << QSize(3840, 2160);
        // Here the mapping back lands a hair below 400 unless it is rounded.
        QTest::newRow("1708x1080, 2.461") << QSize(1708, 1080);
        QTest::newRow("870x1080, 1.254") << QSize(870, 1080);
    }
    void hitTestingAtFractionalFactors()
    {
        QFETCH(QSize, windowSize);
        start();
        m_window->setFixedSize(windowSize);
        QVERIFY(m_window->factor() > 1.2);
        const auto pressAt = [this](QPointF design, const char *expected) {
            const Hit hit = hitAt(*m_window, design);
            QVERIFY2(hit.widget && hit.widget->objectName() == QLatin1String(expected), expected);
            QTest::mouseClick(hit.widget, Qt::LeftButton, {}, hit.position.toPoint());
        };
        const QPointF monkeys(616 + 25, 40 + 21);
        for (int i = 0; i < rules().askedNumber(); ++i)
            pressAt(monkeys, "monkeyGroup");
        QCOMPARE(rules().boarded(), rules().askedNumber());

        const QPointF train(GameRules::TrainHome, 253 + 40);
        Hit hit = hitAt(*m_window, train + QPointF(399.9, 0));
        QCOMPARE(hit.widget->objectName(), QStringLiteral("train"));
        press(hit.widget, hit.position);
        QCOMPARE(rules().boarded(), 0);
        QCOMPARE(rules().livesLeft(), GameRules::Lives);

        for (int i = 0; i < rules().askedNumber(); ++i)
            pressAt(monkeys, "monkeyGroup");
        hit = hitAt(*m_window, train + QPointF(400, 0));
        press(hit.widget, hit.position);
        QVERIFY(rules().timerEnabled());

        pressAt(QPointF(624 + 25, 248 + 17), "helpButton"); // abandons the game
        QVERIFY(!rules().playing());
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->objectName() == "helpWindow") {
                // Over the game, as large as the game is drawn.
                QCOMPARE(window->width(), qRound(331 * m_window->factor()));
                window->close();
            }
        }
        pressAt(QPointF(624 + 25, 152 + 17), "startButton");
        QVERIFY(rules().playing());
    }

    // Drawn from the 2x pictures, the seated monkeys leave no seam.
    void allMonkeysAtFactorTwo()
    {
        start();
        m_window->setFixedSize(694 * 2, 438 * 2);
        for (int seats = 1; seats <= GameRules::Seats; ++seats)
            click(QStringLiteral("monkeyGroup"));
        PictureBox *train = box(QStringLiteral("train"));
        QCOMPARE(train->detailScale(), 2);
        QCOMPARE(train->size(), QSize(960, 154));
        QCOMPARE(train->detailedSurface(), trainWithMonkeys(GameRules::Seats, 2));
        QCOMPARE(train->surface(), trainWithMonkeys(GameRules::Seats));
        // Back in the window, the design's own pictures again, monkeys and all.
        m_window->setFixedSize(694, 438);
        QCOMPARE(train->detailScale(), 1);
        QCOMPARE(train->size(), QSize(480, 77));
        QCOMPARE(train->surface(), trainWithMonkeys(GameRules::Seats));
    }

    // A tap is a touch plus the mouse events made from it: one monkey.
    void oneTapBoardsOneMonkey()
    {
        start();
        m_window->setFixedSize(1920, 1080);
        const std::unique_ptr<QPointingDevice> screen(QTest::createTouchDevice());
        const Hit hit = hitAt(*m_window, QPointF(616 + 25, 40 + 21));
        const QPoint at = hit.widget->mapTo(m_window.get(), hit.position.toPoint());
        QTest::touchEvent(m_window.get(), screen.get()).press(0, at);
        QTest::touchEvent(m_window.get(), screen.get()).release(0, at);
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent fromTouch(type, hit.position, hit.widget->mapToGlobal(hit.position), hit.position,
                                  Qt::LeftButton, type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                  Qt::NoModifier, Qt::MouseEventSynthesizedBySystem);
            QApplication::sendEvent(hit.widget, &fromTouch);
        }
        QCOMPARE(rules().boarded(), 1);
    }

    void escapeAndF11TouchOnlyTheWindow()
    {
        start();
        click(QStringLiteral("monkeyGroup"));
        const GameSnapshot before = snapshot(rules());
        const qsizetype soundsBefore = m_sound.ids().size();
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        QTest::keyClick(focus, Qt::Key_Escape);
        QVERIFY(!m_window->isFullScreen());
        QTest::keyClick(focus, Qt::Key_F11);
        QVERIFY(m_window->isFullScreen());
        QCOMPARE(snapshot(rules()), before);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!m_window->isFullScreen());
        QTRY_COMPARE(m_window->size(), QSize(694, 438));
        QCOMPARE(m_window->factor(), 1.0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F11);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F11);
        QVERIFY(!m_window->isFullScreen());
        QCOMPARE(snapshot(rules()), before);
        QCOMPARE(m_sound.ids().size(), soundsBefore);
    }

    void glideProgress_data()
    {
        QTest::addColumn<int>("sinceTickMs");
        QTest::addColumn<double>("progress");
        QTest::newRow("at the tick") << 0 << 0.0;
        QTest::newRow("halfway") << 50 << 0.5;
        QTest::newRow("due") << 100 << 1.0;
        // A late tick: the picture waits at the next tick's place.
        QTest::newRow("late tick") << 180 << 1.0;
        QTest::newRow("clock behind the tick") << -5 << 0.0;
    }
    void glideProgress()
    {
        QFETCH(int, sinceTickMs);
        QFETCH(double, progress);
        TickGlide glide(std::chrono::milliseconds(GameRules::TickMs));
        const TickGlide::Clock::time_point tick{std::chrono::seconds(100)};
        glide.ticked(tick);
        QCOMPARE(glide.progress(tick + std::chrono::milliseconds(sinceTickMs)), progress);
    }

    // Between ticks the train glides, never ahead of the next tick's place
    // nor behind the last one's, and keeps its size on screen: a width that
    // changed by a rounded pixel would scale its whole picture every frame.
    void glideStaysBetweenTicks()
    {
        start();
        m_window->setFixedSize(1920, 1080);
        const qreal factor = m_window->factor();
        const auto onScreen = [factor](int designLeft) { return qRound(designLeft * factor); };
        for (int i = 0; i < rules().askedNumber(); ++i)
            click(QStringLiteral("monkeyGroup"));
        auto *frames = m_window->findChild<QTimer *>(QStringLiteral("frameTimer"));
        PictureBox *train = box(QStringLiteral("train"));
        const int width = train->width();
        int framesSeen = 0, between = 0;
        connect(frames, &QTimer::timeout, this, [&] {
            ++framesSeen;
            const int left = rules().trainLeft();
            QVERIFY(train->x() >= onScreen(left) && train->x() <= onScreen(left + GameRules::Step));
            QCOMPARE(train->width(), width);
            between += train->x() != onScreen(left);
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(frames->isActive());
        QTest::qWait(1000);
        QVERIFY(framesSeen > 30);
        QVERIFY(between > framesSeen / 2);
        click(QStringLiteral("helpButton")); // freezes the train where it is
        QVERIFY(!frames->isActive());
        QCOMPARE(train->x(), onScreen(rules().trainLeft()));
    }

    // A finished game's name is never lost: the game window waits for the leaderboard.
    void leaderboardBlocksTheGame()
    {
        start();
        for (int miss = 0; miss < GameRules::Lives; ++miss)
            press(box(QStringLiteral("train")), QPointF(450, 40)); // empty: always wrong
        QWidget *secondary = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets())
            secondary = window->isVisible() && window->objectName() == "leaderboardWindow" ? window : secondary;
        QVERIFY(secondary);
        QVERIFY(!m_window->isEnabled());
        QVERIFY(!m_window->close());
        secondary->close();
        QVERIFY(m_window->isEnabled());
        QVERIFY(m_window->close());
    }
};

QTEST_MAIN(tst_GameWindow)
#include "tst_gamewindow.moc"
