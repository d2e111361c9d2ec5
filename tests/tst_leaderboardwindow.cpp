#include "game/soundsink.h"
#include "leaderboard/leaderboardwindow.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString RankedHeading = QStringLiteral("恭喜恭喜!您上榜了。您的大名:");
const QByteArray FreshFile = QByteArray("0,0\r\n").repeated(10);
const QByteArray PlayedFile = "Ann,50\r\nBob,40\r\nCat,40\r\nDan,30\r\nEve,20\r\n"
                              "Fay,10\r\nGus,0\r\nHal,0\r\nIda,0\r\nJo,0\r\n";

// Blocked: something else takes the ranking file's place while the name is typed.
enum Setup { Played, NoFile, Blocked };
enum Act { Enter, Button, CloseBox };

// A leaderboard over a ranking folder of its own, beside a stand-in game window.
struct Board : SoundSink
{
    void PlayWav(int id) override { played.append(id); }
    QList<int> played;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("kobu1.tmp"));
    QWidget game;
    LeaderboardWindow window{game, *this, folder.path() + QLatin1Char('/')};
    QLabel *heading = window.findChild<QLabel *>(QStringLiteral("Labt"));
    QLineEdit *nameBox = window.findChild<QLineEdit *>(QStringLiteral("Text1"));
    QPushButton *button = window.findChild<QPushButton *>(QStringLiteral("Command1"));

    QByteArray file() const { QFile f(path); return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(); }
    void open(int fc) { window.fcount = fc; window.show(); QVERIFY(QTest::qWaitForWindowExposed(&window)); }
    bool headingFits() const { return heading->fontMetrics().horizontalAdvance(heading->text()) <= heading->width(); }
    QByteArray rows() const // the visible rows in the file's own layout
    {
        QString shown;
        for (int i = 0; i < 10; ++i) {
            const auto *name = window.findChild<QLabel *>(QStringLiteral("Label1_%1").arg(i));
            const auto *score = window.findChild<QLabel *>(QStringLiteral("Label2_%1").arg(i));
            if (name->isVisible() && score->isVisible())
                shown += name->text() + ',' + score->text() + "\r\n";
        }
        return QStringEncoder("GB18030").encode(shown);
    }
    void checkOpening(bool ranked, const QByteArray &table)
    {
        QVERIFY(!game.isEnabled());
        QCOMPARE(heading->text(), ranked ? RankedHeading : QStringLiteral("排行榜"));
        QVERIFY(headingFits());
        QCOMPARE(nameBox->isVisible(), ranked);
        QCOMPARE(button->isVisible(), ranked);
        QCOMPARE(button->text(), QStringLiteral("确认"));
        QCOMPARE(rows(), table);
        if (ranked) {
            QVERIFY(nameBox->text().isEmpty());
            QVERIFY(QTest::qWaitForWindowActive(&window));
            QCOMPARE(QApplication::focusWidget(), nameBox);
        }
    }
};

} // namespace

class tst_LeaderboardWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); } // never the player's own files
    void session_data();
    void session();
};

void tst_LeaderboardWindow::session_data()
{
    QTest::addColumn<int>("setup");
    QTest::addColumn<int>("fcount");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("act");
    QTest::addColumn<QByteArray>("after");

    const auto atRank4 = [](const QByteArray &name) {
        return PlayedFile.first(24) + name + ",40\r\n" + PlayedFile.sliced(24).chopped(6); // Jo drops out
    };
    const QByteArray xiaoMing = "\xD0\xA1\xC3\xF7"; // GB18030
    const QString zoe = QStringLiteral("Zoe");
    QTest::newRow("equal to rank 10: not ranked") << +Played << 0 << QString() << +CloseBox << PlayedFile;
    QTest::newRow("below rank 10") << +Played << -5 << QString() << +CloseBox << PlayedFile;
    QTest::newRow("above rank 1, close box") << +Played << 60 << zoe << +CloseBox << PlayedFile;
    QTest::newRow("one above rank 10, empty, Enter") << +Played << 1 << QString() << +Enter << PlayedFile;
    QTest::newRow("empty, button") << +Played << 40 << QString() << +Button << PlayedFile;
    QTest::newRow("ties rank below, Enter") << +Played << 40 << zoe << +Enter << atRank4("Zoe");
    QTest::newRow("blanks kept, button") << +Played << 40 << QStringLiteral(" a b ") << +Button << atRank4(" a b ");
    QTest::newRow("Chinese") << +Played << 40 << QStringLiteral("小明") << +Enter << atRank4(xiaoMing);
    QTest::newRow("longer than the file keeps") << +Played << 40 << QString(Ranking::MaxNameLength + 1, 'x') << +Enter
                                                << atRank4(QByteArray(Ranking::MaxNameLength, 'x'));
    QTest::newRow("no file: fresh one, 0 ranks") << +NoFile << 0 << zoe << +CloseBox << FreshFile;
    QTest::newRow("no file: first at rank 1") << +NoFile << 40 << zoe << +Button << "Zoe,40\r\n" + FreshFile.first(45);
    QTest::newRow("failed rewrite") << +Blocked << 40 << QStringLiteral("小明") << +Button << atRank4(xiaoMing);
}

// Saving closes the window and gives the game window back; the close box keeps the file.
void tst_LeaderboardWindow::session()
{
    QFETCH(int, setup);
    QFETCH(int, fcount);
    QFETCH(QString, name);
    QFETCH(int, act);
    QFETCH(QByteArray, after);
    const QByteArray before = setup == NoFile ? FreshFile : PlayedFile;
    Board board;
    if (QFile f(board.path); setup != NoFile && f.open(QIODevice::WriteOnly))
        f.write(before);
    board.game.show();
    board.window.grd = 1;
    board.open(fcount);
    QCOMPARE(board.played, QList<int>{113});
    board.checkOpening(fcount > 0 || setup == NoFile, before);

    const bool blocked = setup == Blocked;
    if (blocked)
        QVERIFY(QFile::remove(board.path) && QDir().mkdir(board.path));
    board.nameBox->setText(name);
    if (act == CloseBox)
        QVERIFY(board.window.close());
    else if (act == Button)
        QTest::mouseClick(board.button, Qt::LeftButton);
    else
        QTest::keyClick(board.nameBox, Qt::Key_Return);
    const bool stays = act != CloseBox && (name.isEmpty() || blocked);
    QCOMPARE(board.nameBox->text(), name.left(Ranking::MaxNameLength));
    QCOMPARE(board.window.isVisible(), stays);
    QCOMPARE(board.game.isEnabled(), !stays);
    if (blocked) {
        // The player is told, and once the way is clear, trying again saves.
        QVERIFY(board.heading->text() != RankedHeading);
        QVERIFY(board.headingFits());
        QVERIFY(QDir().rmdir(board.path));
        QTest::keyClick(board.nameBox, Qt::Key_Return);
        QVERIFY(!board.window.isVisible());
    }
    QCOMPARE(board.file(), after);
    if (stays && !blocked)
        return;
    // The next opening plays its sound too and starts afresh, even after the button had the focus.
    board.open(fcount);
    QCOMPARE(board.played, QList<int>(2, 113));
    board.checkOpening(fcount > 0, after);
}

QTEST_MAIN(tst_LeaderboardWindow)
#include "tst_leaderboardwindow.moc"
