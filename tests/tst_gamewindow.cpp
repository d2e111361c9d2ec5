#include "game/gamewindow.h"
#include "widgets/picturebox.h"
#include "rulesrecorder.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QImage bitmap(int number)
{
    return QImage(QStringLiteral(":/bitmap/%1").arg(number)).convertToFormat(QImage::Format_RGB32);
}

// The train as it must look with the first `seats` seats taken.
QImage trainWithMonkeys(int seats)
{
    QImage train = bitmap(107);
    const QImage mask = bitmap(104), monkey = bitmap(105);
    for (int seat = 0; seat < seats; ++seat)
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x) {
                const QPoint at(GameRules::seatX[seat] + x, GameRules::seatY[seat] + y);
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
