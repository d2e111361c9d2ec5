#include "help/helpwindow.h"

#include <QLabel>
#include <QTest>

class tst_HelpWindow : public QObject
{
    Q_OBJECT

private slots:
    void opening_data();
    void opening();
};

void tst_HelpWindow::opening_data()
{
    QTest::addColumn<QPoint>("gameWindowPlace");
    QTest::newRow("game window at its start place") << QPoint(53, 53);
    QTest::newRow("game window moved away") << QPoint(400, 300);
}

// Each opening: at its own place whatever the game window's, which stays disabled until closed.
void tst_HelpWindow::opening()
{
    QFETCH(QPoint, gameWindowPlace);
    QWidget game;
    HelpWindow window(game);
    game.move(gameWindowPlace);
    game.show();
    for (int opening = 1; opening <= 2; ++opening) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("帮助"));
        QCOMPARE(window.size(), QSize(331, 239));
        QCOMPARE(window.pos(), QPoint(147, 133)); // 2200 x 2000 twips at 15 to the pixel
        QVERIFY(!game.isEnabled());

        const auto *label = window.findChild<QLabel *>(QStringLiteral("Label1"));
        QVERIFY(label);
        QCOMPARE(label->text(), QStringLiteral("游戏目的：帮助儿童学习数数。\r\n\r\n"
                                               "游戏方法：点击三角按钮开始游戏，跟据给出的数字，用鼠标点击小猴上火车，"
                                               "小猴个数够了以后，点击火车头，咕噜号就会开走了。点击火车车厢可以让小猴都下火车。"
                                               "也可以敲空格键让小猴上火车，敲回车键让火车开。"));
        // All of it wrapped inside the label.
        const QRect shown = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), QWIDGETSIZE_MAX),
                                                              Qt::AlignLeft | Qt::TextWordWrap, label->text());
        QVERIFY(label->wordWrap());
        QVERIFY2(shown.height() <= label->height(), qPrintable(QString::number(shown.height())));
        QVERIFY(shown.width() <= label->width());

        window.move(200, 200); // moved by the player, it still reopens at its own place
        QVERIFY(window.close());
        QVERIFY(!window.isVisible());
        QVERIFY(game.isEnabled());
    }
}

QTEST_MAIN(tst_HelpWindow)
#include "tst_helpwindow.moc"
