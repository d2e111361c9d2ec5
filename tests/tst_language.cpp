#include "game/gamewindow.h"
#include "help/helpwindow.h"
#include "language/translation.h"
#include "leaderboard/leaderboardwindow.h"
#include "rulesrecorder.h"

#include <QProcess>
#include <QTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

class tst_Language : public QObject
{
    Q_OBJECT

private slots:
    // Locales the program itself is not started in elsewhere: Macao, and Cantonese named as a language.
    void forLocale()
    {
        QCOMPARE(Languages::forLocale(QLocale(u"zh_MO"_s)), Language::Cantonese);
        QCOMPARE(Languages::forLocale(QLocale(u"yue_HK"_s)), Language::Cantonese);
    }

    void translations_data()
    {
        QTest::addColumn<Language>("language");
        for (const QString &code : Languages::codes())
            QTest::newRow(qPrintable(code)) << *Languages::fromCode(code);
    }

    // Each .ts is finished (nothing unfinished, vanished or obsolete) and lupdate over the code
    // finds no text it lacks.
    void translations()
    {
        QFETCH(Language, language);
        if (language == Language::SimplifiedMandarin)
            QSKIP("The source texts are its own.");
        const QString name = QFileInfo(Languages::translationFile(language)).baseName() + u".ts"_s;
        QTemporaryDir scratch;
        const QString copy = scratch.filePath(name);
        QFile original(QStringLiteral(KOBU_TRANSLATIONS_DIR "/") + name);
        QVERIFY(original.copy(copy) && original.open(QIODevice::ReadOnly));
        const QByteArray ts = original.readAll();
        QVERIFY2(!ts.contains("type=\"") && !ts.contains("<translation></"), qPrintable(name));
        QProcess lupdate;
        lupdate.start(QStringLiteral(LUPDATE), {QStringLiteral(KOBU_SOURCE_DIR), u"-silent"_s, u"-source-language"_s,
                                                 u"zh_CN"_s, u"-locations"_s, u"none"_s, u"-ts"_s, copy});
        QVERIFY(lupdate.waitForFinished(60000) && lupdate.exitCode() == 0);
        QFile updated(copy);
        QVERIFY(updated.open(QIODevice::ReadOnly));
        QCOMPARE(updated.readAll(), ts);
    }

    // The help and the longest heading fit: nothing is cut off.
    void textsFit_data() { translations_data(); }

    void textsFit()
    {
        QFETCH(Language, language);
        const Translation translation(language);
        RecordingSound sound;
        RecordingJudgements judgements;
        QTemporaryDir folder;
        GameWindow game(sound, judgements, folder.path() + u'/', 1, Bitmaps{});
        HelpWindow help(game);
        const auto *text = help.findChild<QLabel *>(u"helpText"_s);
        const qreal designPointSize = text->font().pointSizeF();
        for (qreal factor : {1.0, 2.5}) { // over a full-screen game the help is drawn larger, and still fits
            help.setFactor(factor);
            help.show();
            QVERIFY2(text->heightForWidth(text->width()) <= text->height(), qPrintable(text->text()));
            QVERIFY(text->font().pointSizeF() >= factor * designPointSize * 0.8);
        }

        LeaderboardWindow board(game, sound, folder.path() + u'/');
        board.setFinishedGame(0, 0);
        board.show(); // no ranking file: the score ranks, under the congratulation
        const auto *heading = board.findChild<QLabel *>(u"heading"_s);
        QVERIFY2(heading->fontMetrics().horizontalAdvance(heading->text()) <= heading->width(), qPrintable(heading->text()));
        auto *notice = board.findChild<QLabel *>(u"notice"_s); // the longest of what a failed save says
        notice->setText(QCoreApplication::translate("LeaderboardWindow", "排行榜文件写不进去（也许磁盘满了），这次没有保存。原来的分数都还在。"));
        QVERIFY2(notice->heightForWidth(notice->width()) <= notice->height(), qPrintable(notice->text()));
    }
};

QTEST_MAIN(tst_Language)
#include "tst_language.moc"
