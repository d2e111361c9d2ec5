#pragma once

#include "history/historytypes.h"
#include "parents/preferences.h"

#include <QDate>
#include <QDialog>

#include <functional>

class FamilyPage;
class HistoryStore;
class PlayerPage;
class PreferencesPage;
class QLabel;
class QPushButton;
class QTabWidget;

// Where a parent sees how each child is counting and sets the game up:
// a page per player, the family's players and the settings. Everything
// shown is asked of the history, which answers off the interface thread.
class ParentsCorner : public QDialog
{
    Q_OBJECT

public:
    ParentsCorner(HistoryStore &history, const Preferences &preferences, QWidget *gameWindow);

    // Asks the history again and fills the pages as its answers come.
    void refresh();
    // The day the charts end on; today unless a test says otherwise.
    void setToday(std::function<QDate()> today) { m_today = std::move(today); }

    QTabWidget *pages() const { return m_pages; }
    // The page where a parent records the numbers, after the settings.
    void addRecordingPage(QWidget *page);
    // Drawn `factor` times its design, as the game it lies over: its size and every font.
    void setFactor(qreal factor);

signals:
    void preferencesChanged(const Preferences &preferences);
    // Every page holds what the history said when last asked.
    void refreshed();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void showHealth(const History::Health &health);
    void showPlayers(const std::vector<History::Player> &players);
    void showPlayer(PlayerPage *page, const History::Player &player);
    void connectFamily();

    HistoryStore &m_history;
    std::function<QDate()> m_today = [] { return QDate::currentDate(); };
    QLabel *m_notice = nullptr;
    QTabWidget *m_pages = nullptr;
    FamilyPage *m_family = nullptr;
    PreferencesPage *m_preferences = nullptr;
    QWidget *m_recordingPage = nullptr;
    QPushButton *m_closeButton = nullptr;
    // As last told, to be told again in another language.
    History::Health m_health;
    std::vector<PlayerPage *> m_playerPages;
    // Pages still waiting for the history's answers.
    int m_pagesWaiting = 0;
    int m_generation = 0;
};
