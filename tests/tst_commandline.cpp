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
        QTest::addColumn<int>("language"); // -1: the desktop's

        using A = CommandLine::Action;
        QTest::newRow("nothing") << QStringList{} << A::Play << false << QString() << -1;
        QTest::newRow("full screen") << QStringList{"--fullscreen"} << A::Play << true << QString() << -1;
        QTest::newRow("help") << QStringList{"--help"} << A::PrintAndExit << false << "--fullscreen" << -1;
        QTest::newRow("help names the program") << QStringList{"-h"} << A::PrintAndExit << false << "kobu [options]" << -1;
        QTest::newRow("help wins over full screen")
            << QStringList{"--fullscreen", "--help"} << A::PrintAndExit << true << "--version" << -1;
        QTest::newRow("version") << QStringList{"--version"} << A::PrintAndExit << false << "kobu 1." << -1;
        QTest::newRow("unknown option") << QStringList{"--fulscreen"} << A::Fail << false << "fulscreen" << -1;
        QTest::newRow("unknown short option") << QStringList{"-x"} << A::Fail << false << "--help" << -1;
        QTest::newRow("stray argument") << QStringList{"level2"} << A::Fail << false << "level2" << -1;
        QTest::newRow("value for a switch") << QStringList{"--fullscreen=yes"} << A::Fail << false << "fullscreen" << -1;
        QTest::newRow("Simplified") << QStringList{"--language", "zh_CN"} << A::Play << false << QString()
                                    << int(Language::SimplifiedMandarin);
        QTest::newRow("Traditional") << QStringList{"--language=zh_TW"} << A::Play << false << QString()
                                     << int(Language::TraditionalMandarin);
        QTest::newRow("Cantonese") << QStringList{"--language", "zh_HK"} << A::Play << false << QString()
                                   << int(Language::Cantonese);
        QTest::newRow("English") << QStringList{"--language", "en", "--fullscreen"} << A::Play << true << QString()
                                 << int(Language::English);
        QTest::newRow("unknown language") << QStringList{"--language", "fr"} << A::Fail << false << "zh_CN|zh_TW" << -1;
        QTest::newRow("a locale, not a code") << QStringList{"--language", "en_US"} << A::Fail << false << "en_US" << -1;
        QTest::newRow("no language") << QStringList{"--language"} << A::Fail << false << "language" << -1;
        QTest::newRow("help lists the languages") << QStringList{"--help"} << A::PrintAndExit << false << "zh_HK" << -1;
        // QApplication takes these itself: they are not the player's mistakes.
        QTest::newRow("Qt platform option")
            << QStringList{"-platform", "offscreen", "--fullscreen"} << A::Play << true << QString() << -1;
    }
    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(CommandLine::Action, action);
        QFETCH(bool, fullScreen);
        QFETCH(QString, textHas);
        QFETCH(int, language);
        arguments.prepend(QStringLiteral("/usr/games/kobu"));
        const CommandLine parsed = CommandLine::parse(arguments);
        QCOMPARE(parsed.action, action);
        if (action == CommandLine::Action::Play)
            QCOMPARE(parsed.fullScreen, fullScreen);
        QVERIFY2(parsed.text.contains(textHas), qPrintable(parsed.text));
        QCOMPARE(parsed.text.isEmpty(), action == CommandLine::Action::Play);
        QCOMPARE(parsed.language ? int(*parsed.language) : -1, language);
    }
};

QTEST_APPLESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
