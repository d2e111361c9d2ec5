#include "grades/stepbystep.h"
#include "rulesrecorder.h"

#include <QtTest>

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
        auto &&[sound, host, judgements, rules] = RecordedRules(7);
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

    void staircase_data()
    {
        QTest::addColumn<QString>("history");
        QTest::addColumn<QString>("firstTries"); // R right, M miss; random ones after them
        QTest::addColumn<QString>("asked");      // K: a number already known, 1 to knownUpTo
        QTest::addColumn<int>("knownUpTo");
        QTest::newRow("no history: from 1") << u""_s << u"RRMRR"_s << u"1 2 3 2 3"_s << 0;
        QTest::newRow("knows 1 to 3: around 3 and 4") << u"1:1x6 2:2x6 3:3x6 4:0x6"_s << u"RMRRRMM"_s << u"3 4 3 K 4 5 4"_s << 3;
        QTest::newRow("knows all: from 10") << u"1:1x6 2:2x6 3:3x6 4:4x6 5:5x6 6:6x6 7:7x6 8:8x6 9:9x6 10:10x6"_s
                                            << u"RMMRR"_s << u"10 10 9 K 8"_s << 10;
        QTest::newRow("never below 1") << u"1:0x6"_s << u"MMMR"_s << u"1 1 1 1"_s << 0;
    }

    // One up after a right first try, one down after a miss, within 1 to 10; every fourth a known number, which
    // moves nothing. The script's answers, then a long game of random ones.
    void staircase()
    {
        QFETCH(QString, history);
        QFETCH(QString, firstTries);
        QFETCH(QString, asked);
        QFETCH(int, knownUpTo);
        StepByStep grade(historyOf(history));
        std::mt19937 random(3);
        const QStringList scripted = asked.split(u' ');
        for (qsizetype i = 0; i < 400; ++i) {
            const int step = grade.step(), number = grade.nextNumber(random);
            const bool known = (i + 1) % StepByStep::KnownEvery == 0 && knownUpTo > 0;
            const QString expected = scripted.value(i, known ? u"K"_s : QString::number(step));
            QVERIFY2(expected == u"K" ? number >= 1 && number <= knownUpTo : QString::number(number) == expected,
                     qPrintable(u"question %1 asked %2"_s.arg(i + 1).arg(number)));
            const bool right = i < firstTries.size() ? firstTries[i] == u'R' : random() % 2;
            grade.firstTryJudged(right);
            QCOMPARE(grade.step(), known ? step : std::clamp(step + (right ? 1 : -1), 1, 10));
        }
    }
};

QTEST_APPLESS_MAIN(tst_Grades)
#include "tst_grades.moc"
