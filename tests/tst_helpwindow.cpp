#include "help/helpwindow.h"

#include <QLabel>
#include <QTest>

namespace {

const QString ExpectedText = QStringLiteral(
    "游戏目的：帮助儿童学习数数。\r\n\r\n"
    "游戏方法：点击三角按钮开始游戏，跟据给出的数字，用鼠标点击小猴上火车，小猴个数够了以后，"
    "点击火车头，咕噜号就会开走了。点击火车车厢可以让小猴都下火车。"
    "也可以敲空格键让小猴上火车，敲回车键让火车开。");

// 2200 x 2000 twips at 15 twips to the pixel.
const QPoint HelpPlace(147, 133);

struct Help
{
    QWidget game;
    HelpWindow window{game};

    QLabel *text() const { return window.findChild<QLabel *>(QStringLiteral("Label1")); }

    void open()
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
};

QRect wrappedTextRect(const QLabel *label, const QString &text)
{
    return label->fontMetrics().boundingRect(QRect(QPoint(), QSize(label->width(), QWIDGETSIZE_MAX)),
                                             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
}

} // namespace

class tst_HelpWindow : public QObject
{
    Q_OBJECT

private slots:
    void design();
    void text();
    void place_data();
    void place();
    void blocksGameWindow();
};

void tst_HelpWindow::design()
{
    Help help;
    help.open();

    QCOMPARE(help.window.objectName(), QStringLiteral("Form3"));
    QCOMPARE(help.window.windowTitle(), QStringLiteral("帮助"));
    QCOMPARE(help.window.size(), QSize(331, 239));
    QCOMPARE(help.window.minimumSize(), help.window.maximumSize());
    QVERIFY(!(help.window.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
    QCOMPARE(help.window.palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(help.text());
    QCOMPARE(help.text()->geometry(), QRect(16, 16, 297, 201));
}

void tst_HelpWindow::text()
{
    Help help;
    help.open();
    const QLabel *label = help.text();

    QCOMPARE(label->text(), ExpectedText);
    QVERIFY(label->wordWrap());

    // All of it inside the label, the aim and the method a blank line apart.
    const QRect shown = wrappedTextRect(label, label->text());
    QVERIFY2(shown.height() <= label->height(), qPrintable(QString::number(shown.height())));
    QVERIFY(shown.width() <= label->width());
    QString withLineFeeds = label->text();
    withLineFeeds.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(shown, wrappedTextRect(label, withLineFeeds));
    QString withoutBlankLine = withLineFeeds;
    withoutBlankLine.replace(QStringLiteral("\n\n"), QStringLiteral("\n"));
    QVERIFY(shown.height() > wrappedTextRect(label, withoutBlankLine).height());
}

void tst_HelpWindow::place_data()
{
    QTest::addColumn<QPoint>("gameWindowPlace");

    QTest::newRow("game window at its start place") << QPoint(53, 53);
    QTest::newRow("game window moved away") << QPoint(400, 300);
    QTest::newRow("game window at the origin") << QPoint(0, 0);
}

void tst_HelpWindow::place()
{
    QFETCH(QPoint, gameWindowPlace);

    Help help;
    help.game.move(gameWindowPlace);
    help.game.show();
    help.open();
    QCOMPARE(help.window.pos(), HelpPlace);

    // Moved by the player, it still reopens at its own place.
    help.window.move(HelpPlace + QPoint(90, 40));
    help.window.close();
    help.open();
    QCOMPARE(help.window.pos(), HelpPlace);
}

void tst_HelpWindow::blocksGameWindow()
{
    Help help;
    help.game.show();

    for (int opening = 1; opening <= 2; ++opening) {
        help.open();
        QVERIFY(help.window.isVisible());
        QVERIFY(!help.game.isEnabled());
        QCOMPARE(help.text()->text(), ExpectedText);

        QVERIFY(help.window.close());
        QVERIFY(!help.window.isVisible());
        QVERIFY(help.game.isEnabled());
    }
}

QTEST_MAIN(tst_HelpWindow)
#include "tst_helpwindow.moc"
