#include "parents/familypage.h"

#include "grades/grade.h"
#include "players/playerpicture.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Of the font's height: pictures big enough to tap.
constexpr int PictureButtonScale = 3;

} // namespace

FamilyPage::FamilyPage(QWidget *parent)
    : QWidget(parent)
{
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("playerList"));
    const int iconSide = fontMetrics().height() * 2;
    m_list->setIconSize(QSize(iconSide, iconSide));
    m_nameBox = new QLineEdit(this);
    m_nameBox->setObjectName(QStringLiteral("nameBox"));
    m_nameBox->setMaxLength(History::MaxNameLength);
    m_addButton = new QPushButton(this);
    m_addButton->setObjectName(QStringLiteral("addButton"));
    m_renameButton = new QPushButton(this);
    m_renameButton->setObjectName(QStringLiteral("renameButton"));
    m_removeButton = new QPushButton(this);
    m_removeButton->setObjectName(QStringLiteral("removeButton"));
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("familyMessage"));
    m_message->setWordWrap(true);

    m_pictures = new QButtonGroup(this);
    auto *const pictureRow = new QHBoxLayout;
    const int pictureSide = fontMetrics().height() * PictureButtonScale;
    for (PlayerPicture picture : PlayerPictures::all) {
        auto *const button = new QToolButton(this);
        button->setObjectName(QStringLiteral("picture-%1").arg(PlayerPictures::code(picture)));
        button->setCheckable(true);
        button->setIcon(PlayerPictures::pixmap(picture, devicePixelRatioF() * pictureSide / PlayerPictures::Size));
        button->setIconSize(QSize(pictureSide, pictureSide));
        m_pictures->addButton(button, int(picture));
        pictureRow->addWidget(button);
    }
    pictureRow->addStretch();

    m_gradeBox = new QComboBox(this);
    m_gradeBox->setObjectName(QStringLiteral("gradeBox"));
    for (int grade = Grade::First; grade <= Grade::Last; ++grade)
        m_gradeBox->addItem(QString(), grade);
    m_gradeLabel = new QLabel(this);
    auto *const gradeRow = new QHBoxLayout;
    gradeRow->addWidget(m_gradeLabel);
    gradeRow->addWidget(m_gradeBox);
    gradeRow->addStretch();

    auto *const nameRow = new QHBoxLayout;
    nameRow->addWidget(m_nameBox, 1);
    nameRow->addWidget(m_addButton);
    nameRow->addWidget(m_renameButton);
    nameRow->addWidget(m_removeButton);
    auto *const layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(nameRow);
    m_pictureLabel = new QLabel(this);
    layout->addWidget(m_pictureLabel);
    layout->addLayout(pictureRow);
    layout->addLayout(gradeRow);
    m_exportButton = new QPushButton(this);
    m_exportButton->setObjectName(QStringLiteral("exportButton"));
    connect(m_exportButton, &QPushButton::clicked, this, &FamilyPage::askWhereToExport);
    auto *const exportRow = new QHBoxLayout;
    exportRow->addWidget(m_exportButton);
    exportRow->addStretch();
    layout->addLayout(exportRow);
    layout->addWidget(m_message);
    retranslate();

    connect(m_list, &QListWidget::currentRowChanged, this, &FamilyPage::showChosen);
    connect(m_addButton, &QPushButton::clicked, this, [this] { emit addWanted(m_nameBox->text()); });
    connect(m_nameBox, &QLineEdit::returnPressed, m_addButton, &QPushButton::click);
    connect(m_renameButton, &QPushButton::clicked, this, [this] {
        if (const History::Player *player = chosen())
            emit renameWanted(player->id, m_nameBox->text());
    });
    connect(m_removeButton, &QPushButton::clicked, this, &FamilyPage::askToRemove);
    connect(m_pictures, &QButtonGroup::idClicked, this, [this](int picture) {
        if (const History::Player *player = chosen())
            emit pictureWanted(player->id, picture);
    });
    // activated, not currentIndexChanged: showing a player's grade is no wish to change it.
    connect(m_gradeBox, &QComboBox::activated, this, [this](int index) {
        if (const History::Player *player = chosen())
            emit gradeWanted(player->id, m_gradeBox->itemData(index).toInt());
    });
    showChosen();
}

void FamilyPage::setPlayers(std::vector<History::Player> players)
{
    const std::int64_t wasChosen = chosenPlayer();
    m_players = std::move(players);
    m_list->clear();
    const qreal iconScale = devicePixelRatioF() * m_list->iconSize().width() / PlayerPictures::Size;
    for (const History::Player &player : m_players) {
        auto *const item = new QListWidgetItem(player.name, m_list);
        item->setIcon(PlayerPictures::pixmap(PlayerPicture(player.picture), iconScale));
        if (player.id == wasChosen)
            m_list->setCurrentItem(item);
    }
    m_message->clear();
    showChosen();
}

std::int64_t FamilyPage::chosenPlayer() const
{
    const History::Player *player = chosen();
    return player ? player->id : 0;
}

const History::Player *FamilyPage::chosen() const
{
    const int row = m_list->currentRow();
    return row >= 0 && row < int(m_players.size()) ? &m_players[row] : nullptr;
}

void FamilyPage::showChosen()
{
    const History::Player *player = chosen();
    m_renameButton->setEnabled(player);
    m_removeButton->setEnabled(player);
    for (QAbstractButton *button : m_pictures->buttons())
        button->setEnabled(player);
    m_gradeBox->setEnabled(player);
    if (!player)
        return;
    m_nameBox->setText(player->name);
    if (QAbstractButton *button = m_pictures->button(player->picture))
        button->setChecked(true);
    m_gradeBox->setCurrentIndex(m_gradeBox->findData(player->grade));
}

void FamilyPage::showResult(History::EditResult result)
{
    switch (result) {
    case History::EditResult::Done:
        m_message->clear();
        return;
    case History::EditResult::InvalidName:
        m_message->setText(tr("名字要有 1 到 %1 个字。").arg(History::MaxNameLength));
        return;
    case History::EditResult::NameTaken:
        m_message->setText(tr("已经有叫这个名字的玩家了。"));
        return;
    case History::EditResult::InvalidValue:
    case History::EditResult::NoSuchPlayer:
        m_message->setText(tr("没能改好，请再试一次。"));
        return;
    case History::EditResult::CannotWrite:
        m_message->setText(tr("记录写不进去，改动没有保存。"));
        return;
    }
}

// Twice, since the child's whole history goes with them.
void FamilyPage::askToRemove()
{
    const History::Player *player = chosen();
    if (!player)
        return;
    const std::int64_t id = player->id;
    const QString name = player->name;
    auto *const first = new QMessageBox(QMessageBox::Question, tr("删除玩家"),
                                        tr("要删除“%1”吗？%1 玩过的全部记录也会一起删除。").arg(name),
                                        QMessageBox::Yes | QMessageBox::No, this);
    first->setObjectName(QStringLiteral("removeQuestion"));
    first->setAttribute(Qt::WA_DeleteOnClose);
    first->setDefaultButton(QMessageBox::No);
    connect(first, &QMessageBox::finished, this, [this, id, name](int answer) {
        if (answer != QMessageBox::Yes)
            return;
        auto *const second = new QMessageBox(QMessageBox::Warning, tr("删除玩家"),
                                             tr("真的删除“%1”和 %1 的全部记录吗？删除后找不回来。").arg(name),
                                             QMessageBox::Yes | QMessageBox::No, this);
        second->setObjectName(QStringLiteral("removeQuestionAgain"));
        second->setAttribute(Qt::WA_DeleteOnClose);
        second->setDefaultButton(QMessageBox::No);
        connect(second, &QMessageBox::finished, this, [this, id](int again) {
            if (again == QMessageBox::Yes)
                emit removeWanted(id);
        });
        second->open();
    });
    first->open();
}

void FamilyPage::askWhereToExport()
{
    const QString suggested = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QLatin1Char('/')
        + tr("数数记录") + QStringLiteral(".csv");
    const QString file = QFileDialog::getSaveFileName(this, tr("导出全部记录"), suggested, tr("CSV 文件 (*.csv)"));
    if (!file.isEmpty())
        emit exportWanted(file);
}

void FamilyPage::showExported(const QString &error)
{
    m_message->setText(error.isEmpty() ? tr("记录已经导出。") : tr("没能导出记录：%1").arg(error));
}

void FamilyPage::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void FamilyPage::retranslate()
{
    m_list->setAccessibleName(tr("玩家"));
    m_nameBox->setAccessibleName(tr("名字"));
    m_nameBox->setPlaceholderText(tr("名字"));
    m_addButton->setText(tr("添加玩家"));
    m_renameButton->setText(tr("改名"));
    m_removeButton->setText(tr("删除玩家…"));
    for (QAbstractButton *button : m_pictures->buttons()) {
        const QString name = PlayerPictures::name(PlayerPicture(m_pictures->id(button)));
        button->setAccessibleName(name);
        button->setToolTip(name);
    }
    m_pictureLabel->setText(tr("图片："));
    m_gradeBox->setAccessibleName(tr("怎么玩"));
    for (int index = 0; index < m_gradeBox->count(); ++index)
        m_gradeBox->setItemText(index, Grade::name(m_gradeBox->itemData(index).toInt()));
    m_gradeLabel->setText(tr("怎么玩："));
    m_exportButton->setText(tr("导出全部记录 (CSV)…"));
}
