#pragma once

#include "history/historytypes.h"

#include <QWidget>

#include <vector>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMessageBox;
class QPushButton;

// The family's players: add, rename, choose a picture, remove. Each wish
// goes out as a signal; the list comes back from the history.
class FamilyPage : public QWidget
{
    Q_OBJECT

public:
    explicit FamilyPage(QWidget *parent = nullptr);

    void setPlayers(std::vector<History::Player> players);
    // What became of the last wish, said only when it failed.
    void showResult(History::EditResult result);
    // Why the export failed, or nothing once it is written.
    void showExported(const QString &error);
    // 0 when nobody is chosen.
    std::int64_t chosenPlayer() const;

signals:
    void addWanted(const QString &name);
    void renameWanted(std::int64_t player, const QString &name);
    void pictureWanted(std::int64_t player, int picture);
    void gradeWanted(std::int64_t player, int grade);
    // Every child's history, into a file the parent chose.
    void exportWanted(const QString &fileName);
    // Asked twice before it goes out.
    void removeWanted(std::int64_t player);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void showChosen();
    const History::Player *chosen() const;
    void askToRemove();
    void askWhereToExport();

    std::vector<History::Player> m_players;
    QListWidget *m_list = nullptr;
    QLineEdit *m_nameBox = nullptr;
    QPushButton *m_addButton = nullptr;
    QPushButton *m_renameButton = nullptr;
    QPushButton *m_removeButton = nullptr;
    QButtonGroup *m_pictures = nullptr;
    QComboBox *m_gradeBox = nullptr;
    QLabel *m_gradeLabel = nullptr;
    QLabel *m_pictureLabel = nullptr;
    QPushButton *m_exportButton = nullptr;
    QLabel *m_message = nullptr;
};
