#include "parents/childreport.h"

#include "history/historystore.h"

#include <QLocale>

namespace {

// Every so many bars carry their date; more would run into each other.
constexpr int WeekLabelEvery = 2;
constexpr int DayLabelEvery = 5;

QString shortDate(QDate day)
{
    return QLocale().toString(day, QStringLiteral("M/d"));
}

} // namespace

KnowerProgress ChildReport::progress() const
{
    return History::inGameProgress(firstTries);
}

std::vector<NumberProgress> ChildReport::numbers() const
{
    const KnowerProgress known = progress();
    std::vector<NumberProgress> all;
    for (int n = 1; n <= KnowerProgress::LargestNumber; ++n)
        all.push_back(known.number(n));
    return all;
}

QList<BarChart::Bar> ChildReport::weekBars(QDate today) const
{
    const QDate thisMonday = today.addDays(1 - today.dayOfWeek());
    QList<BarChart::Bar> bars;
    for (int i = HistoryStore::Weeks - 1; i >= 0; --i) {
        const QDate monday = thisMonday.addDays(-7 * i);
        BarChart::Bar bar;
        if (i % WeekLabelEvery == 0)
            bar.label = shortDate(monday);
        for (const History::WeekAccuracy &week : weeks) {
            if (week.monday == monday && week.questions > 0)
                bar.value = double(week.rightFirstTime) / week.questions;
        }
        bars.append(bar);
    }
    return bars;
}

QList<BarChart::Bar> ChildReport::dayBars(QDate today) const
{
    QList<BarChart::Bar> bars;
    for (int i = HistoryStore::Days - 1; i >= 0; --i) {
        const QDate day = today.addDays(-i);
        BarChart::Bar bar;
        if (i % DayLabelEvery == 0)
            bar.label = shortDate(day);
        bar.value = 0;
        for (const History::DayCount &count : days) {
            if (count.day == day)
                bar.value = count.questions;
        }
        bars.append(bar);
    }
    return bars;
}

QString ChildReport::weekChartTitle()
{
    return tr("每周第一次就答对的比例（最近 12 周）");
}

QString ChildReport::dayChartTitle()
{
    return tr("每天答的题数（最近 30 天）");
}
