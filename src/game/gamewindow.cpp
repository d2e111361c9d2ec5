#include "game/gamewindow.h"

#include "widgets/boldlabel.h"
#include "widgets/chinesefont.h"
#include "widgets/picturebox.h"
#include "help/helpwindow.h"
#include "leaderboard/leaderboardwindow.h"
#include "parents/holdtoopen.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

namespace {

// The window as designed, in pixels.
constexpr QPoint ScreenPlace(53, 53);
const QColor Navy(0, 0, 128);
const QColor BarBlack(0, 0, 0);
const QColor NumberRed(255, 0, 0);
const QColor ScoreYellow(255, 255, 0);
constexpr qreal NumberPointSize = 42;
constexpr qreal ScorePointSize = 14.25;
// Where the screen does not say how often it refreshes.
constexpr qreal DefaultRefreshRate = 60;

constexpr QRect SceneRect(0, 0, 601, 441);
constexpr QPoint SoundButtonPlace(624, 200);
constexpr QPoint StartButtonPlace(624, 152);
constexpr QPoint HelpButtonPlace(624, 248);
constexpr QPoint MonkeyGroupPlace(616, 40);
constexpr QPoint SmokePlace(GameRules::SmokeDesignLeft, 216);
constexpr QPoint TrainPlace(GameRules::TrainHome, 253);
constexpr int LifeMarkersLeft = 200;
constexpr int LifeMarkerSpacing = 24;
constexpr QRect NumberRect(16, 16, 97, 129);
constexpr QRect ScoreRect(624, 384, 65, 25);
// Sizes before a picture arrives.
constexpr QSize ButtonDesignSize(33, 33);
constexpr QSize MonkeyGroupDesignSize(41, 41);
constexpr QSize SmokeDesignSize(41, 33);
constexpr QSize LifeMarkerDesignSize(17, 17);
constexpr QSize TrainDesignSize(457, 73);

PictureBox *makePictureBox(QWidget *container, const QString &name, QPoint place, QSize designSize, bool visible)
{
    auto *box = new PictureBox(container);
    box->setObjectName(name);
    box->setDesignGeometry(QRect(place, designSize));
    box->setVisible(visible);
    return box;
}

QLabel *makeTransparentLabel(QWidget *container, const QString &name, QRect rect, const QColor &colour,
                             qreal pointSize)
{
    auto *label = new BoldLabel(container);
    label->setObjectName(name);
    label->setGeometry(rect);
    label->setFont(songTiBold(pointSize));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

void fillWith(QWidget *widget, const QColor &colour)
{
    QPalette filled = widget->palette();
    filled.setColor(QPalette::Window, colour);
    widget->setPalette(filled);
    widget->setAutoFillBackground(true);
}

// Space and both Enter keys; every other key is of no interest to the game.
std::optional<GameRules::Key> gameKey(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Space:
        return GameRules::Key::Space;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return GameRules::Key::Enter;
    default:
        return std::nullopt;
    }
}

QImage pictureOf(const Bitmaps &bitmaps, Picture picture)
{
    const auto found = bitmaps.find(picture);
    return found != bitmaps.end() ? found->second : QImage();
}

} // namespace

GameWindow::GameWindow(SoundSink &sound, JudgementSink &judgements, QString programFolder, std::uint32_t seed,
                       const Bitmaps &bitmaps)
    : m_sound(sound)
    , m_rules(sound, *this, judgements, seed)
    , m_programFolder(std::move(programFolder))
{
    buildControls();
    retranslate();
    loadAtStart(bitmaps);
}

void GameWindow::retranslate()
{
    setWindowTitle(tr("咕噜号"));
    m_soundButton->setToolTip(tr("声音提示"));
    m_helpButton->setToolTip(tr("帮助"));
    m_startButton->setToolTip(tr("开始"));
}

void GameWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void GameWindow::buildControls()
{
    setObjectName(QStringLiteral("gameWindow"));
    setWindowIcon(gameIcon({32}));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    // Where the screen is not the design's shape, bars of black frame the
    // whole design alike on every side; navy ones would run into the panel.
    fillWith(this, BarBlack);
    m_stage = new QWidget(this);
    m_stage->setObjectName(QStringLiteral("stage"));
    m_stage->setGeometry(QRect(QPoint(), StageLayout::DesignSize));
    fillWith(m_stage, Navy);

    // In the designed order, so that later controls lie on top.
    m_soundButton = makePictureBox(m_stage, QStringLiteral("soundButton"), SoundButtonPlace, ButtonDesignSize, true);
    m_scene = makePictureBox(m_stage, QStringLiteral("scene"), SceneRect.topLeft(), SceneRect.size(), true);
    // The scene is a pixel narrower than its box, which shows the panel's
    // navy there: no seam between them at any scale.
    m_scene->setAutoSize(false);
    m_smoke = makePictureBox(m_scene, QStringLiteral("smoke"), SmokePlace, SmokeDesignSize, false);
    for (int i = 0; i < GameRules::Lives; ++i) {
        m_lifeMarkers[i] = makePictureBox(m_scene, QStringLiteral("lifeMarker%1").arg(i),
                                          QPoint(LifeMarkersLeft + LifeMarkerSpacing * i, 0), LifeMarkerDesignSize,
                                          true);
    }
    m_train = makePictureBox(m_scene, QStringLiteral("train"), TrainPlace, TrainDesignSize, false);
    m_train->setPaintedOn(true);
    m_numberLabel = makeTransparentLabel(m_scene, QStringLiteral("numberLabel"), NumberRect, NumberRed, NumberPointSize);
    m_monkeyGroup = makePictureBox(m_stage, QStringLiteral("monkeyGroup"), MonkeyGroupPlace, MonkeyGroupDesignSize, false);
    m_helpButton = makePictureBox(m_stage, QStringLiteral("helpButton"), HelpButtonPlace, ButtonDesignSize, true);
    m_startButton = makePictureBox(m_stage, QStringLiteral("startButton"), StartButtonPlace, ButtonDesignSize, true);
    m_departureTimer = new QTimer(this);
    m_departureTimer->setObjectName(QStringLiteral("departureTimer"));
    m_departureTimer->setTimerType(Qt::PreciseTimer);
    m_departureTimer->setInterval(GameRules::TickMs);
    m_frameTimer = new QTimer(this);
    m_frameTimer->setObjectName(QStringLiteral("frameTimer"));
    m_frameTimer->setTimerType(Qt::PreciseTimer);
    m_scoreLabel = makeTransparentLabel(m_stage, QStringLiteral("scoreLabel"), ScoreRect, ScoreYellow, ScorePointSize);
    m_labelScaler.add(m_numberLabel);
    m_labelScaler.add(m_scoreLabel);

    const std::array<QWidget *, 12> tabOrder{m_startButton,    m_helpButton,     m_monkeyGroup,    m_scene,
                                             m_train,          m_lifeMarkers[4], m_lifeMarkers[3], m_lifeMarkers[2],
                                             m_lifeMarkers[1], m_lifeMarkers[0], m_soundButton,    m_smoke};
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    m_startButton->setFocus();

    connect(m_startButton, &PictureBox::clicked, this, [this] {
        if (m_startAsks)
            emit startWanted();
        else
            startGame();
    });
    connect(m_soundButton, &PictureBox::clicked, this, [this] { play(&GameRules::toggleCountingAloud); });
    connect(m_helpButton, &PictureBox::clicked, this, [this] { play(&GameRules::openHelp); });
    connect(new HoldToOpen(m_helpButton), &HoldToOpen::held, this, &GameWindow::openParentsCorner);
    connect(m_monkeyGroup, &PictureBox::clicked, this, [this] { play(&GameRules::boardMonkey); });
    connect(m_train, &PictureBox::mouseDown, this, [this](Qt::MouseButton, QPointF position) {
        play([x = position.x()](GameRules &rules) { rules.pressTrain(x); });
    });
    connect(m_departureTimer, &QTimer::timeout, this, [this] {
        play(&GameRules::tick);
        m_glide.ticked(TickGlide::Clock::now());
    });
    connect(m_frameTimer, &QTimer::timeout, this, &GameWindow::showGlide);
}

void GameWindow::loadAtStart(const Bitmaps &bitmaps)
{
    // The program's folder and the rules come with construction; from here
    // on a step that fails is skipped and start-up goes on.
    setFixedSize(StageLayout::DesignSize);
    move(ScreenPlace);
    m_windowPlace = ScreenPlace;
    assignPictures(bitmaps);
    m_departureTimer->stop();
    for (PictureBox *marker : m_lifeMarkers)
        marker->hide();
    switchOnKeyPreview();
}

std::vector<std::pair<PictureBox *, Picture>> GameWindow::boxBitmaps() const
{
    std::vector<std::pair<PictureBox *, Picture>> boxes{
        {m_scene, Picture::Scene},          {m_startButton, Picture::StartButton}, {m_helpButton, Picture::HelpButton},
        {m_soundButton, Picture::SoundButton}, {m_smoke, Picture::Smoke},         {m_monkeyGroup, Picture::MonkeyGroup},
        {m_train, Picture::Train}};
    for (PictureBox *marker : m_lifeMarkers)
        boxes.emplace_back(marker, Picture::LifeMarker);
    return boxes;
}

void GameWindow::assignPictures(const Bitmaps &bitmaps)
{
    // A picture that did not load leaves its box as designed.
    for (const auto &[box, picture] : boxBitmaps()) {
        if (const QImage image = pictureOf(bitmaps, picture); !image.isNull())
            box->setPicture(image);
    }
    m_monkeyMask = pictureOf(bitmaps, Picture::MonkeyMask);
    m_monkeyPicture = pictureOf(bitmaps, Picture::Monkey);
}

void GameWindow::switchOnKeyPreview()
{
    // Every key reaches the game first, whichever control has the focus.
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);
    installEventFilter(this);
}

bool GameWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto &key = static_cast<const QKeyEvent &>(*event);
        if (pressWindowKey(key))
            return true;
        if (const std::optional<GameRules::Key> gameKeyPressed = gameKey(key)) {
            pressKey(*gameKeyPressed);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// F11 and Esc belong to the window, never to the game.
bool GameWindow::pressWindowKey(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_F11:
        if (!event.isAutoRepeat())
            setFullScreen(!isFullScreen());
        return true;
    case Qt::Key_Escape:
        if (isFullScreen())
            setFullScreen(false);
        return true;
    default:
        return false;
    }
}

void GameWindow::setFullScreen(bool on)
{
    if (on) {
        if (!isFullScreen())
            m_windowPlace = geometry().topLeft();
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        showFullScreen();
    } else {
        showNormal();
        setFixedSize(StageLayout::DesignSize);
        setGeometry(QRect(m_windowPlace, StageLayout::DesignSize));
    }
}

void GameWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOutStage();
}

void GameWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // A screen of another scale wants other pictures.
    connect(windowHandle(), &QWindow::screenChanged, this, &GameWindow::layOutStage, Qt::UniqueConnection);
    layOutStage();
}

// The whole design, as large as it fits, in the middle; bars around it.
void GameWindow::layOutStage()
{
    const StageLayout layout(size(), devicePixelRatioF());
    m_stage->setGeometry(layout.stageRect());
    for (PictureBox *box : m_stage->findChildren<PictureBox *>())
        box->setFactor(layout.factor());
    m_labelScaler.setFactor(layout.factor());
    // Shown pictures are made once for their size: a new size needs them again.
    const bool newScreenScale = layout.screenScale() != m_layout.screenScale();
    m_layout = layout;
    if (newScreenScale)
        useDetailedPictures(layout.pictureScale());
}

void GameWindow::useDetailedPictures(int scale)
{
    const Bitmaps detailed = scale > 1 ? loadBitmaps(bitmapFolder(scale)) : Bitmaps();
    for (const auto &[box, picture] : boxBitmaps()) {
        // A box without its design picture stays as designed.
        if (!box->picture().isNull())
            box->setDetailedPicture(pictureOf(detailed, picture), scale);
    }
    m_detailedMonkeyMask = pictureOf(detailed, Picture::MonkeyMask);
    m_detailedMonkeyPicture = pictureOf(detailed, Picture::Monkey);
    // The seated monkeys, painted again in the new detail.
    m_seatsShown = 0;
    showTrain();
}

void GameWindow::showGlide()
{
    // The rules move both by a step a tick until the train reaches its stop.
    const int nextStep = m_rules.trainLeft() < GameRules::StopLimit ? GameRules::Step : 0;
    const double glided = m_glide.progress(TickGlide::Clock::now()) * nextStep;
    m_train->setLeft(m_rules.trainLeft() + glided);
    m_smoke->setLeft(m_rules.smokeLeft() + glided);
}

void GameWindow::pressKey(GameRules::Key key)
{
    play([key](GameRules &rules) { rules.pressKey(key); });
}

void GameWindow::closeEvent(QCloseEvent *event)
{
    // While the leaderboard or help is open the game waits for it: a
    // finished game's name must not be lost by closing the game under it.
    if (dialogOpen())
        event->ignore();
    else
        QWidget::closeEvent(event);
}

template<typename Handler>
void GameWindow::play(Handler handler)
{
    std::invoke(handler, m_rules);
    showRules();
}

void GameWindow::showRules()
{
    const int number = m_rules.numberShown();
    m_numberLabel->setText(number > 0 ? QString::number(number) : QString());
    m_scoreLabel->setText(m_rules.scoreShown() ? QString::number(m_rules.score()) : QString());
    for (int i = 0; i < GameRules::Lives; ++i)
        m_lifeMarkers[i]->setVisible(m_rules.lifeMarkerVisible(i));
    showTrain();
    m_smoke->setLeft(m_rules.smokeLeft());
    m_smoke->setVisible(m_rules.smokeVisible());
    m_monkeyGroup->setVisible(m_rules.monkeyGroupVisible());
    m_monkeyGroup->setEnabled(m_rules.monkeyGroupEnabled());
}

void GameWindow::showTrain()
{
    m_train->setLeft(m_rules.trainLeft());
    m_train->setVisible(m_rules.trainVisible());
    const int seats = m_rules.paintedSeats();
    if (seats < m_seatsShown) {
        m_train->clearDrawing();
        m_seatsShown = 0;
    }
    for (; m_seatsShown < seats; ++m_seatsShown) {
        const QPoint seat(GameRules::seatX[m_seatsShown], GameRules::seatY[m_seatsShown]);
        m_train->paintPicture(m_monkeyMask, m_detailedMonkeyMask, seat, QPainter::RasterOp_SourceAndDestination);
        m_train->paintPicture(m_monkeyPicture, m_detailedMonkeyPicture, seat, QPainter::RasterOp_SourceXorDestination);
    }
}

void GameWindow::setDepartureTimer(bool running)
{
    if (running) {
        m_departureTimer->start();
        m_glide.ticked(TickGlide::Clock::now());
        const qreal refreshRate = screen() && screen()->refreshRate() > 0 ? screen()->refreshRate() : DefaultRefreshRate;
        m_frameTimer->start(std::max(1, int(std::lround(1000 / refreshRate))));
    } else {
        m_departureTimer->stop();
        m_frameTimer->stop();
    }
}

void GameWindow::showLeaderboard(std::int16_t grade, std::int32_t score)
{
    if (!m_leaderboard)
        m_leaderboard = new LeaderboardWindow(*this, m_sound, m_programFolder);
    m_leaderboard->setFinishedGame(grade, score, m_playerName);
    openDialog(*m_leaderboard);
}

void GameWindow::showHelp()
{
    if (!m_help)
        m_help = new HelpWindow(*this);
    openDialog(*m_help);
}

void GameWindow::openDialog(SecondaryWindow &dialog)
{
    dialog.setFactor(m_layout.factor());
    dialog.show();
}

bool GameWindow::dialogOpen() const
{
    const QList<QDialog *> dialogs = findChildren<QDialog *>(Qt::FindDirectChildrenOnly);
    return std::any_of(dialogs.begin(), dialogs.end(), [](const QDialog *dialog) { return dialog->isVisible(); });
}

void GameWindow::setGradeChooser(std::function<std::unique_ptr<Grade>()> chooser)
{
    m_rules.setGradeChooser(std::move(chooser));
}

void GameWindow::openParentsCorner()
{
    play(&GameRules::openParentsCorner);
}

void GameWindow::startGame()
{
    play(&GameRules::start);
}

void GameWindow::setCountingAloud(bool on)
{
    if (m_rules.countingAloud() != on)
        play(&GameRules::toggleCountingAloud);
}

void GameWindow::showParentsCorner()
{
    emit parentsCornerWanted();
}
