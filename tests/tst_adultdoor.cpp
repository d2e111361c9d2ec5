#include "game/gamewindow.h"
#include "history/historystore.h"
#include "parents/adultdoor.h"
#include "parents/doordialog.h"
#include "parents/holdtoopen.h"
#include "parents/parentsentrance.h"
#include "rulesrecorder.h"

#include <QTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;
using Outcome = AdultDoor::Outcome;
using namespace std::chrono_literals;

// A clock the test moves by hand.
struct FakeClock
{
    std::chrono::steady_clock::time_point now{};
    AdultDoor::Clock clock()
    {
        return [this] { return now; };
    }
};

class tst_AdultDoor : public QObject
{
    Q_OBJECT

private slots:
    // Each answer is the right product plus an error: 0 is right.
    void answers_data()
    {
        QTest::addColumn<QList<int>>("errors");
        QTest::addColumn<QList<Outcome>>("outcomes");
        QTest::addColumn<int>("secondsLocked");
        QTest::newRow("right") << QList{0} << QList{Outcome::Opened} << 0;
        QTest::newRow("wrong, then right") << QList{1, 0} << QList{Outcome::AskedAgain, Outcome::Opened} << 0;
        QTest::newRow("three wrong") << QList{-1, 5, 1}
                                     << QList{Outcome::AskedAgain, Outcome::AskedAgain, Outcome::Locked} << 30;
        QTest::newRow("right while shut") << QList{1, 1, 1, 0}
                                          << QList{Outcome::AskedAgain, Outcome::AskedAgain, Outcome::Locked,
                                                   Outcome::Locked}
                                          << 30;
        QTest::newRow("a right answer starts the count again")
            << QList{1, 1, 0, 1, 1}
            << QList{Outcome::AskedAgain, Outcome::AskedAgain, Outcome::Opened, Outcome::AskedAgain,
                     Outcome::AskedAgain}
            << 0;
    }

    // Every answer brings a question with another product, both numbers from 6 to 9.
    void answers()
    {
        QFETCH(QList<int>, errors);
        QFETCH(QList<Outcome>, outcomes);
        QFETCH(int, secondsLocked);
        FakeClock time;
        AdultDoor door(7, time.clock());
        QList<Outcome> seen;
        for (int error : errors) {
            const int product = door.leftFactor() * door.rightFactor();
            QVERIFY(door.leftFactor() >= 6 && door.leftFactor() <= 9 && door.rightFactor() >= 6 && door.rightFactor() <= 9);
            seen.append(door.answer(product + error));
            QVERIFY(seen.last() == Outcome::Locked || door.leftFactor() * door.rightFactor() != product);
        }
        QCOMPARE(seen, outcomes);
        QCOMPARE(door.secondsLocked(), secondsLocked);
    }

    void lockoutEnds_data()
    {
        QTest::addColumn<std::chrono::milliseconds>("waited");
        QTest::addColumn<int>("secondsLocked");
        QTest::newRow("at once") << std::chrono::milliseconds(0) << 30;
        QTest::newRow("a moment later") << std::chrono::milliseconds(1) << 30;
        QTest::newRow("a second later") << std::chrono::milliseconds(1000) << 29;
        QTest::newRow("just before") << std::chrono::milliseconds(29999) << 1;
        QTest::newRow("thirty seconds") << std::chrono::milliseconds(30000) << 0;
    }

    // Shut for thirty seconds to the moment, then a right answer opens it.
    void lockoutEnds()
    {
        QFETCH(std::chrono::milliseconds, waited);
        QFETCH(int, secondsLocked);
        FakeClock time;
        AdultDoor door(3, time.clock());
        for (int i = 0; i < 3; ++i)
            door.answer(door.leftFactor() * door.rightFactor() + 1);
        time.now += waited;
        QCOMPARE(door.secondsLocked(), secondsLocked);
        QCOMPARE(door.answer(door.leftFactor() * door.rightFactor()), secondsLocked ? Outcome::Locked : Outcome::Opened);
    }

    // What the adult sees: a new question after a miss, the countdown while shut.
    void dialog()
    {
        FakeClock time;
        AdultDoor door(11, time.clock());
        QWidget game;
        DoorDialog dialog(door, &game);
        dialog.show();
        auto *const question = dialog.findChild<QLabel *>(u"question"_s);
        auto *const message = dialog.findChild<QLabel *>(u"doorMessage"_s);
        auto *const answerBox = dialog.findChild<QLineEdit *>(u"answerBox"_s);
        const auto answer = [&](int error) {
            QCOMPARE(question->text(), u"%1 × %2 = ?"_s.arg(door.leftFactor()).arg(door.rightFactor()));
            answerBox->setText(QString::number(door.leftFactor() * door.rightFactor() + error));
            QTest::keyClick(answerBox, Qt::Key_Return);
        };
        answer(2);
        QCOMPARE(message->text(), u"不对。请回答这一题："_s);
        answer(2);
        answer(2);
        QCOMPARE(QList({answerBox->isEnabled(), question->isVisible(), dialog.isVisible()}), QList({false, false, true}));
        QCOMPARE(message->text(), u"答错了三次。请 30 秒后再试。"_s);
        time.now += 30s;
        QTRY_VERIFY(answerBox->isEnabled() && message->text().isEmpty());
        answer(0);
        QCOMPARE(QList({dialog.isVisible(), dialog.result() == QDialog::Accepted}), QList({false, true}));
    }

    void helpButton_data()
    {
        QTest::addColumn<bool>("hold");
        QTest::newRow("short press") << false;
        QTest::newRow("held") << true;
    }

    // A short press opens help as always; a held one fills the ring and asks the question instead.
    void helpButton()
    {
        QFETCH(bool, hold);
        RecordingSound sound;
        RecordingJudgements judgements;
        QTemporaryDir folder;
        GameWindow game(sound, judgements, folder.path() + u'/', 1, Bitmaps{});
        HistoryStore history;
        ParentsEntrance entrance(game, history, Preferences{}, 1);
        game.show();
        QVERIFY(QTest::qWaitForWindowExposed(&game));
        auto *const button = game.findChild<QWidget *>(u"helpButton"_s);
        auto *const ring = button->findChild<QWidget *>(u"holdRing"_s);
        const auto dialogShown = [&game] {
            auto *const door = game.findChild<DoorDialog *>();
            return door && door->isVisible();
        };
        const auto helpShown = [] {
            const QWidgetList windows = QApplication::topLevelWidgets();
            return std::any_of(windows.begin(), windows.end(), [](QWidget *window) {
                return window->objectName() == u"helpWindow"_s && window->isVisible();
            });
        };
        QTest::mousePress(button, Qt::LeftButton);
        QVERIFY(ring->isVisible());
        if (hold) {
            QTRY_VERIFY_WITH_TIMEOUT(dialogShown(), HoldToOpen::HoldMs * 3);
            QVERIFY(!ring->isVisible());
        } else {
            QTest::qWait(HoldToOpen::HoldMs / 4);
            QVERIFY(!dialogShown());
        }
        QTest::mouseRelease(button, Qt::LeftButton);
        QCOMPARE(QList({helpShown(), dialogShown(), ring->isVisible()}), QList({!hold, hold, false}));
    }
};

QTEST_MAIN(tst_AdultDoor)
#include "tst_adultdoor.moc"
