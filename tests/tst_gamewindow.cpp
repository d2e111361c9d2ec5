#include "game/gamewindow.h"
#include "game/picturebox.h"
#include "rulesrecorder.h"

#include <QApplication>
#include <QLabel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

PictureBox *box(const QWidget &window, const QString &name)
{
    auto *found = window.findChild<PictureBox *>(name);
    Q_ASSERT(found);
    return found;
}

int shownMarkers(const QWidget &window)
{
    int shown = 0;
    for (int i = 0; i < GameRules::Lives; ++i)
        shown += box(window, QStringLiteral("PicBall_%1").arg(i))->isVisible() ? 1 : 0;
    return shown;
}

void press(QWidget *widget, QPointF position)
{
    QMouseEvent event(QEvent::MouseButtonPress, position, widget->mapToGlobal(position), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

QImage bitmap(int number)
{
    return QImage(QStringLiteral(":/bitmap/%1").arg(number)).convertToFormat(QImage::Format_RGB32);
}

// The train as it must look with the first `seats` seats taken.
QImage trainWithMonkeys(int seats)
{
    QImage expected = bitmap(107);
    const QImage mask = bitmap(104);
    const QImage monkey = bitmap(105);
    for (int seat = 0; seat < seats; ++seat) {
        for (int y = 0; y < mask.height(); ++y) {
            for (int x = 0; x < mask.width(); ++x) {
                const QPoint at(GameRules::seatX[seat] + x, GameRules::seatY[seat] + y);
                expected.setPixel(at, (expected.pixel(at) & mask.pixel(x, y)) ^ (monkey.pixel(x, y) & 0xffffff));
            }
        }
    }
    return expected;
}

QWidget *visibleWindow(const QString &name)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name && window->isVisible())
            return window;
    }
    return nullptr;
}

} // namespace

class tst_GameWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void designAfterStartUp_data();
    void designAfterStartUp();
    void restBeforeTheFirstGame();
    void startUpSurvivesAMissingPicture();
    void keyPreviewWhicheverControlHasTheFocus();
    void monkeysSitInTheirWindows();
    void carriageAndLocomotive_data();
    void carriageAndLocomotive();
    void departureMovesTrainAndSmoke();
    void secondaryWindowBlocksTheGame_data();
    void secondaryWindowBlocksTheGame();

private:
    void startGame() { QTest::mouseClick(box(*m_window, QStringLiteral("Picbeg")), Qt::LeftButton); }
    void board(int monkeys);

    RecordingSound m_sound;
    QTemporaryDir m_spath;
    std::unique_ptr<GameWindow> m_window;
};

void tst_GameWindow::init()
{
    QStandardPaths::setTestModeEnabled(true);
    m_sound.forget();
    m_window = std::make_unique<GameWindow>(m_sound, m_spath.path() + QLatin1Char('/'), 2024, loadBitmaps());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_GameWindow::cleanup()
{
    m_window.reset();
}

void tst_GameWindow::board(int monkeys)
{
    for (int i = 0; i < monkeys; ++i)
        QTest::mouseClick(box(*m_window, QStringLiteral("Picboy")), Qt::LeftButton, {}, QPoint(20, 20));
}

void tst_GameWindow::designAfterStartUp_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("picture");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("toolTip");

    QTest::newRow("sound") << "PicV" << 111 << QRect(624, 200, 50, 35) << true << "声音提示";
    QTest::newRow("start") << "Picbeg" << 109 << QRect(624, 152, 50, 35) << true << "开始";
    QTest::newRow("help") << "Pichp" << 110 << QRect(624, 248, 50, 35) << true << "帮助";
    QTest::newRow("scene") << "Picture1" << 102 << QRect(0, 0, 601, 441) << true << "";
    QTest::newRow("smoke") << "Pictclud" << 106 << QRect(416, 216, 60, 30) << false << "";
    QTest::newRow("train") << "Pictrain" << 107 << QRect(30, 253, 480, 77) << false << "";
    QTest::newRow("monkey group") << "Picboy" << 103 << QRect(616, 40, 50, 42) << false << "";
    QTest::newRow("mask") << "PicPb_0" << 104 << QRect(608, 8, 40, 34) << false << "";
    QTest::newRow("monkey") << "PicPb_1" << 105 << QRect(640, 8, 40, 34) << false << "";
    QTest::newRow("first life") << "PicBall_0" << 101 << QRect(200, 0, 16, 16) << false << "";
    QTest::newRow("last life") << "PicBall_4" << 101 << QRect(296, 0, 16, 16) << false << "";
}

void tst_GameWindow::designAfterStartUp()
{
    QFETCH(QString, name);
    QFETCH(int, picture);
    QFETCH(QRect, geometry);
    QFETCH(bool, visible);
    QFETCH(QString, toolTip);

    const PictureBox *control = box(*m_window, name);
    QCOMPARE(control->surface(), bitmap(picture));
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(control->isVisible(), visible);
    QCOMPARE(control->toolTip(), toolTip);
}

void tst_GameWindow::restBeforeTheFirstGame()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("咕噜号"));
    QCOMPARE(m_window->size(), QSize(694, 438));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QVERIFY(!(m_window->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
    QCOMPARE(m_window->windowIcon().actualSize(QSize(32, 32)), QSize(32, 32));

    const auto *labres = m_window->findChild<QLabel *>(QStringLiteral("Labres"));
    const auto *labfen = m_window->findChild<QLabel *>(QStringLiteral("Labfen"));
    QVERIFY(labres->text().isEmpty() && labfen->text().isEmpty());
    QCOMPARE(labres->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(labfen->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    QVERIFY(!labres->autoFillBackground() && !labfen->autoFillBackground());
    QCOMPARE(shownMarkers(*m_window), 0);
    QVERIFY(!m_window->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());

    // The start button has the focus, and space and Enter do nothing yet.
    QWidget *focus = QApplication::focusWidget();
    QCOMPARE(focus, box(*m_window, QStringLiteral("Picbeg")));
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter})
        QTest::keyClick(focus, key);
    QVERIFY(!m_window->rules().playing());
    QVERIFY(m_sound.ids().isEmpty());
}

void tst_GameWindow::startUpSurvivesAMissingPicture()
{
    Bitmaps bitmaps = loadBitmaps();
    QCOMPARE(bitmaps.size(), std::size_t(10));
    bitmaps.erase(107);
    GameWindow window(m_sound, m_spath.path() + QLatin1Char('/'), 1, bitmaps);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(box(window, QStringLiteral("Pictrain"))->size(), QSize(457, 73));
    QCOMPARE(box(window, QStringLiteral("Picbeg"))->size(), QSize(50, 35));
    QCOMPARE(shownMarkers(window), 0);

    // The later steps still ran: the game starts and takes the space key.
    QTest::mouseClick(box(window, QStringLiteral("Picbeg")), Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(window.rules().boarded(), 1);
}

void tst_GameWindow::keyPreviewWhicheverControlHasTheFocus()
{
    startGame();
    int expected = 0;
    for (const char *name : {"Picbeg", "Pichp", "Picboy", "Picture1", "Pictrain", "PicBall_2", "PicV"}) {
        QWidget *control = box(*m_window, QLatin1String(name));
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Space);
        QVERIFY2(m_window->rules().boarded() == ++expected, name);
    }
    // A held key boards once per repeat; other keys do nothing.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QApplication::sendEvent(QApplication::focusWidget(), &repeat);
    QCOMPARE(m_window->rules().boarded(), ++expected);
    const RulesSnapshot before(m_window->rules());
    for (const Qt::Key key : {Qt::Key_A, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_1})
        QTest::keyClick(QApplication::focusWidget(), key);
    QVERIFY(RulesSnapshot(m_window->rules()) == before);

    // The keypad's Enter sends the train: it leaves, or a life is gone.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(m_window->rules().timerEnabled() || shownMarkers(*m_window) == 4);
}

void tst_GameWindow::monkeysSitInTheirWindows()
{
    startGame();
    const PictureBox *train = box(*m_window, QStringLiteral("Pictrain"));
    for (int seats = 1; seats <= 10; ++seats) {
        board(1);
        QVERIFY2(train->surface() == trainWithMonkeys(seats), qPrintable(QString::number(seats)));
    }
    board(1); // the eleventh empties the train
    QCOMPARE(train->surface(), trainWithMonkeys(0));
    QCOMPARE(shownMarkers(*m_window), 4);
}

void tst_GameWindow::carriageAndLocomotive_data()
{
    QTest::addColumn<qreal>("x");
    QTest::addColumn<bool>("departs");
    QTest::newRow("399.9 is a carriage") << 399.9 << false;
    QTest::newRow("400 is the locomotive") << 400.0 << true;
}

void tst_GameWindow::carriageAndLocomotive()
{
    QFETCH(qreal, x);
    QFETCH(bool, departs);
    startGame();
    board(m_window->rules().numIdx() + 1);
    PictureBox *train = box(*m_window, QStringLiteral("Pictrain"));

    press(train, QPointF(x, 40));

    QCOMPARE(m_window->rules().timerEnabled(), departs);
    QCOMPARE(train->surface() == trainWithMonkeys(0), !departs);
    QCOMPARE(shownMarkers(*m_window), 5);
    QCOMPARE(box(*m_window, QStringLiteral("Picboy"))->isEnabled(), !departs);
}

void tst_GameWindow::departureMovesTrainAndSmoke()
{
    startGame();
    board(m_window->rules().numIdx() + 1);
    auto *timer = m_window->findChild<QTimer *>(QStringLiteral("Timer1"));
    timer->setInterval(1); // the ticks, not their pace, are looked at here
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    PictureBox *train = box(*m_window, QStringLiteral("Pictrain"));
    PictureBox *smoke = box(*m_window, QStringLiteral("Pictclud"));
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("Labfen"))->text(), QStringLiteral("10"));
    QVERIFY(smoke->isVisible());

    // Train and smoke move together, the smoke above the train.
    QTRY_VERIFY(train->x() > 300);
    QCOMPARE(smoke->x() - train->x(), 420 - 30);
    QVERIFY(smoke->geometry().bottom() < train->geometry().top());

    // Back home, empty, with the next number asked.
    QTRY_COMPARE(train->x(), 30);
    QVERIFY(!timer->isActive());
    QCOMPARE(smoke->x(), 420 + 124 * 5);
    QCOMPARE(train->surface(), trainWithMonkeys(0));
    QVERIFY(box(*m_window, QStringLiteral("Picboy"))->isEnabled());
    QCOMPARE(m_sound.ids().last(), 101 + m_window->rules().numIdx());
}

void tst_GameWindow::secondaryWindowBlocksTheGame_data()
{
    QTest::addColumn<bool>("gameOver");
    QTest::newRow("leaderboard") << true;
    QTest::newRow("help") << false;
}

void tst_GameWindow::secondaryWindowBlocksTheGame()
{
    QFETCH(bool, gameOver);
    startGame();
    if (gameOver) {
        for (int miss = 0; miss < GameRules::Lives; ++miss)
            press(box(*m_window, QStringLiteral("Pictrain")), QPointF(450, 40)); // empty: always wrong
    } else {
        QTest::mouseClick(box(*m_window, QStringLiteral("Pichp")), Qt::LeftButton);
    }
    QWidget *secondary = visibleWindow(gameOver ? QStringLiteral("Form2") : QStringLiteral("Form3"));
    QVERIFY(secondary);
    QVERIFY(!m_window->rules().playing());

    // The game takes no input and cannot be closed under it.
    QVERIFY(!m_window->isEnabled());
    QVERIFY(!m_window->close());

    secondary->close();
    QVERIFY(m_window->isEnabled());
    QVERIFY(m_window->close());
}

QTEST_MAIN(tst_GameWindow)
#include "tst_gamewindow.moc"
