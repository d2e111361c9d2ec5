#include "game/soundsink.h"
#include "leaderboard/leaderboardwindow.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString RankedHeading = QStringLiteral("恭喜恭喜!您上榜了。您的大名:");
const QString NotRankedHeading = QStringLiteral("排行榜");
constexpr int OpeningSound = 113;

const QByteArray FreshFile = QByteArray("0,0\r\n").repeated(10);

const QByteArray PlayedFile = "Ann,50\r\nBob,40\r\nCat,40\r\nDan,30\r\nEve,20\r\n"
                              "Fay,10\r\nGus,0\r\nHal,0\r\nIda,0\r\nJo,0\r\n";
const QStringList PlayedRows = {"Ann 50", "Bob 40", "Cat 40", "Dan 30", "Eve 20",
                                "Fay 10", "Gus 0",  "Hal 0",  "Ida 0",  "Jo 0"};

// 小明 in GB18030
const QByteArray XiaoMingBytes = "\xD0\xA1\xC3\xF7";

class RecordingSound : public SoundSink
{
public:
    void PlayWav(int id) override { played.append(id); }
    QList<int> played;
};

// A leaderboard over a ranking folder of its own, beside a stand-in game window.
struct Leaderboard
{
    QTemporaryDir folder;
    QWidget game;
    RecordingSound sound;
    LeaderboardWindow window{game, sound, folder.path() + QLatin1Char('/')};

    Leaderboard() { game.show(); }

    QString rankingFile() const { return folder.filePath(QStringLiteral("kobu1.tmp")); }

    void writeRankingFile(const QByteArray &bytes) const
    {
        QFile file(rankingFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    QByteArray rankingFileBytes() const
    {
        QFile file(rankingFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void open(std::int32_t fcount)
    {
        window.grd = 1;
        window.fcount = fcount;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    QLabel *heading() const { return window.findChild<QLabel *>(QStringLiteral("Labt")); }
    QLineEdit *nameBox() const { return window.findChild<QLineEdit *>(QStringLiteral("Text1")); }
    QPushButton *confirmButton() const { return window.findChild<QPushButton *>(QStringLiteral("Command1")); }

    QStringList rows() const
    {
        QStringList shown;
        for (int i = 0; i < 10; ++i) {
            const auto *name = window.findChild<QLabel *>(QStringLiteral("Label1_%1").arg(i));
            const auto *score = window.findChild<QLabel *>(QStringLiteral("Label2_%1").arg(i));
            if (!name || !score || !name->isVisible() || !score->isVisible())
                return shown;
            shown.append(name->text() + QLatin1Char(' ') + score->text());
        }
        return shown;
    }

    // What a player does: type, then press Enter in the box or click the button.
    void enterName(const QString &name, bool withButton)
    {
        nameBox()->setText(name);
        if (withButton)
            QTest::mouseClick(confirmButton(), Qt::LeftButton);
        else
            QTest::keyClick(nameBox(), Qt::Key_Return);
    }
};

bool fitsOnOneLine(const QLabel *label)
{
    return label->fontMetrics().horizontalAdvance(label->text()) <= label->width()
        && label->fontMetrics().height() <= label->height();
}

} // namespace

class tst_LeaderboardWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void design();
    void opening_data();
    void opening();
    void firstGameWithoutFile();
    void confirm_data();
    void confirm();
    void closeBoxKeepsFile();
    void failedRewriteKeepsName();
    void everyOpeningPlaysSound();
    void reopeningShowsNewEntry();
};

void tst_LeaderboardWindow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void tst_LeaderboardWindow::design()
{
    Leaderboard board;
    board.open(0);
    const LeaderboardWindow &window = board.window;

    QCOMPARE(window.objectName(), QStringLiteral("Form2"));
    QCOMPARE(window.windowTitle(), QStringLiteral("排行榜"));
    QCOMPARE(window.size(), QSize(358, 319));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(!(window.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
    QCOMPARE(window.palette().color(QPalette::Window), QColor(Qt::white));

    QCOMPARE(board.heading()->geometry(), QRect(24, 16, 217, 25));
    QCOMPARE(board.nameBox()->geometry(), QRect(24, 40, 225, 25));
    QCOMPARE(board.confirmButton()->geometry(), QRect(272, 40, 41, 25));
    QCOMPARE(board.confirmButton()->text(), QStringLiteral("确认"));
    QCOMPARE(board.heading()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QVERIFY(board.heading()->font().bold());
    QVERIFY(board.heading()->alignment() & Qt::AlignHCenter);

    for (int i = 0; i < 10; ++i) {
        const auto *name = window.findChild<QLabel *>(QStringLiteral("Label1_%1").arg(i));
        const auto *score = window.findChild<QLabel *>(QStringLiteral("Label2_%1").arg(i));
        QVERIFY(name && score);
        QCOMPARE(name->geometry(), QRect(24, 80 + 24 * i, 81, 25));
        QCOMPARE(score->geometry(), QRect(152, 80 + 24 * i, 89, 25));
    }
}

void tst_LeaderboardWindow::opening_data()
{
    QTest::addColumn<std::int32_t>("fcount");
    QTest::addColumn<bool>("ranked");

    QTest::newRow("above rank 1") << 60 << true;
    QTest::newRow("ties rank below") << 40 << true;
    QTest::newRow("one above rank 10") << 1 << true;
    QTest::newRow("equal to rank 10") << 0 << false;
    QTest::newRow("below rank 10") << -5 << false;
}

void tst_LeaderboardWindow::opening()
{
    QFETCH(std::int32_t, fcount);
    QFETCH(bool, ranked);

    Leaderboard board;
    board.writeRankingFile(PlayedFile);
    board.open(fcount);

    QVERIFY(!board.game.isEnabled());
    QCOMPARE(board.heading()->text(), ranked ? RankedHeading : NotRankedHeading);
    QVERIFY(fitsOnOneLine(board.heading()));
    QCOMPARE(board.nameBox()->isVisible(), ranked);
    QCOMPARE(board.confirmButton()->isVisible(), ranked);
    if (ranked) {
        QVERIFY(QTest::qWaitForWindowActive(&board.window));
        QCOMPARE(QApplication::focusWidget(), board.nameBox());
    }
    // The table as it was before this game.
    QCOMPARE(board.rows(), PlayedRows);

    board.window.close();
    QVERIFY(board.game.isEnabled());
    QCOMPARE(board.rankingFileBytes(), PlayedFile);
}

void tst_LeaderboardWindow::firstGameWithoutFile()
{
    Leaderboard board;
    board.open(0);

    QCOMPARE(board.rankingFileBytes(), FreshFile);
    QCOMPARE(board.rows(), QStringList(10, QStringLiteral("0 0")));
    // Even a score of 0 ranks first after a fresh file.
    QCOMPARE(board.heading()->text(), RankedHeading);
    QVERIFY(board.nameBox()->isVisible());

    board.enterName(QStringLiteral("Tom"), false);
    QCOMPARE(board.rankingFileBytes(), "Tom,0\r\n" + QByteArray("0,0\r\n").repeated(9));
    QVERIFY(!board.window.isVisible());
}

void tst_LeaderboardWindow::confirm_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("withButton");
    QTest::addColumn<QByteArray>("expectedFile");

    const QByteArray unchanged = PlayedFile;
    const auto insertedAtRank4 = [](const QByteArray &line) {
        return "Ann,50\r\nBob,40\r\nCat,40\r\n" + line + "Dan,30\r\nEve,20\r\nFay,10\r\nGus,0\r\nHal,0\r\nIda,0\r\n";
    };

    QTest::newRow("empty, Enter") << QString() << false << unchanged;
    QTest::newRow("empty, button") << QString() << true << unchanged;
    QTest::newRow("Latin, Enter") << QStringLiteral("Zoe") << false << insertedAtRank4("Zoe,40\r\n");
    QTest::newRow("Latin, button") << QStringLiteral("Zoe") << true << insertedAtRank4("Zoe,40\r\n");
    QTest::newRow("Chinese") << QStringLiteral("小明") << false << insertedAtRank4(XiaoMingBytes + ",40\r\n");
    QTest::newRow("blanks kept as typed") << QStringLiteral(" a b ") << true << insertedAtRank4(" a b ,40\r\n");
    QTest::newRow("longer than the file keeps")
        << QString(Ranking::MaxNameLength + 1, QLatin1Char('x')) << false
        << insertedAtRank4(QByteArray(Ranking::MaxNameLength, 'x') + ",40\r\n");
}

void tst_LeaderboardWindow::confirm()
{
    QFETCH(QString, name);
    QFETCH(bool, withButton);
    QFETCH(QByteArray, expectedFile);

    Leaderboard board;
    board.writeRankingFile(PlayedFile);
    board.open(40);
    board.enterName(name, withButton);

    QCOMPARE(board.nameBox()->text(), name.left(Ranking::MaxNameLength));
    const bool saved = !name.isEmpty();
    QCOMPARE(board.window.isVisible(), !saved);
    QCOMPARE(board.game.isEnabled(), saved);
    QCOMPARE(board.rankingFileBytes(), expectedFile);
}

void tst_LeaderboardWindow::closeBoxKeepsFile()
{
    Leaderboard board;
    board.writeRankingFile(PlayedFile);
    board.open(100);
    board.nameBox()->setText(QStringLiteral("Zoe"));

    QVERIFY(board.window.close());
    QVERIFY(board.game.isEnabled());
    QCOMPARE(board.rankingFileBytes(), PlayedFile);
}

void tst_LeaderboardWindow::failedRewriteKeepsName()
{
    Leaderboard board;
    board.writeRankingFile(PlayedFile);
    board.open(100);

    // Something else takes the file's place while the name is typed.
    QVERIFY(QFile::remove(board.rankingFile()));
    QVERIFY(QDir(board.folder.path()).mkdir(QStringLiteral("kobu1.tmp")));
    board.enterName(QStringLiteral("小明"), true);

    QVERIFY(board.window.isVisible());
    QVERIFY(!board.game.isEnabled());
    QCOMPARE(board.nameBox()->text(), QStringLiteral("小明"));
    QVERIFY(board.heading()->text() != RankedHeading);
    QVERIFY(fitsOnOneLine(board.heading()));

    // Once the way is clear, trying again saves the name.
    QVERIFY(QDir(board.folder.path()).rmdir(QStringLiteral("kobu1.tmp")));
    QTest::keyClick(board.nameBox(), Qt::Key_Return);
    QVERIFY(!board.window.isVisible());
    QVERIFY(board.game.isEnabled());
    QVERIFY(board.rankingFileBytes().startsWith(XiaoMingBytes + ",100\r\nAnn,50\r\n"));
}

void tst_LeaderboardWindow::everyOpeningPlaysSound()
{
    Leaderboard board;
    board.open(0); // fresh file
    board.window.show(); // already open: not a new opening
    QCOMPARE(board.sound.played, QList<int>{OpeningSound});
    board.window.close();

    board.open(0); // not ranked
    board.window.close();
    QCOMPARE(board.sound.played, QList<int>(2, OpeningSound));
}

void tst_LeaderboardWindow::reopeningShowsNewEntry()
{
    Leaderboard board;
    board.writeRankingFile(PlayedFile);
    board.open(45);
    board.enterName(QStringLiteral("Zoe"), true);
    QVERIFY(!board.window.isVisible());

    board.open(45);
    QCOMPARE(board.rows().mid(0, 3), (QStringList{"Ann 50", "Zoe 45", "Bob 40"}));
    QCOMPARE(board.rows().last(), QStringLiteral("Ida 0"));
    QVERIFY(!board.game.isEnabled());
    // Each opening starts afresh: empty name box, and the focus back in it
    // although the button had it last time.
    QCOMPARE(board.heading()->text(), RankedHeading);
    QVERIFY(board.nameBox()->text().isEmpty());
    QVERIFY(QTest::qWaitForWindowActive(&board.window));
    QCOMPARE(QApplication::focusWidget(), board.nameBox());
}

QTEST_MAIN(tst_LeaderboardWindow)
#include "tst_leaderboardwindow.moc"
