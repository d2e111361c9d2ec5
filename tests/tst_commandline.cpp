#include "commandline.h"

#include <QtTest>

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<CommandLine::Action>("action");
        QTest::addColumn<bool>("fullScreen");
        QTest::addColumn<QString>("textHas");

        using A = CommandLine::Action;
        QTest::newRow("nothing") << QStringList{} << A::Play << false << QString();
        QTest::newRow("full screen") << QStringList{"--fullscreen"} << A::Play << true << QString();
        QTest::newRow("help") << QStringList{"--help"} << A::PrintAndExit << false << "--fullscreen";
        QTest::newRow("help names the program") << QStringList{"-h"} << A::PrintAndExit << false << "kobu [options]";
        QTest::newRow("help wins over full screen")
            << QStringList{"--fullscreen", "--help"} << A::PrintAndExit << true << "--version";
        QTest::newRow("version") << QStringList{"--version"} << A::PrintAndExit << false << "kobu 1.";
        QTest::newRow("unknown option") << QStringList{"--fulscreen"} << A::Fail << false << "fulscreen";
        QTest::newRow("unknown short option") << QStringList{"-x"} << A::Fail << false << "--help";
        QTest::newRow("stray argument") << QStringList{"level2"} << A::Fail << false << "level2";
        QTest::newRow("value for a switch") << QStringList{"--fullscreen=yes"} << A::Fail << false << "fullscreen";
        // QApplication takes these itself: they are not the player's mistakes.
        QTest::newRow("Qt platform option")
            << QStringList{"-platform", "offscreen", "--fullscreen"} << A::Play << true << QString();
    }
    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(CommandLine::Action, action);
        QFETCH(bool, fullScreen);
        QFETCH(QString, textHas);
        arguments.prepend(QStringLiteral("/usr/games/kobu"));
        const CommandLine parsed = CommandLine::parse(arguments);
        QCOMPARE(parsed.action, action);
        if (action == CommandLine::Action::Play)
            QCOMPARE(parsed.fullScreen, fullScreen);
        QVERIFY2(parsed.text.contains(textHas), qPrintable(parsed.text));
        QCOMPARE(parsed.text.isEmpty(), action == CommandLine::Action::Play);
    }
};

QTEST_APPLESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
