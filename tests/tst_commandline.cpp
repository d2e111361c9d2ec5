#include "commandline.h"
#include "screens.h"

#include <QProcess>
#include <QtTest>

using namespace Qt::StringLiterals;
using Action = CommandLine::Action;

// All that the game takes from a command line but the text.
static auto fields(const CommandLine &c)
{
    return std::tie(c.action, c.fullScreen, c.language, c.parentsCorner, c.player, c.grade, c.knowerLevelsFile,
                    c.csvFile, c.qtPlatform, c.qtDisplay, c.reportPlayer, c.reportFile);
}

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    // The expected text is a part of what is printed, or of the complaint.
    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<CommandLine>("expected");
        QTest::newRow("version") << QStringList{"-v"} << CommandLine{.action = Action::PrintAndExit, .text = "kobu 1."};
        QTest::newRow("unknown language") << QStringList{"--language", "fr"} << CommandLine{.action = Action::Fail, .text = "“fr”：请从 zh_CN|zh_TW|zh_HK|en"};
        QTest::newRow("no language") << QStringList{"--language"} << CommandLine{.action = Action::Fail, .text = "“--language”后面少了代码"};
        QTest::newRow("a switch with a value") << QStringList{"--fullscreen=yes"} << CommandLine{.action = Action::Fail, .text = "“--fullscreen”不带值"};
        QTest::newRow("a file name") << QStringList{"--fullscreen", "scores.txt"} << CommandLine{.action = Action::Fail, .text = "多余的参数“scores.txt”", .fullScreen = true};
        QTest::newRow("after --") << QStringList{"--", "-reverse"} << CommandLine{.action = Action::Fail, .text = "多余的参数“--”"};
        QTest::newRow("every setting for play") << QStringList{"--language=en", "-fullscreen", "--parents", "--player", "小明, 4岁",
                                                               "--grade", "4", "--platform", "offscreen", "-display", ":3"}
            << CommandLine{.fullScreen = true, .language = Language::English, .parentsCorner = true, .player = "小明, 4岁",
                           .grade = 4, .qtPlatform = "offscreen", .qtDisplay = ":3"};
        // QApplication takes these itself: not the player's mistakes.
        QTest::newRow("session restore, Qt's switches and values")
            << QStringList{"-session", "10d2a8c1f4000170", "--language", "zh_HK", "-reverse", "-stylesheet", "a.qss",
                           "--style=fusion", "-nograb", "-qwindowtitle", "x", "-qmljsdebugger=port:1"}
            << CommandLine{.language = Language::Cantonese};
        QTest::newRow("player, 25 characters") << QStringList{"--player=" + QString(25, u'猴')}
                                               << CommandLine{.action = Action::Fail, .text = "1 到 24 个字", .player = QString(25, u'猴')};
        QTest::newRow("progress") << QStringList{"--progress"} << CommandLine{.action = Action::Progress};
        QTest::newRow("export to standard output") << QStringList{"--export-csv", "-"}
                                                   << CommandLine{.action = Action::ExportCsv, .csvFile = "-"};
        QTest::newRow("import") << QStringList{"--import-csv=old.csv"} << CommandLine{.action = Action::ImportCsv, .csvFile = "old.csv"};
        QTest::newRow("report") << QStringList{"--report=小明", "ming.pdf"}
                                << CommandLine{.action = Action::Report, .reportPlayer = "小明", .reportFile = "ming.pdf"};
        QTest::newRow("report without a file") << QStringList{"--report", "小明"}
                                               << CommandLine{.action = Action::Fail, .text = "“--report”后面少了文件.pdf"};
        QTest::newRow("no such grade") << QStringList{"--grade=5"} << CommandLine{.action = Action::Fail, .text = "没有“5”这一级：请从 1 到 4 中选一个。", .grade = 5};
    }

    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(CommandLine, expected);
        const CommandLine parsed = CommandLine::parse(QStringList{"/usr/games/kobu"} + arguments);
        QVERIFY2(parsed.text.contains(expected.text), qPrintable(parsed.text));
        QCOMPARE(fields(parsed), fields(expected));
    }

    // Every way in that the desktop offers starts the game, each with its own options.
    void desktopActions()
    {
        QFile entry(QStringLiteral(KOBU_DESKTOP_ENTRY));
        QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList execs = QString::fromUtf8(entry.readAll()).split(u'\n').filter(QRegularExpression(u"^Exec="_s));
        QVERIFY(execs.contains(u"Exec=kobu --parents"_s) && execs.size() >= 2);
        for (const QString &exec : execs)
            QVERIFY2(CommandLine::parse(exec.mid(5).split(u' ')).action == Action::Play, qPrintable(exec));
    }

    void screens_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<bool>("available");
        const QString runtime = QDir::tempPath();
        QTest::newRow("X11 desktop") << QStringList{} << QStringList{"DISPLAY=:0"} << true;
        QTest::newRow("Wayland desktop") << QStringList{} << QStringList{"WAYLAND_DISPLAY=wayland-1"} << true;
        QTest::newRow("nothing") << QStringList{} << QStringList{"DISPLAY="} << false;
        QTest::newRow("off screen") << QStringList{} << QStringList{"QT_QPA_PLATFORM=offscreen"} << true;
        QTest::newRow("-platform xcb over the variable") << QStringList{"-platform", "xcb"} << QStringList{"QT_QPA_PLATFORM=offscreen", "WAYLAND_DISPLAY=w"} << false;
        QTest::newRow("X11 asked, none there") << QStringList{} << QStringList{"QT_QPA_PLATFORM=xcb:nomitshm", "WAYLAND_DISPLAY=w"} << false;
        QTest::newRow("-display") << QStringList{"-display", ":1"} << QStringList{"QT_QPA_PLATFORM=xcb"} << true;
        QTest::newRow("Wayland asked, no socket") << QStringList{} << QStringList{"QT_QPA_PLATFORM=wayland", "XDG_RUNTIME_DIR=" + runtime, "WAYLAND_DISPLAY=kobu-none"} << false;
        QTest::newRow("Wayland socket") << QStringList{} << QStringList{"QT_QPA_PLATFORM=wayland", "XDG_RUNTIME_DIR=" + runtime, "WAYLAND_DISPLAY=."} << true;
        QTest::newRow("a list, the second there") << QStringList{} << QStringList{"QT_QPA_PLATFORM=wayland;xcb", "DISPLAY=:0"} << true;
    }

    void screens()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environment);
        QProcessEnvironment variables;
        for (const QString &variable : environment)
            variables.insert(variable.section('=', 0, 0), variable.section('=', 1));
        QTEST(Screens::available(CommandLine::parse(QStringList{"kobu"} + arguments), variables), "available");
    }

    void withoutScreen_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output"); // standard output, then standard error
        QTest::newRow("zh_CN") << QStringList{} << u"zh_CN.UTF-8"_s << 1 << u"|kobu: 没有可以显示游戏的屏幕。\n"_s;
        QTest::newRow("en_GB") << QStringList{} << u"en_GB.UTF-8"_s << 1 << u"|kobu: There is no screen to show the game on.\n"_s;
        QTest::newRow("help") << QStringList{"--help"} << u"zh_CN.UTF-8"_s << 0 << u"用法：kobu [选项]"_s;
        QTest::newRow("session restore") << QStringList{"-session", "1"} << u"zh_TW.UTF-8"_s << 1 << u"|kobu: 沒有可以顯示遊戲的螢幕。\n"_s;
        QTest::newRow("a mistake, zh_HK") << QStringList{"-x"} << u"zh_HK.UTF-8"_s << 1
                                          << u"|kobu: 唔識呢個選項「-x」。\n打「kobu --help」睇有咩選項。\n"_s;
    }

    // The real game with no display: one sentence and a plain failure, not Qt's abort. Its help and complaints are in
    // the player's language, Simplified Mandarin included.
    void withoutScreen()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, locale);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QProcess game;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE", "LC_ALL", "LC_MESSAGES", "LANGUAGE"})
            environment.remove(QLatin1String(variable));
        environment.insert(u"LANG"_s, locale);
        const QTemporaryDir settings; // not a language saved on this machine
        environment.insert(u"XDG_CONFIG_HOME"_s, settings.path());
        game.setProcessEnvironment(environment);
        game.start(QStringLiteral(KOBU_EXECUTABLE), arguments);
        QVERIFY(game.waitForFinished(60000));
        const QString said = QString::fromUtf8(game.readAllStandardOutput() + '|' + game.readAllStandardError());
        QCOMPARE(std::pair(game.exitStatus(), game.exitCode()), std::pair(QProcess::NormalExit, exitCode));
        QVERIFY2(said.startsWith(output) && (exitCode == 0 || said == output), qPrintable(said));
    }
};

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
