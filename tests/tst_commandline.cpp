#include "commandline.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using Action = CommandLine::Action;

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    // The expected text is a part of what is printed, or of the complaint.
    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<CommandLine>("expected");
        QTest::newRow("nothing") << QStringList{} << CommandLine{};
        QTest::newRow("help") << QStringList{"--help"} << CommandLine{Action::PrintAndExit, u"--language"_s};
        QTest::newRow("version") << QStringList{"--version"} << CommandLine{Action::PrintAndExit, u"kobu 1."_s};
        QTest::newRow("unknown option") << QStringList{"--fulscreen"} << CommandLine{Action::Fail, u"fulscreen"_s};
        QTest::newRow("stray argument") << QStringList{"level2"} << CommandLine{Action::Fail, u"level2"_s};
        QTest::newRow("unknown language") << QStringList{"--language", "fr"} << CommandLine{Action::Fail, u"zh_TW"_s};
        QTest::newRow("Traditional") << QStringList{"--language=zh_TW"}
                                     << CommandLine{Action::Play, {}, false, Language::TraditionalMandarin};
        // QApplication takes -platform itself: not the player's mistake.
        QTest::newRow("full screen, English") << QStringList{"-platform", "offscreen", "--fullscreen", "--language", "en"}
                                              << CommandLine{Action::Play, {}, true, Language::English};
    }

    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(CommandLine, expected);
        const CommandLine parsed = CommandLine::parse(QStringList{u"/usr/games/kobu"_s} + arguments);
        QVERIFY2(parsed.text.contains(expected.text) && parsed.text.isEmpty() == (expected.action == Action::Play),
                 qPrintable(parsed.text));
        QCOMPARE(std::tie(parsed.action, parsed.fullScreen, parsed.language),
                 std::tie(expected.action, expected.fullScreen, expected.language));
    }
};

QTEST_APPLESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
