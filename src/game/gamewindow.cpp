#include "game/gamewindow.h"

#include "game/chinesefont.h"
#include "game/picturebox.h"
#include "help/helpwindow.h"
#include "leaderboard/leaderboardwindow.h"

#include <QCloseEvent>
#include <QStyle>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include <functional>

namespace {

// The window as designed, in pixels.
constexpr QSize ClientSize(694, 438);
constexpr QPoint ScreenPlace(53, 53);
const QColor Navy(0, 0, 128);
const QColor NumberRed(255, 0, 0);
const QColor ScoreYellow(255, 255, 0);
constexpr qreal NumberPointSize = 42;
constexpr qreal ScorePointSize = 14.25;

constexpr QRect Picture1Rect(0, 0, 601, 441);
constexpr QPoint PicVPlace(624, 200);
constexpr QPoint PicbegPlace(624, 152);
constexpr QPoint PichpPlace(624, 248);
constexpr QPoint PicboyPlace(616, 40);
constexpr QPoint PictcludPlace(416, 216);
constexpr QPoint PictrainPlace(GameRules::TrainHome, 253);
constexpr int PicBallLeft = 200;
constexpr int PicBallSpacing = 24;
constexpr QRect LabresRect(16, 16, 97, 129);
constexpr QRect LabfenRect(624, 384, 65, 25);
// The holders of the monkey sprite are never shown.
constexpr std::array<QPoint, 2> PicPbPlaces{QPoint(608, 8), QPoint(640, 8)};
// Sizes before a picture arrives.
constexpr QSize ButtonDesignSize(33, 33);
constexpr QSize PicboyDesignSize(41, 41);
constexpr QSize PictcludDesignSize(41, 33);
constexpr QSize PicBallDesignSize(17, 17);
constexpr QSize PictrainDesignSize(457, 73);
constexpr QSize PicPbDesignSize(25, 25);

// Embedded pictures by number.
constexpr int BallBitmap = 101;
constexpr int SceneBitmap = 102;
constexpr int MonkeyGroupBitmap = 103;
constexpr int MonkeyMaskBitmap = 104;
constexpr int MonkeyBitmap = 105;
constexpr int SmokeBitmap = 106;
constexpr int TrainBitmap = 107;
constexpr int StartBitmap = 109;
constexpr int HelpBitmap = 110;
constexpr int SoundBitmap = 111;

PictureBox *makePictureBox(QWidget *container, const QString &name, QPoint place, QSize designSize, bool visible)
{
    auto *box = new PictureBox(container);
    box->setObjectName(name);
    box->setGeometry(QRect(place, designSize));
    box->setVisible(visible);
    return box;
}

QLabel *makeTransparentLabel(QWidget *container, const QString &name, QRect rect, const QColor &colour,
                             qreal pointSize)
{
    auto *label = new QLabel(container);
    label->setObjectName(name);
    label->setGeometry(rect);
    label->setFont(songTiBold(pointSize));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

// Space and both Enter keys; every other key is of no interest to the game.
int gameKeyCode(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Space:
        return GameRules::KeySpace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return GameRules::KeyEnter;
    default:
        return 0;
    }
}

} // namespace

GameWindow::GameWindow(SoundSink &sound, QString spath, std::uint32_t seed, const Bitmaps &bitmaps)
    : m_sound(sound)
    , m_rules(sound, *this, seed)
    , m_spath(std::move(spath))
{
    buildControls();
    Form_Load(bitmaps);
}

GameWindow::~GameWindow() = default;

void GameWindow::buildControls()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("咕噜号"));
    setWindowIcon(gameIcon({32}));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    QPalette navy = palette();
    navy.setColor(QPalette::Window, Navy);
    setPalette(navy);
    setAutoFillBackground(true);

    // In the designed order, so that later controls lie on top.
    PicV = makePictureBox(this, QStringLiteral("PicV"), PicVPlace, ButtonDesignSize, true);
    PicV->setToolTip(QStringLiteral("声音提示"));
    Picture1 = makePictureBox(this, QStringLiteral("Picture1"), Picture1Rect.topLeft(), Picture1Rect.size(), true);
    Picture1->setAutoSize(false);
    // The scene is a pixel narrower than the box, whose own colour shows there.
    QPalette system = Picture1->palette();
    system.setColor(QPalette::Window, style()->standardPalette().color(QPalette::Window));
    Picture1->setPalette(system);
    Pictclud = makePictureBox(Picture1, QStringLiteral("Pictclud"), PictcludPlace, PictcludDesignSize, false);
    for (int i = 0; i < GameRules::Lives; ++i) {
        PicBall[i] = makePictureBox(Picture1, QStringLiteral("PicBall_%1").arg(i),
                                    QPoint(PicBallLeft + PicBallSpacing * i, 0), PicBallDesignSize, true);
    }
    Pictrain = makePictureBox(Picture1, QStringLiteral("Pictrain"), PictrainPlace, PictrainDesignSize, false);
    Labres = makeTransparentLabel(Picture1, QStringLiteral("Labres"), LabresRect, NumberRed, NumberPointSize);
    PicPb[1] = makePictureBox(this, QStringLiteral("PicPb_1"), PicPbPlaces[1], PicPbDesignSize, false);
    PicPb[0] = makePictureBox(this, QStringLiteral("PicPb_0"), PicPbPlaces[0], PicPbDesignSize, false);
    Picboy = makePictureBox(this, QStringLiteral("Picboy"), PicboyPlace, PicboyDesignSize, false);
    Pichp = makePictureBox(this, QStringLiteral("Pichp"), PichpPlace, ButtonDesignSize, true);
    Pichp->setToolTip(QStringLiteral("帮助"));
    Picbeg = makePictureBox(this, QStringLiteral("Picbeg"), PicbegPlace, ButtonDesignSize, true);
    Picbeg->setToolTip(QStringLiteral("开始"));
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(GameRules::TickMs);
    Labfen = makeTransparentLabel(this, QStringLiteral("Labfen"), LabfenRect, ScoreYellow, ScorePointSize);

    const std::array<QWidget *, 14> tabOrder{Picbeg,     Pichp,      Picboy,     PicPb[0],   PicPb[1],
                                             Picture1,   Pictrain,   PicBall[4], PicBall[3], PicBall[2],
                                             PicBall[1], PicBall[0], PicV,       Pictclud};
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    Picbeg->setFocus();

    connect(Picbeg, &PictureBox::clicked, this, [this] { play(&GameRules::Picbeg_Click); });
    connect(PicV, &PictureBox::clicked, this, [this] { play(&GameRules::PicV_Click); });
    connect(Pichp, &PictureBox::clicked, this, [this] { play(&GameRules::Pichp_Click); });
    connect(Picboy, &PictureBox::clicked, this, [this] { play(&GameRules::Picboy_Click); });
    connect(Pictrain, &PictureBox::mouseDown, this, [this](Qt::MouseButton, QPointF position) {
        play([x = position.x()](GameRules &rules) { rules.Pictrain_MouseDown(x); });
    });
    connect(Timer1, &QTimer::timeout, this, [this] { play(&GameRules::Timer1_Timer); });
}

void GameWindow::Form_Load(const Bitmaps &bitmaps)
{
    // spath and playing come with construction; from here on a step that
    // fails is skipped and start-up goes on.
    setFixedSize(ClientSize);
    move(ScreenPlace);
    assignPictures(bitmaps);
    Timer1->stop();
    for (PictureBox *ball : PicBall)
        ball->hide();
    switchOnKeyPreview();
}

void GameWindow::assignPictures(const Bitmaps &bitmaps)
{
    // A picture that did not load leaves its box as designed.
    const auto assign = [&bitmaps](PictureBox *box, int number) {
        const auto picture = bitmaps.find(number);
        if (picture != bitmaps.end())
            box->setPicture(picture->second);
    };
    assign(Picture1, SceneBitmap);
    assign(Picbeg, StartBitmap);
    assign(Pichp, HelpBitmap);
    assign(PicV, SoundBitmap);
    assign(Pictclud, SmokeBitmap);
    assign(Picboy, MonkeyGroupBitmap);
    assign(Pictrain, TrainBitmap);
    assign(PicPb[0], MonkeyMaskBitmap);
    assign(PicPb[1], MonkeyBitmap);
    for (PictureBox *ball : PicBall)
        assign(ball, BallBitmap);
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
        const int keyCode = gameKeyCode(static_cast<const QKeyEvent &>(*event));
        if (keyCode != 0) {
            Form_KeyDown(keyCode);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void GameWindow::Form_KeyDown(int keyCode)
{
    play([keyCode](GameRules &rules) { rules.Form_KeyDown(keyCode); });
}

void GameWindow::closeEvent(QCloseEvent *event)
{
    // While the leaderboard or help is open the game waits for it: a
    // finished game's name must not be lost by closing the game under it.
    if (!isEnabled())
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
    Labres->setText(number > 0 ? QString::number(number) : QString());
    Labfen->setText(m_rules.scoreShown() ? QString::number(m_rules.score()) : QString());
    for (int i = 0; i < GameRules::Lives; ++i)
        PicBall[i]->setVisible(m_rules.lifeMarkerVisible(i));
    showTrain();
    Pictclud->setLeft(m_rules.smokeLeft());
    Pictclud->setVisible(m_rules.smokeVisible());
    Picboy->setVisible(m_rules.monkeyGroupVisible());
    Picboy->setEnabled(m_rules.monkeyGroupEnabled());
}

void GameWindow::showTrain()
{
    Pictrain->setLeft(m_rules.trainLeft());
    Pictrain->setVisible(m_rules.trainVisible());
    const int seats = m_rules.paintedSeats();
    if (seats < m_seatsShown) {
        Pictrain->clearDrawing();
        m_seatsShown = 0;
    }
    // The mask blackens the monkey's outline, the picture fills it in.
    for (; m_seatsShown < seats; ++m_seatsShown) {
        const QPoint seat(GameRules::seatX[m_seatsShown], GameRules::seatY[m_seatsShown]);
        Pictrain->paintPicture(PicPb[0]->picture(), seat, QPainter::RasterOp_SourceAndDestination);
        Pictrain->paintPicture(PicPb[1]->picture(), seat, QPainter::RasterOp_SourceXorDestination);
    }
}

void GameWindow::setDepartureTimer(bool running)
{
    if (running)
        Timer1->start();
    else
        Timer1->stop();
}

void GameWindow::showLeaderboard(std::int16_t grd, std::int32_t fcount)
{
    if (!m_leaderboard)
        m_leaderboard = std::make_unique<LeaderboardWindow>(*this, m_sound, m_spath);
    m_leaderboard->grd = grd;
    m_leaderboard->fcount = fcount;
    m_leaderboard->show();
}

void GameWindow::showHelp()
{
    if (!m_help)
        m_help = std::make_unique<HelpWindow>(*this);
    m_help->show();
}
