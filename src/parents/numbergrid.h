#pragma once

#include "progress/knowerprogress.h"

#include <QColor>
#include <QWidget>

#include <vector>

class QPainter;

// The numbers 1 to 10, each coloured by how well the child knows it.
// The four colours differ in lightness as well as hue, and each cell
// carries a symbol, so the grid reads without telling colours apart.
class NumberGrid : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Numbers = KnowerProgress::LargestNumber;

    explicit NumberGrid(QWidget *parent = nullptr);

    // One entry a number, 1 first.
    void setNumbers(std::vector<NumberProgress> numbers);
    // 0 when none is.
    int selectedNumber() const { return m_selected; }
    void selectNumber(int number);
    const NumberProgress &numberProgress(int number) const { return m_numbers.at(number - 1); }

    // Also drawn into the printed report; the legend fills the bottom of `area`.
    static void paint(QPainter &painter, const QRectF &area, const std::vector<NumberProgress> &numbers,
                      int selected = 0);
    static QRectF cellRect(int number, const QRectF &area);
    static QColor cellColour(NumberStatus status);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void selected(int number);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    int numberAt(QPointF position) const;
    void showDetail(QPointF position);

    std::vector<NumberProgress> m_numbers;
    int m_selected = 0;
};
