#include "parents/playerpicker.h"

#include "players/playerpicture.h"
#include "widgets/designscale.h"
#include "widgets/keyboardkeeper.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Of the font's height.
constexpr int PictureScale = 5;
constexpr int Columns = 4;

} // namespace

PlayerPicker::PlayerPicker(const std::vector<History::Player> &players, std::int64_t lastPlayer, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("playerPicker"));
    setWindowModality(Qt::WindowModal);
    keepKeyboardOverGame(*this);
    m_question = new QLabel(this);
    QFont large = scaledFont(m_question->font(), 2);
    large.setBold(true);
    m_question->setFont(large);
    m_question->setAlignment(Qt::AlignCenter);
    auto *const grid = new QGridLayout;
    const int side = fontMetrics().height() * PictureScale;
    for (std::size_t i = 0; i < players.size(); ++i) {
        const History::Player &player = players[i];
        auto *const button = new QToolButton(this);
        button->setObjectName(QStringLiteral("player%1").arg(i));
        button->setText(player.name);
        button->setAccessibleName(player.name);
        button->setIcon(PlayerPictures::pixmap(PlayerPicture(player.picture),
                                               devicePixelRatioF() * side / PlayerPictures::Size));
        button->setIconSize(QSize(side, side));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setFont(large);
        button->setAutoRaise(true);
        connect(button, &QToolButton::clicked, this, [this, player] {
            m_chosen = player;
            accept();
        });
        grid->addWidget(button, int(i) / Columns, int(i) % Columns);
        if (player.id == lastPlayer || i == 0)
            button->setFocus();
    }
    auto *const layout = new QVBoxLayout(this);
    layout->addWidget(m_question);
    layout->addLayout(grid);
    retranslate();
}

void PlayerPicker::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void PlayerPicker::retranslate()
{
    setWindowTitle(tr("谁在玩？"));
    m_question->setText(tr("谁在玩？"));
}

void PlayerPicker::keyPressEvent(QKeyEvent *event)
{
    auto *const focused = qobject_cast<QToolButton *>(focusWidget());
    if (focused && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter))
        focused->click();
    else
        QDialog::keyPressEvent(event);
}
