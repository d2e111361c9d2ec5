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

class tst_AdultDoor : public QObject
{
    Q_OBJECT

private slots:
    // Each answer is the right product plus an error (0 is right); then the clock moves on and a right answer
    // opens the door unless it is still shut.
    void answers_data()
    {
        QTest::addColumn<QList<int>>("errors");
        QTest::addColumn<QList<Outcome>>("outcomes");
        QTest::addColumn<int>("waitedMs");
        QTest::addColumn<int>("secondsLocked");
        const QList<int> threeWrong{-1, 5, 1};
        const QList<Outcome> shut{Outcome::AskedAgain, Outcome::AskedAgain, Outcome::Locked};
        QTest::newRow("right") << QList{0} << QList{Outcome::Opened} << 0 << 0;
        QTest::newRow("wrong, then right") << QList{1, 0} << QList{Outcome::AskedAgain, Outcome::Opened} << 0 << 0;
        QTest::newRow("three wrong") << threeWrong << shut << 0 << 30;
        QTest::newRow("three wrong, a moment later") << threeWrong << shut << 1 << 30;
        QTest::newRow("three wrong, a second later") << threeWrong << shut << 1000 << 29;
        QTest::newRow("three wrong, just before") << threeWrong << shut << 29999 << 1;
        QTest::newRow("three wrong, thirty seconds") << threeWrong << shut << 30000 << 0;
        QTest::newRow("a right answer starts the count again")
            << QList{1, 1, 0, 1, 1}
            << QList{Outcome::AskedAgain, Outcome::AskedAgain, Outcome::Opened, Outcome::AskedAgain, Outcome::AskedAgain}
            << 0 << 0;
    }

    // Every answer brings a question with another product, both numbers from 6 to 9.
    void answers()
    {
        QFETCH(QList<int>, errors);
        QFETCH(QList<Outcome>, outcomes);
        QFETCH(int, waitedMs);
        QFETCH(int, secondsLocked);
        std::chrono::steady_clock::time_point now{}; // moved by hand
        AdultDoor door(7, [&now] { return now; });
        const auto product = [&door] { return door.leftFactor() * door.rightFactor(); };
        QList<Outcome> seen;
        for (int error : errors) {
            const int asked = product();
            QVERIFY(door.leftFactor() >= 6 && door.leftFactor() <= 9 && door.rightFactor() >= 6 && door.rightFactor() <= 9);
            seen.append(door.answer(asked + error));
            QVERIFY(seen.last() == Outcome::Locked || product() != asked);
        }
        QCOMPARE(seen, outcomes);
        now += std::chrono::milliseconds(waitedMs);
        QCOMPARE(door.secondsLocked(), secondsLocked);
        QCOMPARE(door.answer(product()), secondsLocked ? Outcome::Locked : Outcome::Opened);
    }

    // What the adult sees: a new question after a miss, the countdown while shut.
    void dialog()
    {
        std::chrono::steady_clock::time_point now{};
        AdultDoor door(11, [&now] { return now; });
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
        now += 30s;
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
        const auto shown = [&game](const QString &name) {
            auto *const window = game.findChild<QWidget *>(name);
            return window && window->isVisible();
        };
        QTest::mousePress(button, Qt::LeftButton);
        QVERIFY(ring->isVisible());
        if (hold)
            QTRY_VERIFY_WITH_TIMEOUT(shown(u"doorDialog"_s), HoldToOpen::HoldMs * 3);
        else
            QTest::qWait(HoldToOpen::HoldMs / 4);
        QCOMPARE(QList({shown(u"doorDialog"_s), ring->isVisible()}), QList({hold, !hold}));
        QTest::mouseRelease(button, Qt::LeftButton);
        QCOMPARE(QList({shown(u"helpWindow"_s), shown(u"doorDialog"_s), ring->isVisible()}), QList({!hold, hold, false}));
    }
};

QTEST_MAIN(tst_AdultDoor)
#include "tst_adultdoor.moc"
