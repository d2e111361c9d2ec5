#pragma once

#include "parents/childreport.h"

#include <QWidget>

class BarChartView;
class NumberGrid;
class QLabel;
class QPushButton;
class QTableWidget;

// One child's page: where they stand, what to practise and how it has
// gone lately.
class PlayerPage : public QWidget
{
    Q_OBJECT

public:
    explicit PlayerPage(QWidget *parent = nullptr);

    void show(const ChildReport &report, QDate today);
    const ChildReport &report() const { return m_report; }

protected:
    // The larger labels follow the page's font as it is scaled; the texts its language.
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void showGames();
    void scaleLabels();
    // Asks where, then writes the one-page report there.
    void exportReport();

    ChildReport m_report;
    QLabel *m_picture = nullptr;
    QLabel *m_name = nullptr;
    QLabel *m_summary = nullptr;
    QLabel *m_meaning = nullptr;
    QLabel *m_practice = nullptr;
    NumberGrid *m_grid = nullptr;
    QLabel *m_numberDetail = nullptr;
    BarChartView *m_weekChart = nullptr;
    BarChartView *m_dayChart = nullptr;
    QTableWidget *m_games = nullptr;
    QPushButton *m_exportButton = nullptr;
    QLabel *m_exportMessage = nullptr;
    QLabel *m_gamesHeading = nullptr;
    QDate m_today;
};
