#include "parents/parentscorner.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

ParentsCorner::ParentsCorner(QWidget *gameWindow)
    : QDialog(gameWindow)
{
    setObjectName(QStringLiteral("parentsCorner"));
    setWindowTitle(tr("家长园地"));
    setWindowModality(Qt::WindowModal);
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("pages"));
    auto *const buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("关闭"));
    connect(buttons, &QDialogButtonBox::rejected, this, &ParentsCorner::reject);
    auto *const layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(buttons);
}
