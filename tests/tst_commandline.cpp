#include "commandline.h"

#include <QtTest>

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
        QTest::newRow("help") << QStringList{"--help"} << CommandLine{Action::PrintAndExit, "--language", false, {}};
        QTest::newRow("version") << QStringList{"--version"} << CommandLine{Action::PrintAndExit, "kobu 1.", false, {}};
        QTest::newRow("unknown option") << QStringList{"--fulscreen"} << CommandLine{Action::Fail, "fulscreen", false, {}};
        QTest::newRow("unknown language") << QStringList{"--language", "fr"} << CommandLine{Action::Fail, "zh_TW", false, {}};
        // QApplication takes -platform itself: not the player's mistake.
        QTest::newRow("full screen, English") << QStringList{"-platform", "offscreen", "--fullscreen", "--language", "en"}
                                              << CommandLine{Action::Play, {}, true, Language::English};
        QTest::newRow("parents") << QStringList{"--parents"} << CommandLine{Action::Play, {}, false, {}, true};
        QTest::newRow("knower levels") << QStringList{"--knower-levels", "trials.csv"}
                                       << CommandLine{Action::KnowerLevels, {}, false, {}, false, "trials.csv"};
    }

    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(CommandLine, expected);
        const CommandLine parsed = CommandLine::parse(QStringList{"/usr/games/kobu"} + arguments);
        QVERIFY2(parsed.text.contains(expected.text), qPrintable(parsed.text));
        QCOMPARE(std::tie(parsed.action, parsed.fullScreen, parsed.language, parsed.parentsCorner,
                          parsed.knowerLevelsFile),
                 std::tie(expected.action, expected.fullScreen, expected.language, expected.parentsCorner,
                          expected.knowerLevelsFile));
    }

    // Every way in that the desktop offers starts the game, each with its own options.
    void desktopActions()
    {
        QFile entry(QStringLiteral(KOBU_DESKTOP_ENTRY));
        QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
        QStringList actions;
        for (const QString &line : QString::fromUtf8(entry.readAll()).split(u'\n')) {
            if (line.startsWith(u"Exec="))
                actions.append(line.mid(5));
        }
        QVERIFY(actions.contains(u"kobu --parents") && actions.size() >= 2);
        for (const QString &exec : actions) {
            const CommandLine parsed = CommandLine::parse(exec.split(u' '));
            QVERIFY2(parsed.action == Action::Play, qPrintable(exec));
        }
    }
};

QTEST_APPLESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
