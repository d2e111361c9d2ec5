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

constexpr std::uint32_t Seed = 2024;
constexpr std::array<int, 10> BitmapNumbers{101, 102, 103, 104, 105, 106, 107, 109, 110, 111};

PictureBox *box(const GameWindow &window, const QString &name)
{
    auto *found = window.findChild<PictureBox *>(name);
    Q_ASSERT(found);
    return found;
}

QLabel *label(const GameWindow &window, const QString &name)
{
    auto *found = window.findChild<QLabel *>(name);
    Q_ASSERT(found);
    return found;
}

int shownMarkers(const GameWindow &window)
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

// The train as it must look with the first `seats` seats taken.
QImage trainWithMonkeys(int seats)
{
    QImage expected = QImage(QStringLiteral(":/bitmap/107")).convertToFormat(QImage::Format_RGB32);
    const QImage mask = QImage(QStringLiteral(":/bitmap/104")).convertToFormat(QImage::Format_RGB32);
    const QImage monkey = QImage(QStringLiteral(":/bitmap/105")).convertToFormat(QImage::Format_RGB32);
    for (int seat = 0; seat < seats; ++seat) {
        for (int y = 0; y < mask.height(); ++y) {
            for (int x = 0; x < mask.width(); ++x) {
                const int tx = GameRules::seatX[seat] + x;
                const int ty = GameRules::seatY[seat] + y;
                const QRgb painted = (expected.pixel(tx, ty) & mask.pixel(x, y)) ^ (monkey.pixel(x, y) & 0xffffff);
                expected.setPixel(tx, ty, painted);
            }
        }
    }
    return expected;
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
    void picturesAfterStartUp();
    void restBeforeTheFirstGame();
    void seatTables();
    void startUpSurvivesAMissingPicture();
    void keyPreviewWhicheverControlHasTheFocus();
    void otherKeysDoNothing();
    void monkeysSitInTheirWindows();
    void carriageAndLocomotive_data();
    void carriageAndLocomotive();
    void departureMovesTrainAndSmoke();
    void endOfGameBlocksTheWindowUntilTheLeaderboardCloses();
    void helpBlocksTheWindowUntilItCloses();

private:
    void startGame();
    void board(int monkeys);

    RecordingSound m_sound;
    QTemporaryDir m_spath;
    std::unique_ptr<GameWindow> m_window;
};

void tst_GameWindow::init()
{
    QStandardPaths::setTestModeEnabled(true);
    m_sound.forget();
    m_window = std::make_unique<GameWindow>(m_sound, m_spath.path() + QLatin1Char('/'), Seed);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_GameWindow::cleanup()
{
    m_window.reset();
}

void tst_GameWindow::startGame()
{
    QTest::mouseClick(box(*m_window, QStringLiteral("Picbeg")), Qt::LeftButton);
    QVERIFY(m_window->rules().playing());
}

void tst_GameWindow::board(int monkeys)
{
    for (int i = 0; i < monkeys; ++i)
        QTest::mouseClick(box(*m_window, QStringLiteral("Picboy")), Qt::LeftButton, {}, QPoint(20, 20));
}

void tst_GameWindow::designAfterStartUp_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("toolTip");

    QTest::newRow("sound") << "PicV" << QRect(624, 200, 50, 35) << true << "声音提示";
    QTest::newRow("start") << "Picbeg" << QRect(624, 152, 50, 35) << true << "开始";
    QTest::newRow("help") << "Pichp" << QRect(624, 248, 50, 35) << true << "帮助";
    QTest::newRow("scene") << "Picture1" << QRect(0, 0, 601, 441) << true << "";
    QTest::newRow("smoke") << "Pictclud" << QRect(416, 216, 60, 30) << false << "";
    QTest::newRow("train") << "Pictrain" << QRect(30, 253, 480, 77) << false << "";
    QTest::newRow("monkey group") << "Picboy" << QRect(616, 40, 50, 42) << false << "";
    QTest::newRow("mask holder") << "PicPb_0" << QRect(608, 8, 40, 34) << false << "";
    QTest::newRow("monkey holder") << "PicPb_1" << QRect(640, 8, 40, 34) << false << "";
    for (int i = 0; i < GameRules::Lives; ++i) {
        QTest::addRow("life marker %d", i) << QStringLiteral("PicBall_%1").arg(i) << QRect(200 + 24 * i, 0, 16, 16)
                                           << false << "";
    }
}

void tst_GameWindow::designAfterStartUp()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(bool, visible);
    QFETCH(QString, toolTip);

    QCOMPARE(m_window->objectName(), QStringLiteral("Form1"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("咕噜号"));
    QCOMPARE(m_window->size(), QSize(694, 438));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QVERIFY(!(m_window->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
    QCOMPARE(m_window->palette().color(QPalette::Window), QColor(0, 0, 128));
    QCOMPARE(m_window->windowIcon().actualSize(QSize(32, 32)), QSize(32, 32));

    const PictureBox *control = box(*m_window, name);
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(control->isVisible(), visible);
    QCOMPARE(control->toolTip(), toolTip);
    QVERIFY(control->isEnabled());
}

void tst_GameWindow::picturesAfterStartUp()
{
    const QList<std::pair<QString, int>> pictures{
        {"Picture1", 102}, {"Picbeg", 109}, {"Pichp", 110}, {"PicV", 111},     {"Pictclud", 106},
        {"Picboy", 103},   {"Pictrain", 107}, {"PicPb_0", 104}, {"PicPb_1", 105}, {"PicBall_4", 101}};
    for (const auto &[name, number] : pictures) {
        const QImage expected = QImage(QStringLiteral(":/bitmap/%1").arg(number)).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!expected.isNull(), qPrintable(name));
        QVERIFY2(box(*m_window, name)->surface() == expected, qPrintable(name));
    }
}

void tst_GameWindow::restBeforeTheFirstGame()
{
    const QLabel *labres = label(*m_window, QStringLiteral("Labres"));
    const QLabel *labfen = label(*m_window, QStringLiteral("Labfen"));
    QVERIFY(labres->text().isEmpty());
    QVERIFY(labfen->text().isEmpty());
    QCOMPARE(labres->geometry(), QRect(16, 16, 97, 129));
    QCOMPARE(labfen->geometry(), QRect(624, 384, 65, 25));
    QCOMPARE(labres->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(labfen->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    QVERIFY(labres->font().bold() && labfen->font().bold());
    QCOMPARE(labres->font().pointSizeF(), 42.0);
    QCOMPARE(labfen->font().pointSizeF(), 14.25);
    QVERIFY(!labres->autoFillBackground() && !labfen->autoFillBackground());
    QCOMPARE(shownMarkers(*m_window), 0);

    const auto *timer = m_window->findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer && !timer->isActive());
    QCOMPARE(timer->interval(), 100);
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);

    QWidget *focus = QApplication::focusWidget();
    QCOMPARE(focus ? focus->objectName() : QString(), QStringLiteral("Picbeg"));
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter})
        QTest::keyClick(focus, key);
    QVERIFY(!m_window->rules().playing());
    QVERIFY(m_sound.ids().isEmpty());
    QVERIFY(labres->text().isEmpty());
    QVERIFY(!box(*m_window, QStringLiteral("Pictrain"))->isVisible());
}

void tst_GameWindow::seatTables()
{
    const std::array<int, 10> x{414, 358, 316, 275, 225, 183, 140, 90, 48, 7};
    const std::array<int, 10> y{24, 23, 26, 26, 23, 26, 26, 23, 26, 26};
    for (int seat = 0; seat < 10; ++seat) {
        QCOMPARE(GameRules::seatX[seat], x[seat]);
        QCOMPARE(GameRules::seatY[seat], y[seat]);
    }
}

void tst_GameWindow::startUpSurvivesAMissingPicture()
{
    // Every picture but the train's, from a folder of their own.
    QTemporaryDir folder;
    for (const int number : BitmapNumbers) {
        if (number != 107)
            QVERIFY(QImage(QStringLiteral(":/bitmap/%1").arg(number)).save(folder.filePath(QString::number(number)), "PNG"));
    }
    RecordingSound sound;
    GameWindow window(sound, m_spath.path() + QLatin1Char('/'), Seed, folder.path() + QLatin1Char('/'));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const PictureBox *train = box(window, QStringLiteral("Pictrain"));
    QVERIFY(train->picture().isNull());
    QCOMPARE(train->size(), QSize(457, 73));
    QCOMPARE(box(window, QStringLiteral("Picbeg"))->size(), QSize(50, 35));
    QCOMPARE(shownMarkers(window), 0);

    // Later steps still ran: the game starts and takes the space key.
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
        QCOMPARE(QApplication::focusWidget(), control);
        QTest::keyClick(control, Qt::Key_Space);
        QVERIFY2(m_window->rules().boarded() == ++expected, name);
    }

    // A held key boards once per repeat.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QApplication::sendEvent(QApplication::focusWidget(), &repeat);
    QCOMPARE(m_window->rules().boarded(), ++expected);

    // Enter on the keypad sends the train like the main key: either it
    // leaves or the count was wrong and a life is gone.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(m_window->rules().timerEnabled() || m_window->rules().lifeIdx() == 3);
}

void tst_GameWindow::otherKeysDoNothing()
{
    startGame();
    board(2);
    const RulesSnapshot before(m_window->rules());
    for (const Qt::Key key : {Qt::Key_A, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Backspace, Qt::Key_1})
        QTest::keyClick(QApplication::focusWidget(), key);
    QVERIFY(RulesSnapshot(m_window->rules()) == before);
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
    QCOMPARE(m_window->rules().boarded(), departs ? m_window->rules().numIdx() + 1 : 0);
    QCOMPARE(train->surface() == trainWithMonkeys(0), !departs);
    QCOMPARE(shownMarkers(*m_window), 5);
    QCOMPARE(box(*m_window, QStringLiteral("Picboy"))->isEnabled(), !departs);
}

void tst_GameWindow::departureMovesTrainAndSmoke()
{
    startGame();
    board(m_window->rules().numIdx() + 1);
    auto *timer = m_window->findChild<QTimer *>(QStringLiteral("Timer1"));
    timer->setInterval(1); // the ticks, not their pace, are what is looked at here
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    PictureBox *train = box(*m_window, QStringLiteral("Pictrain"));
    PictureBox *smoke = box(*m_window, QStringLiteral("Pictclud"));
    PictureBox *monkeys = box(*m_window, QStringLiteral("Picboy"));
    QCOMPARE(label(*m_window, QStringLiteral("Labfen"))->text(), QStringLiteral("10"));
    QVERIFY(smoke->isVisible());
    QVERIFY(!monkeys->isEnabled());

    // Train and smoke move together, the smoke above the train.
    QTRY_VERIFY(train->x() > 300);
    QCOMPARE(smoke->x() - train->x(), 420 - 30);
    QVERIFY(smoke->geometry().bottom() < train->geometry().top());

    // Back home, empty, with the next number asked.
    QTRY_COMPARE(train->x(), 30);
    QVERIFY(!timer->isActive());
    QCOMPARE(smoke->x(), 420 + 124 * 5);
    QCOMPARE(train->surface(), trainWithMonkeys(0));
    QVERIFY(monkeys->isEnabled());
    QCOMPARE(m_sound.ids().last(), 101 + m_window->rules().numIdx());
}

void tst_GameWindow::endOfGameBlocksTheWindowUntilTheLeaderboardCloses()
{
    startGame();
    PictureBox *train = box(*m_window, QStringLiteral("Pictrain"));
    for (int miss = 0; miss < 5; ++miss)
        press(train, QPointF(450, 40)); // an empty train is always wrong
    QVERIFY(!m_window->rules().playing());
    QVERIFY(!m_window->isEnabled());
    QWidget *leaderboard = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("Form2") && window->isVisible())
            leaderboard = window;
    }
    QVERIFY(leaderboard);

    // The game cannot be closed under the leaderboard.
    QVERIFY(!m_window->close());
    QVERIFY(m_window->isVisible());

    leaderboard->close();
    QVERIFY(m_window->isEnabled());
    QVERIFY(m_window->close());
}

void tst_GameWindow::helpBlocksTheWindowUntilItCloses()
{
    startGame();
    QTest::mouseClick(box(*m_window, QStringLiteral("Pichp")), Qt::LeftButton);
    QVERIFY(!m_window->rules().playing());
    QVERIFY(!m_window->isEnabled());
    QWidget *help = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("Form3") && window->isVisible())
            help = window;
    }
    QVERIFY(help);
    help->close();
    QVERIFY(m_window->isEnabled());
}

QTEST_MAIN(tst_GameWindow)
#include "tst_gamewindow.moc"
