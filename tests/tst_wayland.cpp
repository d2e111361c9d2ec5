#include "game/gamewindow.h"
#include "widgets/picturebox.h"
#include "rulesrecorder.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstring>

namespace {

// weston-screenshooter writes the whole screen into the current folder;
// weston allows it only when started with --debug.
QImage screenshot()
{
    const QTemporaryDir folder;
    QProcess shooter;
    shooter.setWorkingDirectory(folder.path());
    shooter.start(QStringLiteral("weston-screenshooter"), {});
    if (!shooter.waitForFinished(10000) || shooter.exitStatus() != QProcess::NormalExit || shooter.exitCode() != 0)
        return {};
    const QStringList shots = QDir(folder.path()).entryList({QStringLiteral("wayland-screenshot-*.png")});
    return shots.isEmpty() ? QImage() : QImage(QDir(folder.path()).filePath(shots.first()))
                                             .convertToFormat(QImage::Format_RGB32);
}

// Whether the picture appears somewhere on the screen, pixel for pixel.
bool shows(const QImage &screen, const QImage &picture)
{
    const qsizetype rowBytes = picture.width() * qsizetype(sizeof(QRgb));
    for (int top = 0; top + picture.height() <= screen.height(); ++top)
        for (int left = 0; left + picture.width() <= screen.width(); ++left) {
            int row = 0;
            while (row < picture.height()
                   && std::memcmp(screen.constScanLine(top + row) + left * sizeof(QRgb), picture.constScanLine(row),
                                  rowBytes) == 0)
                ++row;
            if (row == picture.height())
                return true;
        }
    return false;
}

// What the window draws reaches the screen after a frame or two.
bool screenShows(QWidget &window)
{
    const QImage drawn = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QDeadlineTimer deadline(10000);
    do {
        if (shows(screenshot(), drawn))
            return true;
        QTest::qWait(100);
    } while (!deadline.hasExpired());
    return false;
}

} // namespace

// The game window on a Wayland desktop: the compositor shows exactly what the
// window draws, and one question plays through to the train coming home.
class tst_Wayland : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        QStandardPaths::setTestModeEnabled(true);
    }

    void playOneQuestion()
    {
        RecordingSound sound;
        const QTemporaryDir programFolder;
        GameWindow window(sound, programFolder.path() + QLatin1Char('/'), 2024, loadBitmaps());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(screenShows(window));

        const auto box = [&window](const char *name) { return window.findChild<PictureBox *>(QLatin1String(name)); };
        QTest::mouseClick(box("startButton"), Qt::LeftButton, {}, QPoint(10, 10));
        const GameRules &rules = window.rules();
        QVERIFY(rules.askedNumber() >= 1 && rules.askedNumber() <= GameRules::Seats);
        for (int monkey = 0; monkey < rules.askedNumber(); ++monkey)
            QTest::mouseClick(box("monkeyGroup"), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(rules.boarded(), rules.askedNumber());

        auto *departureTimer = window.findChild<QTimer *>(QStringLiteral("departureTimer"));
        departureTimer->setInterval(1); // the ticks, not their pace, are looked at here
        QTest::mouseClick(box("train"), Qt::LeftButton, {}, QPoint(int(GameRules::LocomotiveThreshold), 40));
        QVERIFY(rules.timerEnabled());
        QTRY_VERIFY(!rules.timerEnabled());
        QCOMPARE(box("train")->x(), GameRules::TrainHome);
        QCOMPARE(rules.score(), GameRules::Bonus);
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("scoreLabel"))->text(), QString::number(GameRules::Bonus));
        QVERIFY(sound.ids().contains(GameRules::DepartureSound));

        // The next question and the score are on the screen.
        QVERIFY(screenShows(window));
    }
};

QTEST_MAIN(tst_Wayland)
#include "tst_wayland.moc"
