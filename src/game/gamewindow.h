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
    // programFolder is the executable's folder, ending with a separator: the
    // ranking file lives there unless the game is installed.
    GameWindow(SoundSink &sound, QString programFolder, std::uint32_t seed, const Bitmaps &bitmaps);
    ~GameWindow() override;

    const GameRules &rules() const { return m_rules; }
    const QString &programFolder() const { return m_programFolder; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void loadAtStart(const Bitmaps &bitmaps);
    void assignPictures(const Bitmaps &bitmaps);
    void switchOnKeyPreview();
    void pressKey(int keyCode);

    // Runs one of the rules' handlers and then shows the result.
    template<typename Handler>
    void play(Handler handler);
    void showRules();
    void showTrain();

    void setDepartureTimer(bool running) override;
    void showLeaderboard(std::int16_t grade, std::int32_t score) override;
    void showHelp() override;

    SoundSink &m_sound;
    GameRules m_rules;
    const QString m_programFolder;

    PictureBox *m_soundButton = nullptr;
    PictureBox *m_scene = nullptr;
    PictureBox *m_smoke = nullptr;
    std::array<PictureBox *, GameRules::Lives> m_lifeMarkers{};
    PictureBox *m_train = nullptr;
    QLabel *m_numberLabel = nullptr;
    PictureBox *m_monkeyGroup = nullptr;
    PictureBox *m_helpButton = nullptr;
    PictureBox *m_startButton = nullptr;
    QTimer *m_departureTimer = nullptr;
    QLabel *m_scoreLabel = nullptr;
    // A seated monkey: the mask blackens its outline, the picture fills it in.
    QImage m_monkeyMask;
    QImage m_monkeyPicture;

    int m_seatsShown = 0;
    std::unique_ptr<LeaderboardWindow> m_leaderboard;
    std::unique_ptr<HelpWindow> m_help;
};
