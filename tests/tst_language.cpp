#include "game/gamewindow.h"
#include "help/helpwindow.h"
#include "language/translation.h"
#include "leaderboard/leaderboardwindow.h"
#include "rulesrecorder.h"

#include <QProcess>
#include <QTest>
#include <QXmlStreamReader>
#include <QtWidgets>

using namespace Qt::StringLiterals;

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whether a label or button shows the whole text at its size.
bool fits(const QWidget *widget, const QString &text)
{
    const auto *label = qobject_cast<const QLabel *>(widget);
    const int lines = label && label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
    const QRect needed = QFontMetrics(widget->font()).boundingRect(QRect(0, 0, widget->width(), 10000), lines, text);
    return needed.width() <= widget->width() && needed.height() <= widget->height();
}

} // namespace

class tst_Language : public QObject
{
    Q_OBJECT

private slots:
    void forLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<Language>("language");
        QTest::newRow("no locale") << u"C"_s << Language::SimplifiedMandarin;
        QTest::newRow("China") << u"zh_CN"_s << Language::SimplifiedMandarin;
        QTest::newRow("Singapore") << u"zh_SG"_s << Language::SimplifiedMandarin;
        QTest::newRow("Taiwan") << u"zh_TW"_s << Language::TraditionalMandarin;
        QTest::newRow("Hong Kong") << u"zh_HK"_s << Language::Cantonese;
        QTest::newRow("Macao") << u"zh_MO"_s << Language::Cantonese;
        QTest::newRow("US") << u"en_US"_s << Language::English;
        QTest::newRow("French") << u"fr_FR"_s << Language::SimplifiedMandarin;
    }

    void forLocale()
    {
        QFETCH(QString, locale);
        QFETCH(Language, language);
        QCOMPARE(Languages::forLocale(QLocale(locale)), language);
    }

    void translations_data()
    {
        QTest::addColumn<Language>("language");
        for (Language language : {Language::SimplifiedMandarin, Language::TraditionalMandarin, Language::Cantonese,
                                  Language::English})
            QTest::addRow("%d", int(language)) << language;
    }

    // Each .ts is finished (nothing unfinished, vanished or obsolete), lupdate over the code
    // finds no text it lacks, and every text is shown written in its language.
    void translations()
    {
        QFETCH(Language, language);
        if (language == Language::SimplifiedMandarin)
            QSKIP("The source texts are its own.");
        const QString name = QFileInfo(Languages::translationFile(language)).baseName() + u".ts"_s;
        const QByteArray ts = contents(QStringLiteral(KOBU_TRANSLATIONS_DIR "/") + name);
        QVERIFY2(!ts.isEmpty() && !ts.contains("type=\"") && !ts.contains("<translation></"), qPrintable(name));
        QTemporaryDir scratch;
        const QString copy = scratch.filePath(name);
        QVERIFY(QFile::copy(QStringLiteral(KOBU_TRANSLATIONS_DIR "/") + name, copy));
        QProcess lupdate;
        lupdate.start(QStringLiteral(LUPDATE), {QStringLiteral(KOBU_SOURCE_DIR), u"-silent"_s, u"-source-language"_s,
                                                 u"zh_CN"_s, u"-locations"_s, u"none"_s, u"-ts"_s, copy});
        QVERIFY(lupdate.waitForFinished(60000) && lupdate.exitCode() == 0);
        QCOMPARE(contents(copy), ts);

        const Translation translation(language);
        QXmlStreamReader xml(ts);
        QString context;
        while (xml.readNextStartElement() || !xml.atEnd()) {
            if (xml.isStartElement() && xml.name() == "name"_L1)
                context = xml.readElementText();
            else if (xml.isStartElement() && xml.name() == "source"_L1) {
                const QString source = xml.readElementText();
                const QString shown = QCoreApplication::translate(context.toUtf8(), source.toUtf8());
                const bool chinese = std::any_of(shown.cbegin(), shown.cend(), [](QChar c) { return c >= u'\x3000'; });
                QVERIFY2(chinese != (language == Language::English), qPrintable(source));
            }
        }
    }

    // Every text of every window fits its control: nothing is cut off.
    void textsFit_data() { translations_data(); }

    void textsFit()
    {
        QFETCH(Language, language);
        const Translation translation(language);
        RecordingSound sound;
        QTemporaryDir folder;
        GameWindow game(sound, folder.path() + u'/', 1, Bitmaps{});
        HelpWindow help(game);
        const auto *text = help.findChild<QLabel *>(u"helpText"_s);
        const qreal designPointSize = text->font().pointSizeF();
        for (qreal factor : {1.0, 2.5}) { // over a full-screen game the help is drawn larger, and still fits
            help.setFactor(factor);
            help.show();
            QVERIFY2(text->heightForWidth(text->width()) <= text->height(), qPrintable(text->text()));
            QVERIFY(text->font().pointSizeF() >= factor * designPointSize * 0.8);
            help.close();
        }

        LeaderboardWindow board(game, sound, folder.path() + u'/');
        board.setFinishedGame(0, 0);
        board.show(); // no ranking file: the score ranks
        const auto tr = [](const char *text) { return QCoreApplication::translate("LeaderboardWindow", text); };
        const auto *heading = board.findChild<QLabel *>(u"heading"_s);
        const auto *button = board.findChild<QPushButton *>();
        QVERIFY(fits(heading, heading->text()) && fits(heading, tr("排行榜")) && fits(heading, tr("保存失败，请再试一次。")));
        QVERIFY(fits(board.findChild<QLabel *>(u"notice"_s), tr("很遗憾，别的玩家刚刚把这个分数挤出了排行榜。")));
        QVERIFY(fits(button, button->text() + u"  "_s));
    }
};

QTEST_MAIN(tst_Language)
#include "tst_language.moc"
