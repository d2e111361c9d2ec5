#include "parents/reportpdf.h"

#include "parents/childreport.h"
#include "parents/knowerwording.h"
#include "parents/numbergrid.h"

#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr int DotsPerInch = 300;
constexpr qreal MarginMillimetres = 15;
// In shares of the page's width.
constexpr qreal TitleSize = 0.032;
constexpr qreal NameSize = 0.045;
constexpr qreal TextSize = 0.02;
constexpr qreal PictureSide = 0.16;
constexpr qreal Gap = 0.025;
// Of the page's height.
constexpr qreal GridHeight = 0.1;
constexpr qreal ChartHeight = 0.2;

const QStringList CjkFaces{QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("Noto Sans CJK SC"),
                           QStringLiteral("AR PL UMing CN")};

QFont reportFont(qreal pixelSize, bool bold = false)
{
    QFont font;
    font.setFamilies(CjkFaces);
    font.setPixelSize(std::max(1, int(pixelSize)));
    font.setBold(bold);
    return font;
}

// Draws wrapped text from the top of `area` and returns where it ends.
qreal drawParagraph(QPainter &painter, const QRectF &area, const QString &text, const QFont &font)
{
    painter.setFont(font);
    const QRectF used = painter.boundingRect(area, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    painter.drawText(area, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    return used.bottom();
}

} // namespace

bool ReportPdf::write(const ChildReport &report, QDate today, const QString &fileName)
{
    QPdfWriter writer(fileName);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(DotsPerInch);
    writer.setPageMargins(QMarginsF(MarginMillimetres, MarginMillimetres, MarginMillimetres, MarginMillimetres),
                          QPageLayout::Millimeter);
    writer.setTitle(tr("%1 的数数报告").arg(report.player.name));
    writer.setCreator(QCoreApplication::applicationName());
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    paint(painter, QRectF(QPointF(), QSizeF(writer.width(), writer.height())), report, today);
    return painter.end();
}

void ReportPdf::paint(QPainter &painter, const QRectF &page, const ChildReport &report, QDate today)
{
    const qreal width = page.width();
    const KnowerProgress progress = report.progress();
    const KnowerWording words(progress);
    painter.setPen(Qt::black);

    painter.setFont(reportFont(width * TitleSize, true));
    const QRectF titleRow(page.left(), page.top(), width, width * TitleSize * 1.6);
    painter.drawText(titleRow, Qt::AlignLeft | Qt::AlignVCenter, tr("咕噜号 · 数数报告"));
    painter.setFont(reportFont(width * TextSize));
    painter.drawText(titleRow, Qt::AlignRight | Qt::AlignVCenter, QLocale().toString(today, QLocale::LongFormat));
    qreal y = titleRow.bottom() + width * Gap;

    const qreal side = width * PictureSide;
    if (!report.picture.isNull())
        painter.drawImage(QRectF(page.left(), y, side, side), report.picture);
    const QRectF beside(page.left() + side + width * Gap, y, width - side - width * Gap, page.height());
    qreal textY = drawParagraph(painter, beside, report.player.name, reportFont(width * NameSize, true));
    textY = drawParagraph(painter, beside.adjusted(0, textY - y + width * Gap / 2, 0, 0), words.summary(),
                          reportFont(width * TextSize * 1.3, true));
    textY = drawParagraph(painter, beside.adjusted(0, textY - y + width * Gap / 2, 0, 0), words.meaning(),
                          reportFont(width * TextSize));
    y = std::max(y + side, textY) + width * Gap;
    y = drawParagraph(painter, QRectF(page.left(), y, width, page.height()),
                      tr("在家可以练：%1").arg(words.practice()), reportFont(width * TextSize)) + width * Gap;

    painter.setFont(reportFont(width * TextSize));
    const QRectF gridArea(page.left(), y, width, page.height() * GridHeight);
    NumberGrid::paint(painter, gridArea, report.numbers());
    y = gridArea.bottom() + width * Gap;

    for (const auto &[title, scale, bars] :
         {std::tuple(ChildReport::weekChartTitle(), BarChart::Scale::Fraction, report.weekBars(today)),
          std::tuple(ChildReport::dayChartTitle(), BarChart::Scale::Count, report.dayBars(today))}) {
        const BarChart chart(title, scale, bars);
        painter.setFont(reportFont(width * TextSize));
        const QRectF chartArea(page.left(), y, width, page.height() * ChartHeight);
        chart.paint(painter, chartArea);
        y = chartArea.bottom() + width * Gap;
    }
}
