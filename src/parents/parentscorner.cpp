#include "parents/parentscorner.h"

#include "history/historystore.h"
#include "history/whenanswered.h"
#include "parents/familypage.h"
#include "parents/playerpage.h"
#include "parents/preferencespage.h"
#include "players/playerpicture.h"
#include "widgets/designscale.h"
#include "widgets/keyboardkeeper.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFuture>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The corner as designed, in pixels at a factor of 1.
constexpr QSize DesignSize(780, 580);
// Of the screen's room, at most, title bar and frame included.
constexpr qreal LargestShareOfScreen = 0.92;
const QColor NoticeColour(160, 40, 0);

} // namespace

ParentsCorner::ParentsCorner(HistoryStore &history, const Preferences &preferences, QWidget *gameWindow)
    : QDialog(gameWindow)
    , m_history(history)
{
    setObjectName(QStringLiteral("parentsCorner"));
    setWindowModality(Qt::WindowModal);
    keepKeyboardOverGame(*this);
    m_notice = new QLabel(this);
    m_notice->setObjectName(QStringLiteral("notice"));
    m_notice->setWordWrap(true);
    QPalette warning = m_notice->palette();
    warning.setColor(QPalette::WindowText, NoticeColour);
    m_notice->setPalette(warning);
    m_notice->hide();
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("pages"));
    m_family = new FamilyPage(this);
    m_preferences = new PreferencesPage(this);
    m_preferences->setPreferences(preferences);
    m_pages->addTab(m_family, QString());
    m_pages->addTab(m_preferences, QString());
    auto *const buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_closeButton = buttons->button(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &ParentsCorner::reject);
    auto *const layout = new QVBoxLayout(this);
    layout->addWidget(m_notice);
    layout->addWidget(m_pages, 1);
    layout->addWidget(buttons);

    connect(m_preferences, &PreferencesPage::changed, this, &ParentsCorner::preferencesChanged);
    connect(&m_history, &HistoryStore::healthChanged, this, &ParentsCorner::showHealth);
    connect(&m_history, &HistoryStore::playersChanged, this, [this] {
        if (isVisible())
            refresh();
    });
    connectFamily();
    retranslate();
}

void ParentsCorner::addRecordingPage(QWidget *page)
{
    m_recordingPage = page;
    m_pages->addTab(page, QString());
    retranslate();
}

void ParentsCorner::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void ParentsCorner::retranslate()
{
    setWindowTitle(tr("家长园地"));
    m_pages->setAccessibleName(tr("家长园地的各页"));
    m_pages->setTabText(m_pages->indexOf(m_family), tr("玩家"));
    m_pages->setTabText(m_pages->indexOf(m_preferences), tr("设置"));
    if (m_recordingPage)
        m_pages->setTabText(m_pages->indexOf(m_recordingPage), tr("录制数字"));
    m_closeButton->setText(tr("关闭"));
    showHealth(m_health);
}

void ParentsCorner::setFactor(qreal factor)
{
    // As large as the game, as long as it fits on the screen.
    if (const QScreen *screen = parentWidget() ? parentWidget()->screen() : nullptr) {
        const QSizeF room = QSizeF(screen->availableGeometry().size()) * LargestShareOfScreen;
        factor = std::min({factor, room.width() / DesignSize.width(), room.height() / DesignSize.height()});
    }
    setFont(scaledFont(QApplication::font(), factor));
    resize(DesignSize * factor);
}

void ParentsCorner::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    refresh();
}

void ParentsCorner::refresh()
{
    whenAnswered(m_history.health(), this, [this](const History::Health &health) { showHealth(health); });
    whenAnswered(m_history.players(), this, [this](const std::vector<History::Player> &players) { showPlayers(players); });
}

void ParentsCorner::showHealth(const History::Health &health)
{
    m_health = health;
    QStringList notices;
    if (!health.damagedSetAside.isEmpty()) {
        notices.append(tr("记录文件坏了，已经放到一边保存（%1），并开始了新的记录。")
                           .arg(health.damagedSetAside.join(QStringLiteral(", "))));
    }
    if (!health.canWrite)
        notices.append(tr("记录写不进去：%1。游戏照常玩，但这次玩的不会记下来。").arg(health.whyNot));
    m_notice->setText(notices.join(QLatin1Char('\n')));
    m_notice->setVisible(!notices.isEmpty());
}

void ParentsCorner::showPlayers(const std::vector<History::Player> &players)
{
    m_family->setPlayers(players);
    const int current = m_pages->currentIndex();
    // One page a player, before the family's and the settings.
    while (m_playerPages.size() > players.size()) {
        delete m_pages->widget(int(m_playerPages.size()) - 1);
        m_playerPages.pop_back();
    }
    while (m_playerPages.size() < players.size()) {
        auto *const page = new PlayerPage;
        auto *const scroller = new QScrollArea;
        scroller->setWidget(page);
        scroller->setWidgetResizable(true);
        scroller->setFrameShape(QFrame::NoFrame);
        m_pages->insertTab(int(m_playerPages.size()), scroller, QString());
        m_playerPages.push_back(page);
    }
    ++m_generation;
    m_pagesWaiting = int(players.size());
    for (std::size_t i = 0; i < players.size(); ++i) {
        m_pages->setTabText(int(i), players[i].name);
        m_pages->widget(int(i))->setAccessibleName(players[i].name);
        m_pages->setTabIcon(int(i), PlayerPictures::pixmap(PlayerPicture(players[i].picture), devicePixelRatioF()));
        showPlayer(m_playerPages[i], players[i]);
    }
    m_pages->setCurrentIndex(std::clamp(current, 0, m_pages->count() - 1));
    if (players.empty())
        emit refreshed();
}

void ParentsCorner::showPlayer(PlayerPage *page, const History::Player &player)
{
    // The four answers come in the order asked; the page is drawn at the last.
    auto report = std::make_shared<ChildReport>();
    report->player = player;
    report->picture.load(PlayerPictures::resource(PlayerPicture(player.picture), ChildReport::PictureScale));
    whenAnswered(m_history.firstTries(player.id), this, [report](std::vector<History::FirstTry> firstTries) {
        report->firstTries = std::move(firstTries);
    });
    whenAnswered(m_history.lastGames(player.id), this, [report](std::vector<History::GameSummary> games) {
        report->lastGames = std::move(games);
    });
    whenAnswered(m_history.accuracyPerWeek(player.id), this, [report](std::vector<History::WeekAccuracy> weeks) {
        report->weeks = std::move(weeks);
    });
    // A page that went meanwhile, or was asked for again since, waits for nothing.
    QPointer<PlayerPage> guardedPage(page);
    const int generation = m_generation;
    whenAnswered(m_history.questionsPerDay(player.id), this, [=, this](std::vector<History::DayCount> days) {
        report->days = std::move(days);
        if (!guardedPage || generation != m_generation)
            return;
        guardedPage->show(*report, m_today());
        if (--m_pagesWaiting == 0)
            emit refreshed();
    });
}

void ParentsCorner::connectFamily()
{
    const auto tellResult = [this](QFuture<History::EditResult> edit) {
        whenAnswered(std::move(edit), this, [this](History::EditResult result) { m_family->showResult(result); });
    };
    connect(m_family, &FamilyPage::addWanted, this,
            [this, tellResult](const QString &name) { tellResult(m_history.addPlayer(name)); });
    connect(m_family, &FamilyPage::renameWanted, this, [this, tellResult](std::int64_t player, const QString &name) {
        tellResult(m_history.renamePlayer(player, name));
    });
    connect(m_family, &FamilyPage::pictureWanted, this, [this, tellResult](std::int64_t player, int picture) {
        tellResult(m_history.setPicture(player, picture));
    });
    connect(m_family, &FamilyPage::exportWanted, this, [this](const QString &fileName) {
        whenAnswered(m_history.exportCsv(fileName), this,
                     [this](const QString &error) { m_family->showExported(error); });
    });
    connect(m_family, &FamilyPage::gradeWanted, this, [this, tellResult](std::int64_t player, int grade) {
        tellResult(m_history.setGrade(player, grade));
    });
    connect(m_family, &FamilyPage::removeWanted, this,
            [this, tellResult](std::int64_t player) { tellResult(m_history.removePlayer(player)); });
}
