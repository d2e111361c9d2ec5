#include "commandline.h"

#include <QtTest>

using Action = CommandLine::Action;

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("textHas"); // printed, or the complaint
        QTest::addColumn<bool>("fullScreen");
        QTest::addColumn<int>("language"); // -1: the desktop's
        QTest::newRow("nothing") << QStringList{} << Action::Play << QString() << false << -1;
        QTest::newRow("help") << QStringList{"--help"} << Action::PrintAndExit << "--language" << false << -1;
        QTest::newRow("version") << QStringList{"--version"} << Action::PrintAndExit << "kobu 1." << false << -1;
        QTest::newRow("unknown option") << QStringList{"--fulscreen"} << Action::Fail << "fulscreen" << false << -1;
        QTest::newRow("stray argument") << QStringList{"level2"} << Action::Fail << "level2" << false << -1;
        QTest::newRow("unknown language") << QStringList{"--language", "fr"} << Action::Fail << "zh_TW" << false << -1;
        QTest::newRow("Traditional") << QStringList{"--language=zh_TW"} << Action::Play << QString() << false
                                     << int(Language::TraditionalMandarin);
        // QApplication takes -platform itself: not the player's mistake.
        QTest::newRow("full screen, English") << QStringList{"-platform", "offscreen", "--fullscreen", "--language", "en"}
                                              << Action::Play << QString() << true << int(Language::English);
    }

    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Action, action);
        QFETCH(QString, textHas);
        QFETCH(bool, fullScreen);
        QFETCH(int, language);
        const CommandLine parsed = CommandLine::parse(QStringList{u"/usr/games/kobu"_qs} + arguments);
        QCOMPARE(parsed.action, action);
        QVERIFY2(parsed.text.contains(textHas) && parsed.text.isEmpty() == (action == Action::Play), qPrintable(parsed.text));
        QCOMPARE(parsed.fullScreen, fullScreen);
        QCOMPARE(parsed.language ? int(*parsed.language) : -1, language);
    }
};

QTEST_APPLESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
