#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include <optional>

class QPainter;

// A bar chart drawn as vectors, so that it is sharp at any size: in the
// window, in full screen and in the printed report.
class BarChart
{
public:
    struct Bar
    {
        QString label;               // empty: the bar goes unlabelled
        std::optional<double> value; // empty: nothing to show, unlike 0
    };

    enum class Scale {
        Fraction, // 0 to 1, marked in per cent
        Count,    // 0 to a round number above the largest
    };

    BarChart(QString title, Scale scale, QList<Bar> bars = {});

    const QString &title() const { return m_title; }
    void setTitle(QString title) { m_title = std::move(title); }
    void setBars(QList<Bar> bars) { m_bars = std::move(bars); }
    const QList<Bar> &bars() const { return m_bars; }

    void paint(QPainter &painter, const QRectF &area) const;
    // Where the plot lies in `area`, and a bar in it (its top is the value).
    QRectF plotRect(const QRectF &area) const;
    QRectF barRect(int index, const QRectF &area) const;
    double top() const;

private:
    QString valueText(double value) const;

    QString m_title;
    Scale m_scale;
    QList<Bar> m_bars;
};

// A chart on a page of the corner.
class BarChartView : public QWidget
{
    Q_OBJECT

public:
    BarChartView(BarChart chart, QWidget *parent = nullptr);

    void setBars(QList<BarChart::Bar> bars);
    // Also the chart's accessible name.
    void setTitle(const QString &title);
    const BarChart &chart() const { return m_chart; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    BarChart m_chart;
};
