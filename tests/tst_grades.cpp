#include "game/bitmaps.h"
#include "game/gamewindow.h"
#include "grades/stepbystep.h"
#include "leaderboard/leaderboardwindow.h"
#include "rulesrecorder.h"
#include "widgets/picturebox.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

// "1:1x6 4:0x6": number 1 asked and given six times, 4 asked six times and nothing given.
static std::vector<History::FirstTry> historyOf(const QString &spec)
{
    std::vector<History::FirstTry> tries;
    for (const QString &item : spec.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList parts = item.split(QRegularExpression(u"[:x]"_s));
        for (int i = 0; i < parts[2].toInt(); ++i)
            tries.push_back({parts[0].toInt(), parts[1].toInt()});
    }
    return tries;
}

static const QString KnowsOneToThree = u"1:1x6 2:2x6 3:3x6 4:0x6"_s;

class tst_Grades : public QObject
{
    Q_OBJECT

private slots:
    void presentation_data()
    {
        QTest::addColumn<int>("grade");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("spoken");
        QTest::newRow("1 look and listen") << 1 << true << true;
        QTest::newRow("2 listen and count") << 2 << false << true;
        QTest::newRow("3 look and count") << 3 << true << false;
        QTest::newRow("4 step by step") << 4 << true << true;
    }

    // What a grade shows and says when it asks; a digit kept back appears at the judgement. The grade goes to
    // the history and names the leaderboard.
    void presentation()
    {
        QFETCH(int, grade);
        QFETCH(bool, shown);
        QFETCH(bool, spoken);
        RecordingSound sound;
        RecordingHost host;
        RecordingJudgements judgements;
        GameRules rules(sound, host, judgements, 7);
        rules.setGradeChooser([grade] { return Grade::make(grade, {}); });
        rules.start();
        const int asked = rules.askedNumber();
        QCOMPARE(sound.ids(), spoken ? QList{Sounds::spokenNumber(asked)} : QList<Sound>{});
        for (int monkey = 1; monkey < asked; ++monkey) {
            rules.boardMonkey(); // counted aloud in every grade
            QCOMPARE(std::pair(rules.numberShown(), sound.ids().last()), std::pair(shown ? asked : 0, Sounds::spokenNumber(monkey)));
        }
        rules.pressKey(GameRules::Key::Enter); // one short: a miss
        QCOMPARE(std::pair(rules.numberShown(), sound.ids().last()), std::pair(asked, Sound::Miss));
        for (int miss = 0; miss < GameRules::Lives - 1; ++miss)
            rules.pressKey(GameRules::Key::Enter);
        QCOMPARE(judgements.events.first(), u"start grade %1 aloud"_s.arg(grade));
        QCOMPARE(host.leaderboards, (QList<std::pair<std::int16_t, std::int32_t>>{{grade, 0}}));
    }

    // The second grade's digit is never on the screen before the train is judged, also after a right answer.
    void listenAndCountPaintsNoDigit()
    {
        RecordingSound sound;
        RecordingJudgements judgements;
        QTemporaryDir folder;
        GameWindow game(sound, judgements, folder.path() + u'/', 11, loadBitmaps());
        game.setGradeChooser([] { return Grade::make(2, {}); });
        game.show();
        QVERIFY(QTest::qWaitForWindowExposed(&game));
        const auto *digit = game.findChild<QLabel *>(u"numberLabel"_s);
        const auto press = [&game](int key) {
            QWidget *focused = QApplication::focusWidget() ? QApplication::focusWidget() : &game;
            QTest::keyClick(focused, Qt::Key(key));
        };
        game.findChild<QTimer *>(u"departureTimer"_s)->setInterval(1); // the ticks, not their pace
        const auto startButton = game.findChild<PictureBox *>(u"startButton"_s);
        QTest::mouseClick(startButton, Qt::LeftButton, {}, QPoint(10, 10));
        for (int question = 0; question < 3; ++question) {
            const int asked = game.rules().askedNumber();
            QVERIFY(game.rules().playing());
            for (int monkey = 0; monkey < asked; ++monkey) {
                QVERIFY2(digit->text().isEmpty(), qPrintable(digit->text()));
                press(Qt::Key_Space);
            }
            QVERIFY(digit->text().isEmpty());
            press(Qt::Key_Return);
            QCOMPARE(digit->text(), QString::number(asked));
            QTRY_VERIFY_WITH_TIMEOUT(game.rules().state() == GameRules::State::Asking, 20000);
        }
    }

    void leaderboard_data()
    {
        QTest::addColumn<int>("grade");
        QTest::addColumn<QString>("heading");
        QTest::newRow("1, as designed") << 1 << u"排行榜"_s;
        QTest::newRow("3") << 3 << u"排行榜：看着数"_s;
        QTest::newRow("4") << 4 << u"排行榜：一步一步"_s;
    }

    // Each grade has its own table, read and written the same way, and the heading names it.
    void leaderboard()
    {
        QFETCH(int, grade);
        QFETCH(QString, heading);
        RecordingSound sound;
        QTemporaryDir folder;
        QFile file(folder.filePath(u"kobu%1.tmp"_s.arg(grade)));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("A,30\r\n" + "0,0\r\n"_ba.repeated(9)) > 0);
        file.close();
        QWidget game;
        LeaderboardWindow board(game, sound, folder.path() + u'/');
        board.setFinishedGame(std::int16_t(grade), 0);
        board.show();
        QCOMPARE(std::pair(board.findChild<QLabel *>(u"heading"_s)->text(), board.windowTitle()), std::pair(heading, heading));
        QCOMPARE(board.findChild<QLabel *>(u"rankName0"_s)->text(), u"A"_s);
    }

    void staircase_data()
    {
        QTest::addColumn<QString>("history");
        QTest::addColumn<QString>("firstTries"); // R right, M miss
        QTest::addColumn<QString>("asked");      // K: a number already known, 1 to knownUpTo
        QTest::addColumn<int>("knownUpTo");
        QTest::newRow("no history: from 1") << u""_s << u"RRMRR"_s << u"1 2 3 2 3"_s << 0;
        QTest::newRow("knows 1 to 3: around 3 and 4") << KnowsOneToThree << u"RMRRRMM"_s << u"3 4 3 K 4 5 4"_s << 3;
        QTest::newRow("knows all: from 10") << u"1:1x6 2:2x6 3:3x6 4:4x6 5:5x6 6:6x6 7:7x6 8:8x6 9:9x6 10:10x6"_s
                                            << u"RMMRR"_s << u"10 10 9 K 8"_s << 10;
        QTest::newRow("never below 1") << u"1:0x6"_s << u"MMMR"_s << u"1 1 1 1"_s << 0;
    }

    // One up after a right first try, one down after a miss; every fourth a known number, which moves nothing.
    void staircase()
    {
        QFETCH(QString, history);
        QFETCH(QString, firstTries);
        QFETCH(QString, asked);
        QFETCH(int, knownUpTo);
        StepByStep grade(historyOf(history));
        std::mt19937 random(3);
        const QStringList expected = asked.split(u' ');
        for (qsizetype i = 0; i < firstTries.size(); ++i) {
            const int number = grade.nextNumber(random);
            QVERIFY2(expected[i] == u"K" ? number >= 1 && number <= knownUpTo : QString::number(number) == expected[i],
                     qPrintable(u"question %1 asked %2"_s.arg(i + 1).arg(number)));
            grade.firstTryJudged(firstTries[i] == u'R');
        }
    }

    // A long game of random answers: every fourth question is known, the others step by one, all within 1 to 10.
    void everyFourthKnown()
    {
        StepByStep grade(historyOf(KnowsOneToThree));
        std::mt19937 random(5);
        int step = grade.step();
        for (int question = 1; question <= 400; ++question) {
            const int number = grade.nextNumber(random);
            QVERIFY(number >= 1 && number <= 10);
            const bool right = random() % 2;
            if (question % StepByStep::KnownEvery == 0) {
                QVERIFY2(number >= 1 && number <= 3, qPrintable(QString::number(number)));
            } else {
                QCOMPARE(number, step);
                step = std::clamp(step + (right ? 1 : -1), 1, 10);
            }
            grade.firstTryJudged(right);
            QCOMPARE(grade.step(), step);
        }
    }
};

QTEST_MAIN(tst_Grades)
#include "tst_grades.moc"
