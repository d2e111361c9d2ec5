#pragma once

#include "game/bitmaps.h"
#include "game/gamehost.h"
#include "game/gamerules.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>

class HelpWindow;
class LeaderboardWindow;
class PictureBox;
class QLabel;
class QTimer;
class SoundSink;

// The game window: lays out the scene and the buttons, forwards clicks, keys
// and timer ticks to the rules and shows what they say.
class GameWindow : public QWidget, private GameHost
{
    Q_OBJECT

public:
    // spath is the folder the ranking file lives in, ending with a separator.
    GameWindow(SoundSink &sound, QString spath, std::uint32_t seed, const Bitmaps &bitmaps);
    ~GameWindow() override;

    const GameRules &rules() const { return m_rules; }
    const QString &spath() const { return m_spath; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void Form_Load(const Bitmaps &bitmaps);
    void assignPictures(const Bitmaps &bitmaps);
    void switchOnKeyPreview();
    void Form_KeyDown(int keyCode);

    // Runs one of the rules' handlers and then shows the result.
    template<typename Handler>
    void play(Handler handler);
    void showRules();
    void showTrain();

    void setDepartureTimer(bool running) override;
    void showLeaderboard(std::int16_t grd, std::int32_t fcount) override;
    void showHelp() override;

    SoundSink &m_sound;
    GameRules m_rules;
    const QString m_spath;

    PictureBox *PicV = nullptr;
    PictureBox *Picture1 = nullptr;
    PictureBox *Pictclud = nullptr;
    std::array<PictureBox *, GameRules::Lives> PicBall{};
    PictureBox *Pictrain = nullptr;
    QLabel *Labres = nullptr;
    std::array<PictureBox *, 2> PicPb{};
    PictureBox *Picboy = nullptr;
    PictureBox *Pichp = nullptr;
    PictureBox *Picbeg = nullptr;
    QTimer *Timer1 = nullptr;
    QLabel *Labfen = nullptr;

    int m_seatsShown = 0;
    std::unique_ptr<LeaderboardWindow> m_leaderboard;
    std::unique_ptr<HelpWindow> m_help;
};
