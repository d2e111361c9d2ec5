#include "progress/knowerprogress.h"

#include <QtTest>

namespace {

// "3>4" is a first try at 3 answered with 4; "3>3+" a retry after a miss.
std::vector<GiveNTrial> trials(const QString &played)
{
    std::vector<GiveNTrial> result;
    for (QString trial : played.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const bool retry = trial.endsWith(QLatin1Char('+'));
        trial.remove(QLatin1Char('+'));
        const QStringList numbers = trial.split(QLatin1Char('>'));
        result.push_back({numbers.at(0).toInt(), numbers.at(1).toInt(), retry ? 2 : 1});
    }
    return result;
}

KnowerScoring scoring(const QString &mode)
{
    return mode == QLatin1String("game") ? KnowerScoring::inGame() : KnowerScoring::onPaper();
}

} // namespace

class tst_KnowerProgress : public QObject
{
    Q_OBJECT

private slots:
    void level_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("played");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("levelText");
        QTest::newRow("nothing played") << "paper" << "" << 0 << "0";
        QTest::newRow("one right") << "paper" << "1>1" << 1 << "1";
        QTest::newRow("1 not known: 0-knower") << "paper" << "1>1 1>2 1>2 2>2" << 0 << "0";
        QTest::newRow("exactly 2/3 of requests") << "paper" << "1>1 1>1 1>3" << 1 << "1";
        QTest::newRow("3/5 of requests") << "paper" << "1>1 1>1 1>1 1>2 1>3" << 0 << "0";
        QTest::newRow("given by mistake once in 3") << "paper" << "1>1 2>2 2>2 3>2" << 2 << "2";
        QTest::newRow("given by mistake twice in 4") << "paper" << "1>1 2>2 2>2 3>2 4>2" << 1 << "1";
        QTest::newRow("the same answer for all") << "paper" << "1>3 2>3 3>3 3>3" << 0 << "0";
        QTest::newRow("a gap of unasked numbers") << "paper" << "1>1 2>2 4>4" << 4 << "4";
        QTest::newRow("unasked numbers do not extend") << "paper" << "1>1 2>2" << 2 << "2";
        QTest::newRow("1 never asked") << "paper" << "2>2 3>3" << 3 << "3";
        QTest::newRow("a known number above an unknown one") << "paper" << "1>1 2>3 4>4" << 1 << "1";
        QTest::newRow("5 is not CP") << "paper" << "1>1 2>2 3>3 4>4 5>5 6>7" << 5 << "5";
        QTest::newRow("CP at 6") << "paper" << "1>1 2>2 3>3 4>4 5>5 6>6" << 6 << "CP";
        QTest::newRow("CP across a gap") << "paper" << "1>1 2>2 3>3 4>4 5>5 8>8" << 8 << "CP";
        QTest::newRow("retries are not requests") << "paper" << "1>1 1>1 1>2 1>3+ 1>4+" << 1 << "1";
        QTest::newRow("retries do not give") << "paper" << "1>1 1>1 2>1+ 2>1+ 2>2" << 2 << "2";
        QTest::newRow("in the game, 2 requests are too few") << "game" << "1>1 1>1" << 0 << "0";
        QTest::newRow("in the game, 3 requests are enough") << "game" << "1>1 1>1 1>1" << 1 << "1";
        QTest::newRow("too few requests do not break the chain")
            << "game" << "1>1 1>1 1>1 2>3 3>3 3>3 3>3" << 3 << "3";
        // The last six hold four right; the last five only three, the last seven four.
        QTest::newRow("the recent six, in the game") << "game" << "1>2 1>2 1>2 1>2 1>1 1>1 1>2 1>1 1>2 1>1" << 1 << "1";
        QTest::newRow("every request, on paper") << "paper" << "1>2 1>2 1>2 1>2 1>1 1>1 1>2 1>1 1>2 1>1" << 0 << "0";
        // The two 1s given for 2 have left 2's recent six, and no longer count against 1.
        QTest::newRow("old mistakes leave the window whole")
            << "game" << "2>1 2>1 2>2 2>2 2>2 2>2 2>2 2>2 1>1 1>1 1>1" << 2 << "2";
        QTest::newRow("old mistakes count on paper")
            << "paper" << "2>1 2>1 2>2 2>2 2>2 2>2 2>2 2>2 1>1 1>1 1>1" << 0 << "0";
    }

    void level()
    {
        QFETCH(QString, mode);
        QFETCH(QString, played);
        QFETCH(int, level);
        QFETCH(QString, levelText);
        const KnowerProgress progress(trials(played), scoring(mode));
        QCOMPARE(progress.level(), level);
        QCOMPARE(progress.levelText(), levelText);
        QCOMPARE(progress.isCardinalPrincipleKnower(), levelText == QLatin1String("CP"));
    }

    void number_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("played");
        QTest::addColumn<int>("number");
        QTest::addColumn<NumberStatus>("status");
        QTest::addColumn<int>("timesAsked");
        QTest::addColumn<int>("rightFirstTries");
        QTest::addColumn<int>("commonestWrongAnswer"); // -1: none
        QTest::newRow("never asked") << "game" << "1>1" << 2 << NumberStatus::NotEnoughPlay << 0 << 0 << -1;
        QTest::newRow("known") << "paper" << "3>3 3>3 3>5" << 3 << NumberStatus::Known << 3 << 2 << 5;
        QTest::newRow("learning") << "paper" << "3>3 3>4 3>4" << 3 << NumberStatus::Learning << 3 << 1 << 4;
        QTest::newRow("not yet") << "paper" << "3>4 3>5 3>4" << 3 << NumberStatus::NotYet << 3 << 0 << 4;
        QTest::newRow("always right, given too often") << "paper" << "3>3 4>3 5>3" << 3 << NumberStatus::Learning << 1
                                                       << 1 << -1;
        QTest::newRow("too few in the game") << "game" << "5>5 5>5" << 5 << NumberStatus::NotEnoughPlay << 2 << 2 << -1;
        QTest::newRow("tie: the later") << "paper" << "3>4 3>5" << 3 << NumberStatus::NotYet << 2 << 0 << 5;
        QTest::newRow("tie: the later, again") << "paper" << "3>4 3>5 3>5 3>4" << 3 << NumberStatus::NotYet << 4 << 0 << 4;
        QTest::newRow("most often beats later") << "paper" << "3>5 3>5 3>4" << 3 << NumberStatus::NotYet << 3 << 0 << 5;
        QTest::newRow("an overload") << "paper" << "4>11 4>11 4>4" << 4 << NumberStatus::Learning << 3 << 1 << 11;
        // Counted over every first try, though the status looks at the recent six.
        QTest::newRow("all first tries counted") << "game" << "6>1 6>1 6>6 6>6 6>6 6>6 6>6 6>6 6>2+"
                                                 << 6 << NumberStatus::Known << 8 << 6 << 1;
    }

    void number()
    {
        QFETCH(QString, mode);
        QFETCH(QString, played);
        QFETCH(int, number);
        QFETCH(NumberStatus, status);
        QFETCH(int, timesAsked);
        QFETCH(int, rightFirstTries);
        QFETCH(int, commonestWrongAnswer);
        const NumberProgress progress = KnowerProgress(trials(played), scoring(mode)).number(number);
        QCOMPARE(progress.number, number);
        QCOMPARE(progress.status, status);
        QCOMPARE(progress.timesAsked, timesAsked);
        QCOMPARE(progress.rightFirstTries, rightFirstTries);
        QCOMPARE(progress.commonestWrongAnswer.value_or(-1), commonestWrongAnswer);
        QCOMPARE(progress.accuracy(), timesAsked == 0 ? 0.0 : double(rightFirstTries) / timesAsked);
    }

    void whatToPractise_data()
    {
        QTest::addColumn<QString>("played");
        QTest::addColumn<QList<int>>("known");
        QTest::addColumn<int>("lowestNotKnown"); // 0: none
        QTest::newRow("nothing played") << "" << QList<int>{} << 1;
        QTest::newRow("a gap") << "1>1 2>2 5>5" << QList<int>{1, 2, 5} << 3;
        QTest::newRow("1 not asked") << "2>2" << QList<int>{2} << 1;
        QTest::newRow("10 missing") << "1>1 2>2 3>3 4>4 5>5 6>6 7>7 8>8 9>9" << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}
                                    << 10;
        QTest::newRow("all known") << "1>1 2>2 3>3 4>4 5>5 6>6 7>7 8>8 9>9 10>10"
                                   << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << 0;
    }

    void whatToPractise()
    {
        QFETCH(QString, played);
        QFETCH(QList<int>, known);
        QFETCH(int, lowestNotKnown);
        const KnowerProgress progress(trials(played), KnowerScoring::onPaper());
        const std::set<int> knownNumbers = progress.knownNumbers();
        QCOMPARE(QList<int>(knownNumbers.begin(), knownNumbers.end()), known);
        QCOMPARE(progress.lowestNumberNotKnown().value_or(0), lowestNotKnown);
    }

    // Small numbers and larger ones apart, with their edges at 4 and 5.
    void ranges()
    {
        const KnowerProgress progress(trials("1>1 2>3 4>4 4>2 5>5 5>6 10>10 11>11"), KnowerScoring::onPaper());
        const RangeProgress small = progress.range(KnowerProgress::SmallNumbers);
        const RangeProgress larger = progress.range(KnowerProgress::LargerNumbers);
        QCOMPARE(std::tie(small.timesAsked, small.rightFirstTries, small.numbersKnown), std::tuple(4, 2, 1));
        QCOMPARE(std::tie(larger.timesAsked, larger.rightFirstTries, larger.numbersKnown), std::tuple(3, 2, 1));
        QCOMPARE(small.accuracy(), 0.5);
    }
};

QTEST_APPLESS_MAIN(tst_KnowerProgress)
#include "tst_knowerprogress.moc"
