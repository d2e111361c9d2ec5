#pragma once

#include "history/historytypes.h"
#include "parents/barchart.h"
#include "progress/knowerprogress.h"

#include <QCoreApplication>
#include <QDate>
#include <QImage>

#include <vector>

// Everything a parent's page and the printed report show of one child,
// as the history gave it.
struct ChildReport
{
    Q_DECLARE_TR_FUNCTIONS(ChildReport)

public:
    // The picture is drawn from its finest variant, for print.
    static constexpr int PictureScale = 5;

    History::Player player;
    QImage picture;
    std::vector<History::FirstTry> firstTries; // in the order played
    std::vector<History::GameSummary> lastGames; // newest first
    std::vector<History::DayCount> days;         // oldest first
    std::vector<History::WeekAccuracy> weeks;    // oldest first

    KnowerProgress progress() const;
    std::vector<NumberProgress> numbers() const;

    // Every week and every day up to `today`, none left out: one without
    // play has no bar.
    QList<BarChart::Bar> weekBars(QDate today) const;
    QList<BarChart::Bar> dayBars(QDate today) const;

    static QString weekChartTitle();
    static QString dayChartTitle();
};
