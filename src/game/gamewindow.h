#pragma once

#include "game/bitmaps.h"
#include "game/gamehost.h"
#include "game/gamerules.h"
#include "game/stagelayout.h"
#include "game/tickglide.h"
#include "widgets/designscale.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

class HelpWindow;
class JudgementSink;
class LeaderboardWindow;
class PictureBox;
class QLabel;
class QTimer;
class SecondaryWindow;
class SoundSink;

// The game window: lays out the scene and the buttons, forwards clicks, keys
// and timer ticks to the rules and shows what they say.
class GameWindow : public QWidget, private GameHost
{
    Q_OBJECT

public:
    // programFolder is the executable's folder, ending with a separator: the
    // ranking file lives there unless the game is installed.
    GameWindow(SoundSink &sound, JudgementSink &judgements, QString programFolder, std::uint32_t seed,
               const Bitmaps &bitmaps);

    const GameRules &rules() const { return m_rules; }
    // Handed to the rules, which ask it for each game's grade.
    void setGradeChooser(std::function<std::unique_ptr<Grade>()> chooser);
    const QString &programFolder() const { return m_programFolder; }

    // Full screen shows the whole design as large as the screen allows; the
    // window comes back at its designed size and its place.
    void setFullScreen(bool on);
    // Screen pixels to a design pixel: 1 in the window.
    qreal factor() const { return m_layout.factor(); }

    // Abandons the game, as help does, and asks for the parents' corner.
    void openParentsCorner();
    // As the sound button would set it.
    void setCountingAloud(bool on);
    // With asking on, ▶ only says a game is wanted; whoever asks starts it.
    void setStartAsks(bool asks) { m_startAsks = asks; }
    void startGame();
    // Waits in the leaderboard's name box; empty for none.
    void setPlayerName(const QString &name) { m_playerName = name; }

signals:
    // Whoever keeps the corner asks the adult's question first.
    void parentsCornerWanted();
    void startWanted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildControls();
    void retranslate();
    void loadAtStart(const Bitmaps &bitmaps);
    // Every picture box with its picture.
    std::vector<std::pair<PictureBox *, Picture>> boxBitmaps() const;
    void assignPictures(const Bitmaps &bitmaps);
    void switchOnKeyPreview();
    bool pressWindowKey(const QKeyEvent &event);
    void pressKey(GameRules::Key key);
    void layOutStage();
    void useDetailedPictures(int scale);
    void showGlide();

    // Runs one of the rules' handlers and then shows the result.
    template<typename Handler>
    void play(Handler handler);
    void showRules();
    void showTrain();

    void setDepartureTimer(bool running) override;
    void showLeaderboard(std::int16_t grade, std::int32_t score) override;
    void showHelp() override;
    void showParentsCorner() override;
    void openDialog(SecondaryWindow &dialog);
    bool dialogOpen() const;

    SoundSink &m_sound;
    GameRules m_rules;
    const QString m_programFolder;

    // Holds every control at the design's size times the factor, centred.
    QWidget *m_stage = nullptr;
    StageLayout m_layout{StageLayout::DesignSize, 1};
    DesignScaler m_labelScaler;
    // Where the inside of the window was before full screen: the frame
    // around it is the window manager's, and not the same in full screen.
    QPoint m_windowPlace;

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
    // Between the departure's ticks the train and smoke glide, one step a frame.
    QTimer *m_frameTimer = nullptr;
    TickGlide m_glide{std::chrono::milliseconds(GameRules::TickMs)};
    QLabel *m_scoreLabel = nullptr;
    // A seated monkey: the mask blackens its outline, the picture fills it in.
    QImage m_monkeyMask;
    QImage m_monkeyPicture;
    QImage m_detailedMonkeyMask;
    QImage m_detailedMonkeyPicture;

    int m_seatsShown = 0;
    bool m_startAsks = false;
    QString m_playerName;
    // Made at their first opening; owned as the game window's children.
    LeaderboardWindow *m_leaderboard = nullptr;
    HelpWindow *m_help = nullptr;
};
