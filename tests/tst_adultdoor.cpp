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
// The errors answered, what each brought, the wait after them and what it leaves of the lockout.
struct Answers { QList<int> errors; QList<Outcome> outcomes; int waitedMs, secondsLocked; };
Q_DECLARE_METATYPE(Answers)

class tst_AdultDoor : public QObject
{
    Q_OBJECT

private slots:
    // Each answer is the right product plus an error (0 is right); then the clock moves on and a right answer
    // opens the door unless it is still shut.
    void answers_data()
    {
        QTest::addColumn<Answers>("a");
        const QList<int> threeWrong{-1, 5, 1};
        const QList<Outcome> shut{Outcome::AskedAgain, Outcome::AskedAgain, Outcome::Locked};
        QTest::newRow("three wrong, just before") << Answers{threeWrong, shut, 29999, 1};
        QTest::newRow("three wrong, thirty seconds") << Answers{threeWrong, shut, 30000, 0};
        QTest::newRow("a right answer starts the count again")
            << Answers{{1, 1, 0, 1, 1}, {Outcome::AskedAgain, Outcome::AskedAgain, Outcome::Opened, Outcome::AskedAgain, Outcome::AskedAgain}, 0, 0};
    }

    // Every answer brings a question with another product, both numbers from 6 to 9.
    void answers()
    {
        QFETCH(Answers, a);
        std::chrono::steady_clock::time_point now{}; // moved by hand
        AdultDoor door(7, [&now] { return now; });
        const auto product = [&door] { return door.leftFactor() * door.rightFactor(); };
        QList<Outcome> seen;
        for (int error : a.errors) {
            const int asked = product();
            QVERIFY(door.leftFactor() >= 6 && door.leftFactor() <= 9 && door.rightFactor() >= 6 && door.rightFactor() <= 9);
            seen.append(door.answer(asked + error));
            QVERIFY(seen.last() == Outcome::Locked || product() != asked);
        }
        QCOMPARE(seen, a.outcomes);
        now += std::chrono::milliseconds(a.waitedMs);
        QCOMPARE(door.secondsLocked(), a.secondsLocked);
        QCOMPARE(door.answer(product()), door.secondsLocked() ? Outcome::Locked : Outcome::Opened);
    }

    // What the adult sees: a new question after a miss, the countdown while shut, and the door opening.
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
        for (int miss = 0; miss < 3; ++miss) {
            answer(2);
            QCOMPARE(message->text(), miss < 2 ? u"不对。请回答这一题："_s : u"答错了三次。请 30 秒后再试。"_s);
        }
        QCOMPARE(QList({answerBox->isEnabled(), question->isVisible(), dialog.isVisible()}), QList({false, false, true}));
        now += AdultDoor::LockoutTime;
        QTRY_VERIFY(answerBox->isEnabled() && message->text().isEmpty());
        answer(0);
        QCOMPARE(QList({dialog.isVisible(), dialog.result() == QDialog::Accepted}), QList({false, true}));
    }

    // A short press on help opens help as always; a held one fills the ring and asks the question instead.
    void helpButton()
    {
        RecordingSound sound;
        RecordingJudgements judgements;
        QTemporaryDir folder;
        GameWindow game(sound, judgements, folder.path() + u'/', 1, Bitmaps{});
        HistoryStore history;
        ParentsEntrance entrance(game, history, Preferences{}, 1);
        game.show();
        QVERIFY(QTest::qWaitForWindowExposed(&game));
        auto *const button = game.findChild<QWidget *>(u"helpButton"_s);
        const auto visible = [&game](const QString &name) { const auto *widget = game.findChild<QWidget *>(name); return widget && widget->isVisible(); };
        const auto shown = [&] { return QList({visible(u"holdRing"_s), visible(u"helpWindow"_s), visible(u"doorDialog"_s)}); };
        QTest::mousePress(button, Qt::LeftButton);
        QTest::qWait(HoldToOpen::HoldMs / 4);
        QCOMPARE(shown(), QList({true, false, false}));
        QTest::mouseRelease(button, Qt::LeftButton);
        QCOMPARE(shown(), QList({false, true, false}));
        game.findChild<QWidget *>(u"helpWindow"_s)->close();
        QTest::mousePress(button, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(shown(), QList({false, false, true}), HoldToOpen::HoldMs * 3);
        QTest::mouseRelease(button, Qt::LeftButton);
        QCOMPARE(shown(), QList({false, false, true}));
    }
};

QTEST_MAIN(tst_AdultDoor)
#include "tst_adultdoor.moc"
