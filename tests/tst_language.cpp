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

struct Message
{
    QString context, source, translation, type;
    auto operator<=>(const Message &) const = default;
};

QList<Message> readTs(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QList<Message> messages;
    QString context;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == "name"_L1)
            context = xml.readElementText();
        else if (xml.name() == "source"_L1)
            messages.append({context, xml.readElementText(), {}, {}});
        else if (xml.name() == "translation"_L1) {
            messages.last().type = xml.attributes().value("type"_L1).toString();
            messages.last().translation = xml.readElementText();
        } else if (xml.name() != "TS"_L1 && xml.name() != "context"_L1 && xml.name() != "message"_L1)
            xml.skipCurrentElement();
    }
    return messages;
}

QStringList tsFiles()
{
    const QDir folder(QStringLiteral(KOBU_TRANSLATIONS_DIR));
    QStringList files;
    for (const QString &name : folder.entryList({u"*.ts"_s}, QDir::Files, QDir::Name))
        files << folder.filePath(name);
    return files;
}

const QList<Language> Translated{Language::TraditionalMandarin, Language::Cantonese, Language::English};

// Every text the player can see in a window, with the label or control it must fit in.
bool fitsIn(const QWidget *widget, const QString &text)
{
    const QFontMetrics metrics(widget->font());
    const auto *label = qobject_cast<const QLabel *>(widget);
    const int lines = label && label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
    const QRect needed = metrics.boundingRect(QRect(0, 0, widget->width(), 10000), lines, text);
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
        QTest::newRow("Cantonese") << u"yue_HK"_s << Language::Cantonese;
        QTest::newRow("US") << u"en_US"_s << Language::English;
        QTest::newRow("Britain") << u"en_GB"_s << Language::English;
        QTest::newRow("India") << u"en_IN"_s << Language::English;
        QTest::newRow("French") << u"fr_FR"_s << Language::SimplifiedMandarin;
        QTest::newRow("Japanese") << u"ja_JP"_s << Language::SimplifiedMandarin;
    }

    void forLocale()
    {
        QFETCH(QString, locale);
        QFETCH(Language, language);
        QCOMPARE(Languages::forLocale(QLocale(locale)), language);
    }

    // Finished, nothing vanished or obsolete, the same texts in every file,
    // and no text in the code that the files lack.
    void translationsComplete()
    {
        const QList<Message> first = readTs(tsFiles().constFirst());
        QVERIFY(!first.isEmpty());
        QTemporaryDir scratch;
        for (const QString &ts : tsFiles()) {
            const QList<Message> messages = readTs(ts);
            for (const Message &message : messages) {
                QVERIFY2(message.type.isEmpty() && !message.translation.isEmpty(),
                         qPrintable(ts + u": "_s + message.source));
            }
            QCOMPARE(QList<QString>(messages.size(), QString()), QList<QString>(first.size(), QString()));
            for (qsizetype i = 0; i < messages.size(); ++i)
                QCOMPARE(messages[i].context + messages[i].source, first[i].context + first[i].source);

            const QString copy = scratch.filePath(QFileInfo(ts).fileName());
            QVERIFY(QFile::copy(ts, copy));
            QProcess lupdate;
            lupdate.start(QStringLiteral(LUPDATE), {QStringLiteral(KOBU_SOURCE_DIR), u"-silent"_s, u"-source-language"_s,
                                                     u"zh_CN"_s, u"-locations"_s, u"none"_s, u"-ts"_s, copy});
            QVERIFY(lupdate.waitForFinished(60000) && lupdate.exitCode() == 0);
            QCOMPARE(readTs(copy), messages);
        }
    }

    void everyTextTranslated_data()
    {
        QTest::addColumn<Language>("language");
        for (Language language : Translated)
            QTest::addRow("%d", int(language)) << language;
    }

    void everyTextTranslated()
    {
        QFETCH(Language, language);
        const Translation translation(language);
        QVERIFY(translation.isInstalled());
        for (const Message &message : readTs(tsFiles().constFirst())) {
            const QString shown = QCoreApplication::translate(message.context.toUtf8(), message.source.toUtf8());
            const bool chinese = std::any_of(shown.cbegin(), shown.cend(), [](QChar c) { return c.unicode() >= 0x3000; });
            // Written in the language: English has no Chinese left, the others are Chinese.
            QVERIFY2(!shown.isEmpty() && chinese != (language == Language::English), qPrintable(message.source));
        }
        QVERIFY(!Translation(Language::SimplifiedMandarin).isInstalled());
    }

    // Every text of every window fits its control: nothing is cut off.
    void textsFit_data() { everyTextTranslated_data(); QTest::newRow("design") << Language::SimplifiedMandarin; }

    void textsFit()
    {
        QFETCH(Language, language);
        const Translation translation(language);
        RecordingSound sound;
        QTemporaryDir folder;
        GameWindow game(sound, folder.path() + u'/', 1, Bitmaps{});
        QCOMPARE(game.windowTitle(), QCoreApplication::translate("GameWindow", "咕噜号"));

        HelpWindow help(game);
        help.show();
        const auto *text = help.findChild<QLabel *>(u"helpText"_s);
        QVERIFY(text->text().size() > 20);
        QVERIFY2(text->heightForWidth(text->width()) <= text->height(), qPrintable(text->text()));
        // The Chinese help keeps the design's font; English may be set smaller.
        QVERIFY(language == Language::English || text->font() == help.font());
        help.close();
        // Over a full-screen game the help is drawn larger, and still fits.
        const qreal designPointSize = text->font().pointSizeF();
        help.setFactor(2.5);
        help.show();
        QVERIFY(text->heightForWidth(text->width()) <= text->height());
        QVERIFY(text->font().pointSizeF() > 2 * designPointSize);
        help.close();

        LeaderboardWindow board(game, sound, folder.path() + u'/');
        board.setFinishedGame(0, 0);
        board.show(); // no ranking file: the score ranks
        const auto *heading = board.findChild<QLabel *>(u"heading"_s);
        auto *button = board.findChild<QPushButton *>();
        QVERIFY(fitsIn(heading, heading->text()));
        QVERIFY(fitsIn(heading, QCoreApplication::translate("LeaderboardWindow", "排行榜")));
        QVERIFY(fitsIn(board.findChild<QLabel *>(u"notice"_s),
                       QCoreApplication::translate("LeaderboardWindow", "很遗憾，别的玩家刚刚把这个分数挤出了排行榜。")));
        QVERIFY(fitsIn(button, button->text() + u"  "_s));
        // A ranking file that cannot be written: the failed-save notice.
        const QString file = folder.filePath(u"kobu0.tmp"_s);
        QVERIFY(QFile::remove(file) && QDir().mkdir(file));
        board.findChild<QLineEdit *>()->setText(u"Zoe"_s);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(heading->text(), QCoreApplication::translate("LeaderboardWindow", "保存失败，请再试一次。"));
        QVERIFY(fitsIn(heading, heading->text()));
        // Another game's scores pushed this one out meanwhile: the notice wraps where it must.
        QFile better(file);
        QVERIFY(QDir().rmdir(file) && better.open(QIODevice::WriteOnly) && better.write("Z,50\r\n"_ba.repeated(10)));
        better.close();
        QTest::mouseClick(button, Qt::LeftButton);
        const auto *notice = board.findChild<QLabel *>(u"notice"_s);
        QCOMPARE(notice->text(), QCoreApplication::translate("LeaderboardWindow", "很遗憾，别的玩家刚刚把这个分数挤出了排行榜。"));
        QVERIFY(notice->heightForWidth(notice->width()) <= notice->height());
        board.close();
    }
};

QTEST_MAIN(tst_Language)
#include "tst_language.moc"
