#include "help/helpwindow.h"
#include "history/historystore.h"
#include "leaderboard/leaderboardwindow.h"
#include "parents/adultdoor.h"
#include "parents/doordialog.h"
#include "parents/parentscorner.h"
#include "parents/playerpicker.h"
#include "rulesrecorder.h"
#include "testfiles.h"
#include "widgets/firstframe.h"
#include "widgets/secondarywindow.h"

#include <QLockFile>
#include <QTest>
#include <QtWidgets>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

const QByteArray Played = "A,30\r\nB,20\r\nC,10\r\nD,9\r\nE,8\r\nF,7\r\nG,6\r\nH,5\r\nI,4\r\nJ,3\r\n";
// An empty file before means none; one written meanwhile comes from another game before the confirm, and so does
// what stands in the way then. A ranked player confirms, the others close the window; what is told after the confirm
// is a heading over the name box still there, or a notice in place of both. Each grade has its table, named in the title.
struct Showing { QByteArray before; int score; QByteArray meanwhile; QString inTheWay; QByteArray after; QString told;
                 int grade = 1; QString title = u"排行榜"_s; };
Q_DECLARE_METATYPE(Showing)
// The game's window, the other window's inside and frame, the room on the screen: where it goes.
struct Placement { QRect game; QSize inside; QMargins frame; QRect room, place; };
Q_DECLARE_METATYPE(Placement)

class tst_SecondaryWindows : public QObject
{
    Q_OBJECT
private slots:
    void placement_data()
    {
        QTest::addColumn<Placement>("p");
        const QRect window(54, 73, 694, 438), screen(0, 0, 1024, 768);
        const QMargins titleBar(1, 20, 1, 1);
        QTest::newRow("centred") << Placement{window, {300, 200}, titleBar, screen, {251, 192, 300, 200}};
        QTest::newRow("title bar kept on screen") << Placement{window, {898, 580}, titleBar, screen, {1, 20, 898, 580}};
        QTest::newRow("its frame at the far edges") << Placement{{700, 560, 300, 200}, {400, 300}, titleBar, screen, {623, 467, 400, 300}};
        QTest::newRow("larger than the room") << Placement{window, {1200, 900}, {}, {0, 30, 1024, 738}, {0, 30, 1200, 900}};
    }

    void keyboardStaysOverTheGame_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"help", "picker", "door", "corner"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }

    // A click on the game while a window is open over it gives the game the keyboard, where every key is blocked:
    // the window takes it back, and hands it to the game when it closes.
    void keyboardStaysOverTheGame()
    {
        QFETCH(QString, kind);
        HistoryStore history;
        AdultDoor door(1);
        QWidget game; // goes first, with the windows over it
        const std::map<QString, std::function<QDialog *()>> make{
            {"help", [&] { return new HelpWindow(game); }},
            {"picker", [&] { return new PlayerPicker({{1, u"小明"_s, 0, 1, {}}, {2, u"Ann"_s, 0, 1, {}}}, 1, &game); }},
            {"door", [&] { return new DoorDialog(door, &game); }},
            {"corner", [&] { return new ParentsCorner(history, {}, &game); }},
        };
        game.show();
        QVERIFY(QTest::qWaitForWindowActive(&game));
        QDialog *const dialog = make.at(kind)();
        dialog->open();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        game.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), dialog);
        dialog->reject();
        QTRY_COMPARE(QApplication::activeWindow(), &game);
    }

    // A window over the game is centred on it, but never so that its frame or title bar leaves the room.
    void placement()
    {
        QFETCH(Placement, p);
        QCOMPARE(centredOver(p.game, p.inside, p.frame, p.room), p.place);
    }

    void leaderboard_data()
    {
        QTest::addColumn<Showing>("s");
        QTest::newRow("ranked") << Showing{Played, 40, {}, {}, "\xD0\xA1\xC3\xF7,40\r\n" + Played.chopped(5), {}};
        QTest::newRow("not ranked") << Showing{Played, 3, {}, {}, Played, {}, 3, u"排行榜：看着数"_s};
        QTest::newRow("no file") << Showing{{}, 0, {}, {}, "\xD0\xA1\xC3\xF7,0\r\n" + "0,0\r\n"_ba.repeated(9), {}, 4, u"排行榜：一步一步"_s};
        QTest::newRow("pushed out meanwhile") << Showing{Played, 40, "Z,50\r\n"_ba.repeated(10), {}, "Z,50\r\n"_ba.repeated(10),
                                                         u"很遗憾，别的玩家刚刚把这个分数挤出了排行榜。"_s};
        QTest::newRow("lock held by another game") << Showing{Played, 40, {}, u"held"_s, Played, u"保存失败，请再试一次。"_s};
        QTest::newRow("a pipe for the lock") << Showing{Played, 40, {}, u"pipe"_s, Played, u"排行榜的锁文件不是普通文件，这次没有保存。原来的分数都还在。"_s};
        QTest::newRow("a folder for the file") << Showing{Played, 40, {}, u"folder"_s, {}, u"排行榜文件读不出来，这次没有保存。原来的分数都还在。"_s};
    }

    // Each showing plays its sound. The save keeps the window answering, confirm waiting; then the player is told
    // what went wrong and sees the table as it now is.
    void leaderboard()
    {
        QFETCH(Showing, s);
        RecordingSound sound;
        const QTemporaryDir folder;
        const QString file = folder.filePath(u"kobu%1.tmp"_s.arg(s.grade));
        QWidget game;
        LeaderboardWindow window(game, sound, folder.path() + '/');
        auto *const nameBox = window.findChild<QLineEdit *>();
        auto *const confirm = window.findChild<QPushButton *>();
        const auto label = [&window](const QString &name) { return window.findChild<QLabel *>(name); };
        QVERIFY(s.before.isEmpty() || writeFile(file, s.before));
        const bool ranked = s.score > 3 || s.before.isEmpty();
        window.setFinishedGame(std::int16_t(s.grade), s.score);
        window.show();
        QCOMPARE(std::pair(label(u"heading"_s)->text(), window.windowTitle()),
                 std::pair(ranked ? u"恭喜恭喜!您上榜了。您的大名:"_s : s.title, s.title));
        QVERIFY(s.meanwhile.isEmpty() || writeFile(file, s.meanwhile));
        QLockFile otherGame(file + u".lock"_s);
        QVERIFY(s.inTheWay != u"held" || otherGame.tryLock(0));
        QVERIFY(s.inTheWay != u"pipe" || mkfifo(qPrintable(otherGame.fileName()), 0600) == 0);
        QVERIFY(s.inTheWay != u"folder" || (QFile::remove(file) && QDir().mkdir(file)));
        nameBox->setText(u"小明"_s);
        // A ranked player presses Enter in the name box; the others close the window.
        ranked ? QTest::keyClick(nameBox, Qt::Key_Return) : void(window.close());
        QCOMPARE(confirm->isEnabled(), !ranked);
        QTRY_VERIFY_WITH_TIMEOUT(confirm->isEnabled(), 20000);
        const bool tryAgain = s.told == u"保存失败，请再试一次。", stays = !s.told.isEmpty();
        QLabel *const notice = label(u"notice"_s);
        QCOMPARE(QList({window.isVisible(), nameBox->isVisible(), notice->isVisibleTo(&window)}), QList({stays, tryAgain, stays && !tryAgain}));
        QCOMPARE(contents(file), s.after);
        QCOMPARE((tryAgain ? label(u"heading"_s) : notice)->text(), stays ? s.told : notice->text());
        QVERIFY(!tryAgain || nameBox->text() == u"小明"_s);
        QCOMPARE(sound.ids(), QList<Sound>{Sound::Leaderboard});
    }

    // What waits for the game to be on screen runs once, when the window is first drawn.
    void workAfterFirstFrame()
    {
        QWidget window;
        QList<bool> runs; // whether the window was on screen at each
        afterFirstFrame(window, [&] { runs << window.windowHandle()->isExposed(); });
        QCoreApplication::processEvents();
        QVERIFY(runs.isEmpty());
        window.show();
        QTRY_COMPARE(runs, QList({true}));
        window.hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        QCOMPARE(runs, QList({true}));
    }
};

QTEST_MAIN(tst_SecondaryWindows)
#include "tst_secondarywindows.moc"
