#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QString>

struct ChildReport;
class QPainter;

// A child's counting on one page for a teacher: picture and name, the
// knower level in words, the grid of 1 to 10, both charts and the date.
class ReportPdf
{
    Q_DECLARE_TR_FUNCTIONS(ReportPdf)

public:
    // Chinese is drawn with a CJK face that the PDF embeds.
    static bool write(const ChildReport &report, QDate today, const QString &fileName);

private:
    static void paint(QPainter &painter, const QRectF &page, const ChildReport &report, QDate today);
};
