#include "history/historytypes.h"
#include "progress/knowerprogress.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// "3>4" is a first try at 3 answered with 4, "3>3+" a retry after a miss.
// "game:" in front weighs the first tries as the game does, from its history, which keeps no retries.
KnowerProgress progressOf(QString played)
{
    const bool inGame = played.startsWith(u"game:"_s);
    std::vector<GiveNTrial> trials;
    std::vector<History::FirstTry> firstTries;
    for (QString trial : played.remove(u"game:"_s).split(u' ', Qt::SkipEmptyParts)) {
        const bool retry = trial.endsWith(u'+');
        const QStringList numbers = trial.remove(u'+').split(u'>');
        trials.push_back({numbers.at(0).toInt(), numbers.at(1).toInt(), retry ? 2 : 1});
        if (!retry)
            firstTries.push_back({numbers.at(0).toInt(), numbers.at(1).toInt()});
    }
    return inGame ? History::inGameProgress(firstTries) : KnowerProgress(trials, KnowerScoring::onPaper());
}

} // namespace

class tst_KnowerProgress : public QObject
{
    Q_OBJECT

private slots:
    void level_data()
    {
        QTest::addColumn<QString>("played");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("levelText");
        QTest::newRow("1 not known: 0-knower") << "1>1 1>2 1>2 2>2" << 0 << "0";
        QTest::newRow("exactly 2/3 of requests") << "1>1 1>1 1>3" << 1 << "1";
        QTest::newRow("3/5 of requests") << "1>1 1>1 1>1 1>2 1>3" << 0 << "0";
        QTest::newRow("given by mistake once in 3") << "1>1 2>2 2>2 3>2" << 2 << "2";
        QTest::newRow("given by mistake twice in 4") << "1>1 2>2 2>2 3>2 4>2" << 1 << "1";
        QTest::newRow("1 never asked") << "2>2 3>3" << 3 << "3";
        QTest::newRow("5 is not CP") << "1>1 2>2 3>3 4>4 5>5 6>7" << 5 << "5";
        QTest::newRow("CP at 6") << "1>1 2>2 3>3 4>4 5>5 6>6" << 6 << "CP";
        QTest::newRow("CP across a gap") << "1>1 2>2 3>3 4>4 5>5 8>8" << 8 << "CP";
        QTest::newRow("retries are not requests") << "1>1 1>1 1>2 1>3+ 1>4+" << 1 << "1";
        QTest::newRow("retries do not give") << "1>1 1>1 2>1+ 2>1+ 2>2" << 2 << "2";
        QTest::newRow("in the game, 2 requests are too few") << "game: 1>1 1>1" << 0 << "0";
        QTest::newRow("in the game, 3 requests are enough") << "game: 1>1 1>1 1>1" << 1 << "1";
        QTest::newRow("too few requests do not break the chain") << "game: 1>1 1>1 1>1 2>3 3>3 3>3 3>3" << 3 << "3";
        // The last six hold four right; the last five only three, the last seven four.
        QTest::newRow("the recent six, in the game") << "game: 1>2 1>2 1>2 1>2 1>1 1>1 1>2 1>1 1>2 1>1" << 1 << "1";
        QTest::newRow("every request, on paper") << "1>2 1>2 1>2 1>2 1>1 1>1 1>2 1>1 1>2 1>1" << 0 << "0";
        // The two 1s given for 2 have left 2's recent six, and no longer count against 1.
        QTest::newRow("old mistakes leave the window whole") << "game: 2>1 2>1 2>2 2>2 2>2 2>2 2>2 2>2 1>1 1>1 1>1" << 2 << "2";
    }

    void level()
    {
        QFETCH(QString, played);
        QFETCH(int, level);
        QFETCH(QString, levelText);
        const KnowerProgress progress = progressOf(played);
        QCOMPARE(progress.level(), level);
        QCOMPARE(progress.levelText(), levelText);
    }

    // "status right/asked, commonest wrong answer" for one number.
    void number_data()
    {
        QTest::addColumn<QString>("played");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("progress");
        QTest::newRow("never asked") << "game: 1>1" << 2 << "2: not enough play 0/0, -1";
        QTest::newRow("known") << "3>3 3>3 3>5" << 3 << "3: known 2/3, 5";
        QTest::newRow("learning") << "3>3 3>4 3>4" << 3 << "3: learning 1/3, 4";
        QTest::newRow("not yet") << "3>4 3>5 3>4" << 3 << "3: not yet 0/3, 4";
        QTest::newRow("always right, given too often") << "3>3 4>3 5>3" << 3 << "3: learning 1/1, -1";
        QTest::newRow("a tie: the one given last") << "3>4 3>5 3>5 3>4" << 3 << "3: not yet 0/4, 4";
        QTest::newRow("most often beats later") << "3>5 3>5 3>4" << 3 << "3: not yet 0/3, 5";
        // Counted over every first try, though the status looks at the recent six.
        QTest::newRow("all first tries counted") << "game: 6>1 6>1 6>6 6>6 6>6 6>6 6>6 6>6 6>2+" << 6 << "6: known 6/8, 1";
    }

    void number()
    {
        QFETCH(QString, played);
        QFETCH(int, number);
        QFETCH(QString, progress);
        const NumberProgress found = progressOf(played).number(number);
        const QStringList statuses{u"not enough play"_s, u"not yet"_s, u"learning"_s, u"known"_s};
        QCOMPARE(u"%1: %2 %3/%4, %5"_s.arg(found.number).arg(statuses.at(int(found.status))).arg(found.rightFirstTries)
                     .arg(found.timesAsked).arg(found.commonestWrongAnswer.value_or(-1)),
                 progress);
    }

    // The known numbers, then the lowest one not known (0: none).
    void whatToPractise_data()
    {
        QTest::addColumn<QString>("played");
        QTest::addColumn<QString>("known");
        QTest::newRow("a gap") << "1>1 2>2 5>5" << "1 2 5, 3";
        QTest::newRow("1 not asked") << "2>2" << "2, 1";
        QTest::newRow("10 missing") << "1>1 2>2 3>3 4>4 5>5 6>6 7>7 8>8 9>9" << "1 2 3 4 5 6 7 8 9, 10";
    }

    void whatToPractise()
    {
        QFETCH(QString, played);
        QFETCH(QString, known);
        const KnowerProgress progress = progressOf(played);
        QStringList numbers;
        for (const int number : progress.knownNumbers())
            numbers << QString::number(number);
        QCOMPARE(numbers.join(u' ') + u", "_s + QString::number(progress.lowestNumberNotKnown().value_or(0)), known);
    }
};

QTEST_APPLESS_MAIN(tst_KnowerProgress)
#include "tst_knowerprogress.moc"
