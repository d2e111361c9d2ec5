#include "help/helpwindow.h"
#include "leaderboard/leaderboardwindow.h"
#include "rulesrecorder.h"

#include <QTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

const QByteArray Played = "A,30\r\nB,20\r\nC,10\r\nD,9\r\nE,8\r\nF,7\r\nG,6\r\nH,5\r\nI,4\r\nJ,3\r\n";
enum Act { CloseBox, Enter, Button };

struct Board
{
    RecordingSound sound;
    QTemporaryDir folder;
    QFile file{folder.filePath(u"kobu0.tmp"_s)};
    QWidget game;
    LeaderboardWindow window{game, sound, folder.path() + '/'};
    QLineEdit *nameBox = window.findChild<QLineEdit *>();
    QString text(const QString &label) const { return window.findChild<QLabel *>(label)->text(); }
};

class tst_SecondaryWindows : public QObject
{
    Q_OBJECT
private slots:
    void leaderboard_data()
    {
        QTest::addColumn<QByteArray>("before"); // empty: no ranking file
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("act");
        QTest::addColumn<QByteArray>("meanwhile"); // written by another game before the confirm
        QTest::addColumn<QByteArray>("after"); // empty: the rewrite fails
        const QByteArray none;
        QTest::newRow("ranked") << Played << 40 << u"小明"_s << +Enter << none << "\xD0\xA1\xC3\xF7,40\r\n" + Played.chopped(5);
        QTest::newRow("not ranked") << Played << 3 << QString() << +CloseBox << none << Played;
        QTest::newRow("close box") << Played << 60 << u"Zoe"_s << +CloseBox << none << Played;
        QTest::newRow("empty name") << Played << 40 << QString() << +Button << none << Played;
        QTest::newRow("no file") << QByteArray() << 0 << u"Zoe"_s << +Button << none << "Zoe,0\r\n" + "0,0\r\n"_ba.repeated(9);
        QTest::newRow("failed rewrite") << Played << 40 << u"小明"_s << +Button << none << QByteArray();
        const QByteArray other = "kid2,35\r\n" + Played.chopped(5);
        QTest::newRow("another game saved") << Played << 40 << u"kid1"_s << +Button << other << "kid1,40\r\n" + other.chopped(5);
        const QByteArray better = "Z,50\r\n"_ba.repeated(10);
        QTest::newRow("pushed out meanwhile") << Played << 40 << u"kid1"_s << +Button << better << better;
    }

    void leaderboard()
    {
        QFETCH(QByteArray, before);
        QFETCH(int, score);
        QFETCH(QString, name);
        QFETCH(int, act);
        QFETCH(QByteArray, meanwhile);
        QFETCH(QByteArray, after);
        Board board;
        QVERIFY(before.isEmpty() || (board.file.open(QIODevice::WriteOnly) && board.file.write(before)));
        board.file.close();
        const bool ranked = score > 3 || before.isEmpty();
        board.window.setFinishedGame(0, score);
        board.window.show();
        QVERIFY(!board.game.isEnabled() && board.file.exists());
        QCOMPARE(board.text(u"heading"_s), ranked ? u"恭喜恭喜!您上榜了。您的大名:"_s : u"排行榜"_s);
        QCOMPARE(board.window.findChild<QPushButton *>()->isVisible(), ranked);
        QCOMPARE(board.nameBox->isVisible() && board.window.focusWidget() == board.nameBox, ranked);
        QCOMPARE(board.text(u"rankName2"_s) + board.text(u"rankScore9"_s), before.isEmpty() ? u"00"_s : u"C3"_s);
        QVERIFY(!after.isEmpty() || (board.file.remove() && QDir().mkdir(board.file.fileName())));
        QVERIFY(meanwhile.isEmpty() || (board.file.open(QIODevice::WriteOnly) && board.file.write(meanwhile)));
        board.file.close();
        const bool pushedOut = !meanwhile.isEmpty() && after == meanwhile;
        board.nameBox->setText(name);
        if (act == CloseBox)
            QVERIFY(board.window.close());
        else if (act == Enter)
            QTest::keyClick(board.nameBox, Qt::Key_Return);
        else
            QTest::mouseClick(board.window.findChild<QPushButton *>(), Qt::LeftButton);
        const bool stays = act != CloseBox && (name.isEmpty() || after.isEmpty() || pushedOut);
        QCOMPARE(QList({board.window.isVisible(), board.game.isEnabled()}), QList({stays, !stays}));
        QCOMPARE(board.file.open(QIODevice::ReadOnly) ? board.file.readAll() : QByteArray(), after);
        QCOMPARE(board.text(u"heading"_s) == u"保存失败，请再试一次。"_s && board.nameBox->text() == name, after.isEmpty());
        // The player is told, and sees the table as it now is.
        QLabel *notice = board.window.findChild<QLabel *>(u"notice"_s);
        QCOMPARE(notice->isVisibleTo(&board.window) && notice->text() == u"很遗憾，别的玩家刚刚把这个分数挤出了排行榜。"_s, pushedOut);
        QCOMPARE(board.window.findChild<QLabel *>(u"heading"_s)->isVisibleTo(&board.window), !pushedOut);
        QVERIFY(notice->heightForWidth(notice->width()) <= notice->height());
        QCOMPARE(board.nameBox->isVisible(), stays && !pushedOut);
        if (pushedOut)
            QCOMPARE(board.text(u"rankName2"_s) + board.text(u"rankScore9"_s), u"Z50"_s);
        board.window.close();
        board.window.show();
        QCOMPARE(board.sound.ids(), QList<int>(2, 113));
    }

    void help()
    {
        QWidget game;
        HelpWindow window(game);
        game.move(400, 300);
        window.show();
        QCOMPARE(window.pos(), QPoint(147, 133));
        QVERIFY(!game.isEnabled());
        QCOMPARE(window.findChild<QLabel *>()->text(),
                 u"游戏目的：帮助儿童学习数数。\r\n\r\n游戏方法：点击三角按钮开始游戏，跟据给出的数字，用鼠标点击小猴上火车，小猴个数够了以后，"
                 "点击火车头，咕噜号就会开走了。点击火车车厢可以让小猴都下火车。也可以敲空格键让小猴上火车，敲回车键让火车开。"_s);
        QVERIFY(window.close() && game.isEnabled());
    }
};

QTEST_MAIN(tst_SecondaryWindows)
#include "tst_secondarywindows.moc"
