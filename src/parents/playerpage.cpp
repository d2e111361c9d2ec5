#include "parents/playerpage.h"

#include "parents/knowerwording.h"
#include "parents/numbergrid.h"
#include "parents/reportpdf.h"
#include "widgets/designscale.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QPushButton>
#include <QStandardPaths>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// Of the page's font.
constexpr qreal NameFontScale = 1.6;
constexpr qreal SummaryFontScale = 1.25;

QLabel *makeLabel(QWidget *parent, const QString &name)
{
    auto *const label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

void setRelativeFont(QLabel *label, const QFont &pageFont, qreal scale, bool bold)
{
    QFont font = scaledFont(pageFont, scale);
    font.setBold(bold);
    label->setFont(font);
}

} // namespace

PlayerPage::PlayerPage(QWidget *parent)
    : QWidget(parent)
{
    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("picture"));
    m_name = makeLabel(this, QStringLiteral("name"));
    m_summary = makeLabel(this, QStringLiteral("summary"));
    m_meaning = makeLabel(this, QStringLiteral("meaning"));
    m_practice = makeLabel(this, QStringLiteral("practice"));
    m_grid = new NumberGrid(this);
    m_numberDetail = makeLabel(this, QStringLiteral("numberDetail"));
    m_weekChart = new BarChartView(BarChart({}, BarChart::Scale::Fraction), this);
    m_weekChart->setObjectName(QStringLiteral("weekChart"));
    m_dayChart = new BarChartView(BarChart({}, BarChart::Scale::Count), this);
    m_dayChart->setObjectName(QStringLiteral("dayChart"));
    m_games = new QTableWidget(0, 4, this);
    m_games->setObjectName(QStringLiteral("lastGames"));
    m_games->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_games->verticalHeader()->hide();
    m_games->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    connect(m_grid, &NumberGrid::selected, this, [this](int number) {
        m_numberDetail->setText(KnowerWording::numberDetail(m_grid->numberProgress(number)));
    });

    auto *const header = new QGridLayout;
    header->addWidget(m_picture, 0, 0, 3, 1, Qt::AlignTop);
    header->addWidget(m_name, 0, 1);
    header->addWidget(m_summary, 1, 1);
    header->addWidget(m_meaning, 2, 1);
    header->setColumnStretch(1, 1);
    auto *const charts = new QHBoxLayout;
    charts->addWidget(m_weekChart);
    charts->addWidget(m_dayChart);
    auto *const layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(m_practice);
    layout->addWidget(m_grid);
    layout->addWidget(m_numberDetail);
    layout->addLayout(charts);
    m_gamesHeading = makeLabel(this, QStringLiteral("lastGamesHeading"));
    layout->addWidget(m_gamesHeading);
    layout->addWidget(m_games);
    m_exportButton = new QPushButton(this);
    m_exportButton->setObjectName(QStringLiteral("reportButton"));
    connect(m_exportButton, &QPushButton::clicked, this, &PlayerPage::exportReport);
    m_exportMessage = makeLabel(this, QStringLiteral("exportMessage"));
    auto *const exportRow = new QHBoxLayout;
    exportRow->addWidget(m_exportButton);
    exportRow->addWidget(m_exportMessage, 1);
    layout->addLayout(exportRow);
    scaleLabels();
    retranslate();
}

void PlayerPage::show(const ChildReport &report, QDate today)
{
    m_report = report;
    m_today = today;
    const KnowerProgress progress = report.progress();
    const KnowerWording words(progress);
    const int pictureSide = fontMetrics().height() * 5;
    m_picture->setPixmap(QPixmap::fromImage(report.picture.scaled(QSize(pictureSide, pictureSide) * devicePixelRatioF(),
                                                                  Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    m_name->setText(report.player.name);
    m_summary->setText(words.summary());
    m_meaning->setText(words.meaning());
    m_practice->setText(tr("在家可以练：%1").arg(words.practice()));
    m_grid->setNumbers(report.numbers());
    m_weekChart->setBars(report.weekBars(today));
    m_dayChart->setBars(report.dayBars(today));
    showGames();
}

void PlayerPage::showGames()
{
    m_games->setRowCount(int(m_report.lastGames.size()));
    for (int row = 0; row < int(m_report.lastGames.size()); ++row) {
        const History::GameSummary &game = m_report.lastGames[row];
        const QStringList cells{game.started.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                                QString::number(game.settings.grade),
                                game.score ? QString::number(*game.score) : tr("没打完"),
                                QString::number(game.questions)};
        for (int column = 0; column < cells.size(); ++column)
            m_games->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
}

void PlayerPage::exportReport()
{
    const QString suggested = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QLatin1Char('/')
        + tr("%1 的数数报告").arg(m_report.player.name) + QStringLiteral(".pdf");
    const QString file = QFileDialog::getSaveFileName(this, tr("导出 PDF 报告"), suggested, tr("PDF 文件 (*.pdf)"));
    if (file.isEmpty())
        return;
    m_exportMessage->setText(ReportPdf::write(m_report, m_today, file) ? tr("已保存：%1").arg(file)
                                                                       : tr("没能保存 %1。").arg(file));
}

void PlayerPage::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        scaleLabels();
    else if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void PlayerPage::retranslate()
{
    m_numberDetail->setText(tr("把鼠标移到一个数上，或者点一下，就能看到详情。"));
    m_weekChart->setTitle(ChildReport::weekChartTitle());
    m_dayChart->setTitle(ChildReport::dayChartTitle());
    m_games->setAccessibleName(tr("最近 10 局"));
    m_games->setHorizontalHeaderLabels({tr("时间"), tr("年级"), tr("得分"), tr("题数")});
    m_gamesHeading->setText(tr("最近 10 局"));
    m_exportButton->setText(tr("导出 PDF 报告…"));
    // The child's words are said again in the new language.
    if (m_today.isValid())
        show(m_report, m_today);
}

void PlayerPage::scaleLabels()
{
    setRelativeFont(m_name, font(), NameFontScale, true);
    setRelativeFont(m_summary, font(), SummaryFontScale, true);
    setRelativeFont(m_gamesHeading, font(), 1, true);
}
