#include "parents/barchart.h"
#include "parents/childreport.h"
#include "parents/knowerwording.h"
#include "parents/numbergrid.h"

#include <QTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

namespace {

// First tries in play order: each number asked `times` times, answered with `given`.
struct Asked { int asked, given, times; };

ChildReport played(const QList<Asked> &plays)
{
    ChildReport report;
    for (const Asked &play : plays)
        report.firstTries.insert(report.firstTries.end(), play.times, {play.asked, play.given});
    return report;
}

// `paint` drawn over white at `size`.
QImage painted(QSize size, const std::function<void(QPainter &, const QRectF &)> &paint)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, QRectF(image.rect()));
    painter.end();
    return image;
}

} // namespace

Q_DECLARE_METATYPE(QList<Asked>)
// Bars on a scale whose top is `top`.
struct Chart { BarChart::Scale scale; QList<std::optional<double>> values; double top; };
Q_DECLARE_METATYPE(Chart)

class tst_ParentsViews : public QObject
{
    Q_OBJECT

private slots:
    void wording_data()
    {
        QTest::addColumn<QList<Asked>>("plays");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("practice");
        const auto setTable = [](int n) { return u"摆碗筷时请孩子拿 %1 个给你，一起边点边数，最后说：“一共 %1 个！”"_s.arg(n); };
        QTest::newRow("nothing played") << QList<Asked>{} << u"还要再玩几局，才看得出来。"_s << u"陪孩子一起玩几局，看看哪些数已经会了。"_s;
        QTest::newRow("a handful for one") << QList<Asked>{{1, 4, 3}} << u"正在学“一”是多少。"_s << u"在家请孩子只给你一样东西：一个勺子、一只袜子；给对了就夸夸他。"_s;
        QTest::newRow("one, learning two") << QList<Asked>{{1, 1, 3}, {2, 2, 1}, {2, 3, 2}} << u"确实认识 1，正在学 2。"_s << setTable(2);
        QTest::newRow("one to two, learning five") << QList<Asked>{{1, 1, 3}, {2, 2, 3}, {5, 5, 1}, {5, 6, 2}}
                                                   << u"确实认识 1 到 2，正在学 5。"_s << setTable(5);
        QTest::newRow("one to three, nothing more asked") << QList<Asked>{{1, 1, 3}, {2, 2, 3}, {3, 3, 3}}
                                                          << u"确实认识 1 到 3。"_s << setTable(4);
        QTest::newRow("counts") << QList<Asked>{{1, 1, 3}, {2, 2, 3}, {4, 4, 3}, {6, 6, 3}, {9, 9, 3}}
                                << u"10 以内的数都会数了。"_s << u"一起数更多的东西，数到 20；也可以玩“再多一个是几个？”"_s;
    }

    void wording()
    {
        QFETCH(QList<Asked>, plays);
        const KnowerWording words(played(plays).progress());
        QTEST(words.summary(), "summary");
        QTEST(words.practice(), "practice");
        QVERIFY(!words.meaning().isEmpty());
    }

    void numberDetail_data()
    {
        QTest::addColumn<QList<Asked>>("plays");
        QTest::addColumn<QString>("detail");
        QTest::newRow("never asked") << QList<Asked>{} << u"7：还没问过。"_s;
        QTest::newRow("not yet") << QList<Asked>{{7, 5, 4}} << u"7：还没学会。问过 4 次，第一次就对了 0 次（0%）。问 7，常常给 5：少 2 个。"_s;
        QTest::newRow("not enough play") << QList<Asked>{{7, 7, 2}} << u"7：玩得还不够。问过 2 次，第一次就对了 2 次（100%）。"_s;
        QTest::newRow("one short") << QList<Asked>{{7, 7, 1}, {7, 6, 2}}
                                   << u"7：在学。问过 3 次，第一次就对了 1 次（33%）。问 7，常常给 6：少一个。"_s;
        QTest::newRow("an eleventh monkey") << QList<Asked>{{7, 11, 1}, {7, 7, 2}}
                                            << u"7：会了。问过 3 次，第一次就对了 2 次（67%）。问 7，常常给 11：多 4 个。"_s;
        QTest::newRow("one too many") << QList<Asked>{{7, 7, 5}, {7, 8, 1}}
                                      << u"7：会了。问过 6 次，第一次就对了 5 次（83%）。问 7，常常给 8：多一个。"_s;
    }

    // Accuracy, how often asked and the commonest wrong answer, as the parent reads them.
    void numberDetail()
    {
        QFETCH(QList<Asked>, plays);
        QTEST(KnowerWording::numberDetail(played(plays).progress().number(7)), "detail");
    }

    // Each cell is painted in its status's colour (known, learning, not yet and not enough play are all here),
    // and the colours differ in lightness too.
    void grid()
    {
        const std::vector<NumberProgress> all = played({{1, 1, 3}, {2, 2, 1}, {2, 3, 2}, {3, 4, 3}}).numbers();
        for (const QSize size : {QSize(600, 100), QSize(3600, 500)}) {
            const QImage image = painted(size, [&all](QPainter &painter, const QRectF &area) { NumberGrid::paint(painter, area, all); });
            for (int n = 1; n <= 10; ++n) {
                const QRectF cell = NumberGrid::cellRect(n, QRectF(image.rect()));
                // Near the top-left corner, clear of the number, the symbol and the rounded edge.
                const QPoint sample = (cell.topLeft() + QPointF(cell.width() * 0.15, cell.height() * 0.15)).toPoint();
                QCOMPARE(QColor(image.pixel(sample)), NumberGrid::cellColour(all[n - 1].status));
            }
        }
        // Luma, as a grey print or a colour-blind eye sees it, a clear step apart from status to status.
        double darker = -20;
        for (NumberStatus status : {NumberStatus::Known, NumberStatus::Learning, NumberStatus::NotYet,
                                    NumberStatus::NotEnoughPlay}) {
            const QColor colour = NumberGrid::cellColour(status);
            const double luma = 0.2126 * colour.red() + 0.7152 * colour.green() + 0.0722 * colour.blue();
            QVERIFY2(luma - darker >= 20, qPrintable(KnowerWording::statusName(status)));
            darker = luma;
        }
    }

    // Hovering or tapping a number says what its cell stands for.
    void gridDetail()
    {
        const ChildReport report = played({{7, 7, 1}, {7, 6, 2}});
        NumberGrid grid;
        grid.resize(500, 90);
        grid.setNumbers(report.numbers());
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QTest::mouseMove(&grid, NumberGrid::cellRect(7, QRectF(grid.rect())).center().toPoint());
        QCOMPARE(grid.selectedNumber(), 7);
        QCOMPARE(grid.accessibleDescription(), KnowerWording::numberDetail(report.numbers()[6]));
        QTest::keyClick(&grid, Qt::Key_Left);
        QCOMPARE(grid.selectedNumber(), 6);
        QTest::mouseClick(&grid, Qt::LeftButton, {}, NumberGrid::cellRect(2, QRectF(grid.rect())).center().toPoint());
        QCOMPARE(grid.selectedNumber(), 2);
    }

    void chart_data()
    {
        QTest::addColumn<Chart>("c");
        QTest::newRow("accuracy") << Chart{BarChart::Scale::Fraction, {0.25, std::nullopt, 1.0, 0.0, 0.6}, 1.0};
        QTest::newRow("questions") << Chart{BarChart::Scale::Count, {3, 0, 17, 9}, 20.0};
        QTest::newRow("few questions") << Chart{BarChart::Scale::Count, {1, 2}, 4.0};
    }

    // Painted at the window's size and at 4K, each bar is as high as its value says.
    void chart()
    {
        QFETCH(Chart, c);
        const auto &[scale, values, top] = c;
        QList<BarChart::Bar> bars;
        for (const std::optional<double> &value : values)
            bars.append({QString(), value});
        const BarChart chart(u"图"_s, scale, bars);
        for (const QSize size : {QSize(400, 200), QSize(3840, 2160)}) {
            const QImage image = painted(size, [&chart](QPainter &painter, const QRectF &area) { chart.paint(painter, area); });
            const QRectF plot = chart.plotRect(QRectF(image.rect()));
            for (int i = 0; i < values.size(); ++i) {
                const int x = int(chart.barRect(i, QRectF(image.rect())).center().x());
                int y = int(plot.bottom()) - 1;
                while (y > plot.top() && QColor(image.pixel(x, y)) == QColor(49, 110, 190))
                    --y;
                const double height = (plot.bottom() - 1 - y) / plot.height();
                QVERIFY2(std::abs(height - values[i].value_or(0) / top) < 3 / plot.height() + 0.01,
                         qPrintable(u"bar %1 at %2: %3"_s.arg(i).arg(size.width()).arg(height)));
            }
        }
    }
};

QTEST_MAIN(tst_ParentsViews)
#include "tst_parentsviews.moc"
