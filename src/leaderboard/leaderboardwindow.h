#pragma once

#include "widgets/secondarywindow.h"
#include "leaderboard/rankingstore.h"
#include "leaderboard/rankingtable.h"

#include <QString>
#include <QThreadPool>

#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;
class SoundSink;

// The ranking table after a game: tells the player whether the score made
// the table and, if so, takes a name and writes it into the ranking file.
class LeaderboardWindow : public SecondaryWindow
{
    Q_OBJECT

public:
    // programFolder is the executable's folder, ending with a separator.
    LeaderboardWindow(QWidget &gameWindow, SoundSink &sound, QString programFolder);

    // The game just finished and who played it; set before each showing.
    void setFinishedGame(std::int16_t grade, std::int32_t score, const QString &playerName = {});

protected:
    void load() override;
    // A name is asked for only once: Esc must not lose it, the close box may.
    bool closesOnEscape() const override { return m_rankPos == Ranking::NotRanked; }
    void changeEvent(QEvent *event) override;

private:
    struct Row
    {
        QLabel *name = nullptr;
        QLabel *score = nullptr;
    };

    void retranslate();
    void readTable();
    void showEntry(bool ranked);
    void showTable();
    QString tableName() const;
    void confirm();
    void showSaved(const RankingStore::Save &save);
    void setSaving(bool saving);

    SoundSink &m_sound;
    const QString m_programFolder;
    std::int16_t m_grade = 0;
    std::int32_t m_score = 0;

    // Kept between showings: slots the file does not fill keep their values.
    RankingTable m_table{};
    QString m_rankFile;
    int m_rankPos = Ranking::NotRanked;
    // The file was missing when the window opened: the game ranks first.
    bool m_firstGame = false;
    // A save waits for the lock and writes off the interface thread; the
    // window shows its outcome only to the showing that asked for it.
    bool m_saving = false;
    int m_showings = 0;
    QThreadPool m_fileWork; // one file task at a time, in order; waited for when the window goes

    QLabel *m_heading = nullptr;
    QLabel *m_notice = nullptr;
    QLineEdit *m_nameBox = nullptr;
    QString m_playerName;
    QPushButton *m_confirmButton = nullptr;
    std::array<Row, Ranking::Entries> m_rows{};
};
