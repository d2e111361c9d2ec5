#include "game/gamewindow.h"
#include "history/historystore.h"
#include "leaderboard/leaderboardwindow.h"
#include "parents/barchart.h"
#include "parents/familypage.h"
#include "parents/numbergrid.h"
#include "parents/parentscorner.h"
#include "parents/playerpage.h"
#include "parents/playerpicker.h"
#include "parents/preferencespage.h"
#include "parents/reportpdf.h"
#include "parents/whoplays.h"
#include "rulesrecorder.h"
#include "testfiles.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

namespace {

const std::vector<History::Player> Family{{11, u"小明"_s, 0, 1, {}}, {12, u"Ana"_s, 3, 2, {}}, {13, u"阿宝"_s, 7, 1, {}}};

std::function<HistoryWriter::Options()> optionsFor(const QTemporaryDir &folder, std::optional<QString> player)
{
    return [=, &folder] { return HistoryWriter::Options{folder.path() + u'/', player, folder.filePath(u"kobu.ini"_s), {}}; };
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(30000) ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}

// 小明's history under the corner: a game today (the charts end today, whatever the hour), in which
// 1 to 4 are right three times each and 5 right once and missed twice with 6: knows 1 to 4, learning 5.
// The history file may hold something else before.
struct CornerOverHistory
{
    QTemporaryDir folder;
    HistoryStore store;
    QWidget game;
    ParentsCorner corner{store, Preferences{}, &game};

    bool showAfterAGame(const QByteArray &historyBefore = {})
    {
        if (!historyBefore.isEmpty() && !writeFile(folder.filePath(u"history.sqlite"_s), historyBefore))
            return false;
        store.open(optionsFor(folder, u"小明"_s));
        const QDateTime started = QDateTime(QDate::currentDate(), QTime(12, 0)).toUTC();
        store.beginGame(started, {1, u"zh_CN"_s, History::Voice::BuiltIn, true});
        int question = 0;
        for (const int asked : {1, 2, 3, 4, 1, 2, 3, 4, 1, 2, 3, 4, 5, 5, 5}) {
            const int given = question < 13 ? asked : 6;
            store.recordJudgement({++question, 1, asked, given, asked == given, 2.5, 0});
        }
        store.endGame(130, started.addSecs(300));
        QSignalSpy refreshed(&corner, &ParentsCorner::refreshed);
        corner.show();
        return refreshed.wait();
    }
};

} // namespace

Q_DECLARE_METATYPE(Preferences)

class tst_ParentsCorner : public QObject
{
    Q_OBJECT

private slots:
    void picker_data()
    {
        QTest::addColumn<std::int64_t>("lastPlayer");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("as last time") << std::int64_t(12) << u"Ana"_s;
        QTest::newRow("nobody last time: the first") << std::int64_t(0) << u"小明"_s;
    }

    // Enter plays as the player chosen in advance. Pictures big enough for a small finger, named for a screen reader.
    void picker()
    {
        QFETCH(std::int64_t, lastPlayer);
        QWidget game;
        PlayerPicker picker(Family, lastPlayer, &game);
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        for (const QToolButton *each : picker.findChildren<QToolButton *>())
            QVERIFY(each->iconSize().height() >= 48 && !each->accessibleName().isEmpty());
        QTest::keyClick(picker.focusWidget(), Qt::Key_Return);
        QCOMPARE(picker.result(), int(QDialog::Accepted));
        QTEST(picker.chosen().value_or(History::Player{}).name, "chosen");
    }

    void familyWishes_data()
    {
        QTest::addColumn<QList<bool>>("removalAnswers");
        QTest::addColumn<bool>("removed");
        QTest::newRow("no to removal at first") << QList{false} << false;
        QTest::newRow("yes to removal, then no") << QList{true, false} << false;
        QTest::newRow("yes to removal twice") << QList{true, true} << true;
    }

    // Adding, renaming, removing and choosing a picture or a grade each say which player and what; showing a
    // player wishes nothing. Removal asks twice, and says the child's history goes too.
    void familyWishes()
    {
        QFETCH(QList<bool>, removalAnswers);
        QFETCH(bool, removed);
        FamilyPage page;
        page.setPlayers(Family);
        page.show();
        QSignalSpy adds(&page, &FamilyPage::addWanted), renames(&page, &FamilyPage::renameWanted);
        QSignalSpy pictures(&page, &FamilyPage::pictureWanted), grades(&page, &FamilyPage::gradeWanted), removals(&page, &FamilyPage::removeWanted);
        auto *const gradeBox = page.findChild<QComboBox *>(u"gradeBox"_s);
        auto *const nameBox = page.findChild<QLineEdit *>(u"nameBox"_s);
        page.findChild<QListWidget *>()->setCurrentRow(1);
        QCOMPARE(QList({nameBox->text(), gradeBox->currentData().toString()}), QList({u"Ana"_s, u"2"_s}));
        QVERIFY(page.findChild<QToolButton *>(u"picture-panda"_s)->isChecked());
        gradeBox->setFocus();
        QTest::keyClick(gradeBox, Qt::Key_Down);
        nameBox->setText(u"安娜"_s);
        page.findChild<QPushButton *>(u"renameButton"_s)->click();
        page.findChild<QToolButton *>(u"picture-lion"_s)->click();
        nameBox->setText(u"小红"_s);
        QTest::keyClick(nameBox, Qt::Key_Return);
        page.findChild<QPushButton *>(u"removeButton"_s)->click();
        for (const bool yes : removalAnswers) {
            auto *const question = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(question && question->text().contains(u"Ana"_s) && question->text().contains(u"全部记录"_s));
            question->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
        }
        QVERIFY(!QApplication::activeModalWidget());
        const QVariant ana = QVariant::fromValue<std::int64_t>(12);
        QCOMPARE(QList<QList<QVariantList>>({grades, renames, pictures, adds, removals}),
                 QList<QList<QVariantList>>({{{ana, 3}}, {{ana, u"安娜"_s}}, {{ana, 7}}, {{u"小红"_s}},
                                             removed ? QList<QVariantList>{{ana}} : QList<QVariantList>{}}));
        page.showResult(History::EditResult::NameTaken);
        QCOMPARE(page.findChild<QLabel *>(u"familyMessage"_s)->text(), u"已经有叫这个名字的玩家了。"_s);
    }

    void preferences_data()
    {
        QTest::addColumn<Preferences>("chosen");
        QTest::newRow("as shipped") << Preferences{};
        QTest::newRow("English, full screen") << Preferences{Language::English, true, true, true};
        QTest::newRow("Cantonese, quiet, built-in voice") << Preferences{Language::Cantonese, false, false, false};
    }

    // What the page shows goes out at once, and comes back from the settings file as it was.
    void preferences()
    {
        QFETCH(Preferences, chosen);
        PreferencesPage page;
        page.setPreferences(Preferences{Language::TraditionalMandarin, true, false, false});
        QSignalSpy changes(&page, &PreferencesPage::changed);
        auto *const languageBox = page.findChild<QComboBox *>();
        languageBox->setCurrentIndex(languageBox->findData(chosen.language ? Languages::code(*chosen.language) : QString()));
        page.findChild<QCheckBox *>(u"fullScreenBox"_s)->setChecked(chosen.fullScreen);
        page.findChild<QCheckBox *>(u"countingAloudBox"_s)->setChecked(chosen.countingAloud);
        page.findChild<QCheckBox *>(u"parentsVoiceBox"_s)->setChecked(chosen.parentsVoice);
        QVERIFY(!changes.isEmpty());
        QCOMPARE(changes.last().first().value<Preferences>(), chosen);
        const QTemporaryDir folder;
        // Each one gone by the end of its line: written out before it is read back.
        const auto settings = [&folder] { return std::make_unique<QSettings>(folder.filePath(u"kobu.conf"_s), QSettings::IniFormat); };
        changes.last().first().value<Preferences>().save(*settings());
        QCOMPARE(Preferences::load(*settings()), chosen);
    }

    void nameBox_data()
    {
        QTest::addColumn<QStringList>("family"); // the first played last time, the last plays now
        QTest::newRow("nobody named") << QStringList{};
        QTest::newRow("one player") << QStringList{u"小明"_s};
        QTest::newRow("two players") << QStringList{u"小明"_s, u"Ana"_s};
    }

    // ▶ asks who plays only in a family of two or more; the leaderboard's name box holds the name of who plays.
    void nameBox()
    {
        QFETCH(QStringList, family);
        QTemporaryDir folder;
        RecordingSound sound;
        RecordingJudgements judgements;
        GameWindow game(sound, judgements, folder.path() + u'/', 1, Bitmaps{});
        HistoryStore store;
        const WhoPlays whoPlays(game, store);
        store.open(optionsFor(folder, family.isEmpty() ? std::nullopt : std::optional(family.first())));
        for (const QString &name : family.mid(1))
            QCOMPARE(store.addPlayer(name).result(), History::EditResult::Done);
        QTRY_COMPARE(whoPlays.players().size(), std::size_t(family.size()));
        game.show();
        QVERIFY(QTest::qWaitForWindowExposed(&game));
        QTest::mouseClick(game.findChild<QWidget *>(u"startButton"_s), Qt::LeftButton);
        auto *const picker = game.findChild<PlayerPicker *>();
        QCOMPARE(picker != nullptr, family.size() >= 2);
        if (picker) {
            QVERIFY(picker->isVisible());
            QTest::mouseClick(picker->findChild<QToolButton *>(u"player%1"_s.arg(family.size() - 1)), Qt::LeftButton);
        }
        for (int miss = 0; miss < 5; ++miss)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        LeaderboardWindow *board = nullptr;
        QTRY_VERIFY((board = game.findChild<LeaderboardWindow *>()) && board->isVisible());
        auto *const name = board->findChild<QLineEdit *>(u"nameBox"_s);
        QCOMPARE(QList({name->text(), QString::number(name->isReadOnly())}), QList({family.value(family.size() - 1), u"0"_s}));
    }

    // The page says what the history holds: the level in words, the grid, the charts and the last games; the
    // printed report says it too, with every font embedded.
    void playerPage()
    {
        CornerOverHistory history;
        QVERIFY(history.showAfterAGame());
        auto *const page = history.corner.findChild<PlayerPage *>();
        const auto text = [page](const QString &name) { return page->findChild<QLabel *>(name)->text(); };
        QCOMPARE(QList({history.corner.pages()->tabText(0), text(u"name"_s), text(u"summary"_s)}),
                 QList({u"小明"_s, u"小明"_s, u"确实认识 1 到 4，正在学 5。"_s}));
        auto *const grid = page->findChild<NumberGrid *>();
        QCOMPARE(QList({grid->numberProgress(4).status, grid->numberProgress(5).status, grid->numberProgress(6).status}),
                 QList({NumberStatus::Known, NumberStatus::Learning, NumberStatus::NotEnoughPlay}));
        const auto chart = [page](const QString &name) { return page->findChild<BarChartView *>(name)->chart().bars(); };
        const QList<BarChart::Bar> days = chart(u"dayChart"_s), weeks = chart(u"weekChart"_s);
        QCOMPARE(QList({days.size(), weeks.size()}), QList<qsizetype>({30, 12}));
        QCOMPARE(QList({days.last().value, weeks.last().value, weeks.first().value}),
                 QList<std::optional<double>>({15.0, 13.0 / 15, std::nullopt}));
        auto *const games = page->findChild<QTableWidget *>();
        QCOMPARE(games->rowCount(), 1);
        QCOMPARE(QList({games->item(0, 1)->text(), games->item(0, 2)->text(), games->item(0, 3)->text()}), QList({u"1"_s, u"130"_s, u"15"_s}));
        QVERIFY(!history.corner.findChild<QLabel *>(u"notice"_s)->isVisible());

        const QString file = history.folder.filePath(u"小明.pdf"_s);
        QVERIFY(ReportPdf::write(page->report(), QDate(2026, 12, 7), file));
        const QString printed = run(u"pdftotext"_s, {file, u"-"_s}).simplified().remove(u' ');
        for (const QString &expected : {u"小明"_s, u"确实认识1到4，正在学5。"_s, u"每天答的题数"_s, u"每周第一次就答对的比例"_s, u"2026"_s})
            QVERIFY2(printed.contains(expected), qPrintable(expected + u" in "_s + printed));
        const QStringList fonts = run(u"pdffonts"_s, {file}).split(u'\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY2(!fonts.isEmpty() && fonts.filter(u" yes "_s).size() == fonts.size(), qPrintable(fonts.join(u'\n')));
    }

    // The family's page exports every judgement and says when it could not; a player added there gets a page.
    void familyInTheCorner()
    {
        CornerOverHistory history;
        QVERIFY(history.showAfterAGame());
        auto *const family = history.corner.findChild<FamilyPage *>();
        auto *const message = family->findChild<QLabel *>(u"familyMessage"_s);
        const QString written = history.folder.filePath(u"out.csv"_s);
        emit family->exportWanted(written);
        QTRY_COMPARE(message->text(), u"记录已经导出。"_s);
        QCOMPARE(contents(written).count('\n'), 1 + 15);
        emit family->exportWanted(history.folder.filePath(u"missing/out.csv"_s));
        QTRY_VERIFY(message->text().startsWith(u"没能导出记录："_s));
        QSignalSpy refreshed(&history.corner, &ParentsCorner::refreshed);
        family->findChild<QLineEdit *>(u"nameBox"_s)->setText(u"小红"_s);
        family->findChild<QPushButton *>(u"addButton"_s)->click();
        QVERIFY(refreshed.wait());
        QCOMPARE(history.corner.findChildren<PlayerPage *>().size(), 2);
    }

    // Over a damaged history, set aside: the parent is told where it went. A screen reader can name every
    // control a parent can reach with the keyboard.
    void damagedHistory()
    {
        CornerOverHistory history;
        QVERIFY(history.showAfterAGame(QByteArray(4096, 'x')));
        auto *const notice = history.corner.findChild<QLabel *>(u"notice"_s);
        QTRY_VERIFY(notice->isVisible());
        QVERIFY2(notice->text().contains(u"history.sqlite.damaged-"_s), qPrintable(notice->text()));
        QTabWidget *const pages = history.corner.pages();
        for (int tab = 0; tab < pages->count(); ++tab) {
            pages->setCurrentIndex(tab);
            for (QWidget *control : history.corner.findChildren<QWidget *>()) {
                if (!control->isVisible() || !(control->focusPolicy() & Qt::TabFocus))
                    continue;
                QAccessibleInterface *const accessible = QAccessible::queryAccessibleInterface(control);
                QVERIFY2(accessible && !accessible->text(QAccessible::Name).isEmpty(),
                         qPrintable(control->metaObject()->className() + u" "_s + control->objectName()));
            }
        }
    }
};

QTEST_MAIN(tst_ParentsCorner)
#include "tst_parentscorner.moc"
