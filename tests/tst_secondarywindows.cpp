#include "leaderboard/leaderboardwindow.h"
#include "rulesrecorder.h"

#include <QTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

const QByteArray Played = "A,30\r\nB,20\r\nC,10\r\nD,9\r\nE,8\r\nF,7\r\nG,6\r\nH,5\r\nI,4\r\nJ,3\r\n";
// An empty file before means none; one written meanwhile comes from another game before the confirm; an empty one
// after means the rewrite fails.
struct Showing { QByteArray before; int score; QByteArray meanwhile, after; };
Q_DECLARE_METATYPE(Showing)

class tst_SecondaryWindows : public QObject
{
    Q_OBJECT
private slots:
    void leaderboard_data()
    {
        QTest::addColumn<Showing>("s");
        QTest::newRow("ranked") << Showing{Played, 40, {}, "\xD0\xA1\xC3\xF7,40\r\n" + Played.chopped(5)};
        QTest::newRow("not ranked") << Showing{Played, 3, {}, Played};
        QTest::newRow("no file") << Showing{{}, 0, {}, "\xD0\xA1\xC3\xF7,0\r\n" + "0,0\r\n"_ba.repeated(9)};
        QTest::newRow("failed rewrite") << Showing{Played, 40, {}, {}};
        QTest::newRow("pushed out meanwhile") << Showing{Played, 40, "Z,50\r\n"_ba.repeated(10), "Z,50\r\n"_ba.repeated(10)};
    }

    // Each showing plays 113; the player is told what went wrong and sees the table as it now is.
    void leaderboard()
    {
        QFETCH(Showing, s);
        RecordingSound sound;
        const QTemporaryDir folder;
        QFile file(folder.filePath(u"kobu0.tmp"_s));
        const auto write = [&file](const QByteArray &bytes) {
            return file.open(QIODevice::WriteOnly) && file.write(bytes) && (file.close(), true);
        };
        QWidget game;
        LeaderboardWindow window(game, sound, folder.path() + '/');
        auto *const nameBox = window.findChild<QLineEdit *>();
        const auto label = [&window](const QString &name) { return window.findChild<QLabel *>(name); };
        QVERIFY(s.before.isEmpty() || write(s.before));
        const bool ranked = s.score > 3 || s.before.isEmpty();
        window.setFinishedGame(0, s.score);
        window.show();
        QCOMPARE(label(u"heading"_s)->text(), ranked ? u"恭喜恭喜!您上榜了。您的大名:"_s : u"排行榜"_s);
        QVERIFY(!s.after.isEmpty() || (file.remove() && QDir().mkdir(file.fileName())));
        QVERIFY(s.meanwhile.isEmpty() || write(s.meanwhile));
        nameBox->setText(u"小明"_s);
        // A ranked player presses Enter in the name box; the others close the window.
        ranked ? QTest::keyClick(nameBox, Qt::Key_Return) : void(window.close());
        const bool pushedOut = !s.meanwhile.isEmpty();
        const bool stays = s.after.isEmpty() || pushedOut;
        QLabel *const notice = label(u"notice"_s);
        QCOMPARE(QList({window.isVisible(), nameBox->isVisible(), notice->isVisibleTo(&window)}),
                 QList({stays, stays && !pushedOut, pushedOut}));
        QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), s.after);
        QCOMPARE(label(u"heading"_s)->text() == u"保存失败，请再试一次。"_s && nameBox->text() == u"小明"_s, s.after.isEmpty());
        QVERIFY(!pushedOut || notice->text() == u"很遗憾，别的玩家刚刚把这个分数挤出了排行榜。"_s);
        QCOMPARE(sound.ids(), QList<int>{113});
    }
};

QTEST_MAIN(tst_SecondaryWindows)
#include "tst_secondarywindows.moc"
