#pragma once

#include "game/secondarywindow.h"
#include "leaderboard/rankingtable.h"

#include <QString>

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
public:
    // spath is the folder of the ranking file, ending with a separator.
    LeaderboardWindow(QWidget &gameWindow, SoundSink &sound, QString spath);

    // Set by the game window before each showing.
    std::int32_t fcount = 0;
    std::int16_t grd = 0;

protected:
    void load() override;

private:
    struct Row
    {
        QLabel *name = nullptr;
        QLabel *score = nullptr;
    };

    void readTable();
    void showEntry(bool ranked);
    void showTable();
    void confirm();

    SoundSink &m_sound;
    const QString m_spath;

    // Kept between showings: slots the file does not fill keep their values.
    RankingTable m_table{};
    QString m_rankFile;
    int m_rankPos = Ranking::NotRanked;

    QLabel *Labt = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *Command1 = nullptr;
    std::array<Row, Ranking::Entries> m_rows{};
};
