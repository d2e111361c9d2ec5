#include "help/helpwindow.h"

#include <QEvent>
#include <QLabel>

namespace {

const QSize ClientSize(331, 239);
const QRect TextRect(16, 16, 297, 201);

// A language whose help takes more room than the design's Chinese is set
// smaller, but never below this many points.
constexpr qreal SmallestPointSize = 6;
constexpr qreal PointSizeStep = 0.5;

} // namespace

HelpWindow::HelpWindow(QWidget &gameWindow)
    : SecondaryWindow(gameWindow, QStringLiteral("helpWindow"), caption(), ClientSize)
{
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("helpText"));
    m_text->setGeometry(TextRect);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
}

QString HelpWindow::caption()
{
    return tr("帮助");
}

void HelpWindow::changeEvent(QEvent *event)
{
    SecondaryWindow::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    setWindowTitle(caption());
    if (isVisible())
        load();
}

// The aim, an empty line, then how to play as one paragraph that the label
// wraps where its width says.
QString HelpWindow::helpText()
{
    const QString crLf = QStringLiteral("\r\n");
    return tr("游戏目的：帮助儿童学习数数。") + crLf + crLf
        + tr("游戏方法：点击三角按钮开始游戏，根"
             "据给出的数字，用鼠标点击小猴上火车，小猴个数够了以后，"
             "点击火车头，咕噜号就会开走了。点击火车车厢可以让小猴都下火车。"
             "也可以敲空格键让小猴上火车，敲回车键让火车开。");
}

void HelpWindow::load()
{
    m_text->setText(helpText());
    fitText();
}

void HelpWindow::fitText()
{
    // From the size the window's scale gave it, so that a full-screen help stays large.
    QFont font = m_text->font();
    while (m_text->heightForWidth(m_text->width()) > m_text->height() && font.pointSizeF() > SmallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - PointSizeStep);
        m_text->setFont(font);
    }
}
