#include "game/gamewindow.h"
#include "widgets/picturebox.h"
#include "rulesrecorder.h"

#include <QtTest>
#include <QtWidgets>

// The game window on a Wayland desktop plays one question through to the train coming home.
class tst_Wayland : public QObject
{
    Q_OBJECT

private slots:
    void playOneQuestion()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        QStandardPaths::setTestModeEnabled(true);
        RecordingSound sound;
        RecordingJudgements judgements;
        const QTemporaryDir programFolder;
        GameWindow window(sound, judgements, programFolder.path() + QLatin1Char('/'), 2024, loadBitmaps());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto box = [&window](const char *name) { return window.findChild<PictureBox *>(QLatin1String(name)); };
        QTest::mouseClick(box("startButton"), Qt::LeftButton, {}, QPoint(10, 10));
        const GameRules &rules = window.rules();
        for (int monkey = 0; monkey < rules.askedNumber(); ++monkey)
            QTest::mouseClick(box("monkeyGroup"), Qt::LeftButton, {}, QPoint(10, 10));
        // The ticks, not their pace, are looked at here.
        window.findChild<QTimer *>(QStringLiteral("departureTimer"))->setInterval(1);
        QTest::mouseClick(box("train"), Qt::LeftButton, {}, QPoint(int(GameRules::LocomotiveThreshold), 40));
        QTRY_VERIFY(!rules.timerEnabled());
        QVERIFY(box("train")->x() == GameRules::TrainHome && sound.ids().contains(Sound::Departure));
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("scoreLabel"))->text(), QStringLiteral("10"));
    }
};

QTEST_MAIN(tst_Wayland)
#include "tst_wayland.moc"
