#include "game/gamewindow.h"
#include "history/historycsv.h"
#include "history/historystore.h"
#include "leaderboard/leaderboardwindow.h"
#include "parents/whoplays.h"
#include "rulesrecorder.h"
#include "parents/barchart.h"
#include "parents/familypage.h"
#include "parents/numbergrid.h"
#include "parents/parentscorner.h"
#include "parents/playerpage.h"
#include "parents/playerpicker.h"
#include "parents/preferencespage.h"
#include "parents/reportpdf.h"

#include <QAccessible>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

namespace {

const QList<History::Player> Family{{11, u"小明"_s, 0, 1, {}}, {12, u"Ana"_s, 3, 2, {}}, {13, u"阿宝"_s, 7, 1, {}}};

std::vector<History::Player> family(int count)
{
    return {Family.begin(), Family.begin() + count};
}

const History::GameSettings Mandarin{1, u"zh_CN"_s, History::Voice::BuiltIn, true};

// Today at noon: the charts end today, whatever the hour the test runs.
QDateTime todayAtNoon()
{
    return QDateTime(QDate::currentDate(), QTime(12, 0)).toUTC();
}

// 1 to 4 right three times each, 5 right once and missed twice with 6: knows 1 to 4, learning 5.
void playGame(HistoryStore &store, const QDateTime &started)
{
    store.beginGame(started, Mandarin);
    int question = 0;
    const auto judge = [&](int asked, int given) {
        store.recordJudgement({++question, 1, asked, given, asked == given, 2.5, 0});
    };
    for (int round = 0; round < 3; ++round) {
        for (int n = 1; n <= 4; ++n)
            judge(n, n);
    }
    judge(5, 5);
    judge(5, 6);
    judge(5, 6);
    store.endGame(130, started.addSecs(300));
}

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

} // namespace

Q_DECLARE_METATYPE(Preferences)

class tst_ParentsCorner : public QObject
{
    Q_OBJECT

private slots:
    void picker_data()
    {
        QTest::addColumn<std::int64_t>("lastPlayer");
        QTest::addColumn<int>("clicked"); // -1: Enter on the picture chosen in advance
        QTest::addColumn<QString>("chosen");
        QTest::newRow("Enter plays as last time") << std::int64_t(12) << -1 << u"Ana"_s;
        QTest::newRow("nobody last time: the first") << std::int64_t(0) << -1 << u"小明"_s;
        QTest::newRow("a tap on another") << std::int64_t(12) << 2 << u"阿宝"_s;
    }

    void picker()
    {
        QFETCH(std::int64_t, lastPlayer);
        QFETCH(int, clicked);
        QFETCH(QString, chosen);
        QWidget game;
        PlayerPicker picker(family(3), lastPlayer, &game);
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        QCOMPARE(picker.windowTitle(), u"谁在玩？"_s);
        auto *const button = picker.findChild<QToolButton *>(u"player%1"_s.arg(clicked));
        // Big enough for a small finger.
        const auto buttons = picker.findChildren<QToolButton *>();
        QVERIFY(std::all_of(buttons.begin(), buttons.end(), [](QToolButton *each) {
            return each->iconSize().height() >= 48 && !each->accessibleName().isEmpty();
        }));
        if (button)
            QTest::mouseClick(button, Qt::LeftButton);
        else
            QTest::keyClick(picker.focusWidget(), Qt::Key_Return);
        QVERIFY(picker.chosen());
        QCOMPARE(picker.chosen()->name, chosen);
        QCOMPARE(picker.result(), int(QDialog::Accepted));
    }

    void removal_data()
    {
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<bool>("removed");
        QTest::newRow("no at first") << QList{false} << false;
        QTest::newRow("yes, then no") << QList{true, false} << false;
        QTest::newRow("yes twice") << QList{true, true} << true;
    }

    // Removal asks twice, and says the child's history goes too.
    void removal()
    {
        QFETCH(QList<bool>, answers);
        QFETCH(bool, removed);
        FamilyPage page;
        page.setPlayers(family(2));
        page.show();
        page.findChild<QListWidget *>()->setCurrentRow(1);
        QSignalSpy removals(&page, &FamilyPage::removeWanted);
        page.findChild<QPushButton *>(u"removeButton"_s)->click();
        for (int i = 0; i < answers.size(); ++i) {
            const QString name = i == 0 ? u"removeQuestion"_s : u"removeQuestionAgain"_s;
            QMessageBox *question = nullptr;
            QTRY_VERIFY((question = page.findChild<QMessageBox *>(name)) && question->isVisible());
            QVERIFY(question->text().contains(u"Ana"_s) && question->text().contains(u"全部记录"_s));
            question->button(answers[i] ? QMessageBox::Yes : QMessageBox::No)->click();
        }
        QTest::qWait(10);
        QCOMPARE(removals.size(), removed ? 1 : 0);
        QVERIFY(!removed || removals.first().first().value<std::int64_t>() == 12);
    }

    // Adding, renaming and choosing a picture or a grade each say which player and what.
    void familyWishes()
    {
        FamilyPage page;
        page.setPlayers(family(2));
        QSignalSpy adds(&page, &FamilyPage::addWanted);
        QSignalSpy renames(&page, &FamilyPage::renameWanted);
        QSignalSpy pictures(&page, &FamilyPage::pictureWanted);
        QSignalSpy grades(&page, &FamilyPage::gradeWanted);
        auto *const gradeBox = page.findChild<QComboBox *>(u"gradeBox"_s);
        auto *const nameBox = page.findChild<QLineEdit *>(u"nameBox"_s);
        page.findChild<QListWidget *>()->setCurrentRow(1);
        QCOMPARE(nameBox->text(), u"Ana"_s);
        QVERIFY(page.findChild<QToolButton *>(u"picture-panda"_s)->isChecked());
        QCOMPARE(gradeBox->currentData().toInt(), 2);
        QVERIFY(grades.isEmpty());
        gradeBox->setFocus();
        QTest::keyClick(gradeBox, Qt::Key_Down);
        QCOMPARE(grades.size(), 1);
        QCOMPARE(grades.first(), QVariantList({QVariant::fromValue<std::int64_t>(12), 3}));
        nameBox->setText(u"安娜"_s);
        page.findChild<QPushButton *>(u"renameButton"_s)->click();
        page.findChild<QToolButton *>(u"picture-lion"_s)->click();
        nameBox->setText(u"小红"_s);
        QTest::keyClick(nameBox, Qt::Key_Return);
        QCOMPARE(renames.size(), 1);
        QCOMPARE(renames.first(), QVariantList({QVariant::fromValue<std::int64_t>(12), u"安娜"_s}));
        QCOMPARE(pictures.first(), QVariantList({QVariant::fromValue<std::int64_t>(12), 7}));
        QCOMPARE(adds.first(), QVariantList({u"小红"_s}));
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
        QTemporaryDir folder;
        const QString file = folder.filePath(u"kobu.conf"_s);
        PreferencesPage page;
        page.setPreferences(Preferences{Language::TraditionalMandarin, true, false, false});
        QSignalSpy changes(&page, &PreferencesPage::changed);
        page.findChild<QComboBox *>()->setCurrentIndex(
            page.findChild<QComboBox *>()->findData(chosen.language ? Languages::code(*chosen.language) : QString()));
        page.findChild<QCheckBox *>(u"fullScreenBox"_s)->setChecked(chosen.fullScreen);
        page.findChild<QCheckBox *>(u"countingAloudBox"_s)->setChecked(chosen.countingAloud);
        page.findChild<QCheckBox *>(u"parentsVoiceBox"_s)->setChecked(chosen.parentsVoice);
        QVERIFY(!changes.isEmpty());
        QCOMPARE(changes.last().first().value<Preferences>(), chosen);
        {
            QSettings settings(file, QSettings::IniFormat);
            changes.last().first().value<Preferences>().save(settings);
        }
        QSettings again(file, QSettings::IniFormat);
        QCOMPARE(Preferences::load(again), chosen);
    }

    void nameBox_data()
    {
        QTest::addColumn<QStringList>("family"); // the first plays
        QTest::addColumn<bool>("asked");
        QTest::newRow("nobody named") << QStringList{} << false;
        QTest::newRow("one player") << QStringList{u"小明"_s} << false;
        QTest::newRow("two players") << QStringList{u"小明"_s, u"Ana"_s} << true;
    }

    // ▶ asks who plays only in a family of two or more; the leaderboard's name box holds the player's name.
    void nameBox()
    {
        QFETCH(QStringList, family);
        QFETCH(bool, asked);
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
        QCOMPARE(picker != nullptr, asked);
        if (picker) {
            QTRY_VERIFY(picker->isVisible());
            QTest::keyClick(picker->focusWidget(), Qt::Key_Return); // the player of last time
        }
        QVERIFY(game.rules().playing());
        for (int miss = 0; miss < 5; ++miss)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        LeaderboardWindow *board = nullptr;
        QTRY_VERIFY((board = game.findChild<LeaderboardWindow *>()) && board->isVisible());
        auto *const name = board->findChild<QLineEdit *>(u"nameBox"_s);
        QCOMPARE(QList({name->text(), QString::number(name->isReadOnly())}), QList({family.value(0), u"0"_s}));
    }

    // The family's page exports every judgement, and says when it could not.
    void exportFromTheCorner()
    {
        QTemporaryDir folder;
        HistoryStore store;
        store.open(optionsFor(folder, u"小明"_s));
        playGame(store, todayAtNoon());
        QWidget game;
        ParentsCorner corner(store, Preferences{}, &game);
        auto *const family = corner.findChild<FamilyPage *>();
        auto *const message = family->findChild<QLabel *>(u"familyMessage"_s);
        const QString written = folder.filePath(u"out.csv"_s);
        emit family->exportWanted(written);
        QTRY_COMPARE(message->text(), u"记录已经导出。"_s);
        QFile file(written);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.first().trimmed(), QByteArray("\xEF\xBB\xBF") + HistoryCsv::Header);
        QCOMPARE(lines.count(), 1 + 15 + 1);
        emit family->exportWanted(folder.filePath(u"missing/out.csv"_s));
        QTRY_VERIFY(message->text().startsWith(u"没能导出记录："_s));
    }

    // The page says what the history holds: the level in words, the grid, the charts and the last games.
    void playerPage()
    {
        QTemporaryDir folder;
        HistoryStore store;
        store.open(optionsFor(folder, u"小明"_s));
        playGame(store, todayAtNoon());
        QWidget game;
        ParentsCorner corner(store, Preferences{}, &game);
        QSignalSpy refreshed(&corner, &ParentsCorner::refreshed);
        corner.show();
        QVERIFY(refreshed.wait());
        QCOMPARE(corner.pages()->tabText(0), u"小明"_s);
        auto *const page = corner.findChild<PlayerPage *>();
        const auto text = [page](const QString &name) { return page->findChild<QLabel *>(name)->text(); };
        QCOMPARE(text(u"summary"_s), u"确实认识 1 到 4，正在学 5。"_s);
        QCOMPARE(text(u"name"_s), u"小明"_s);
        auto *const grid = page->findChild<NumberGrid *>();
        QList<NumberStatus> statuses;
        for (int n = 1; n <= 6; ++n)
            statuses.append(grid->numberProgress(n).status);
        QCOMPARE(statuses, QList({NumberStatus::Known, NumberStatus::Known, NumberStatus::Known, NumberStatus::Known,
                                  NumberStatus::Learning, NumberStatus::NotEnoughPlay}));
        const auto chart = [page](const QString &name) { return page->findChild<BarChartView *>(name)->chart().bars(); };
        QCOMPARE(chart(u"dayChart"_s).size(), 30);
        QCOMPARE(chart(u"dayChart"_s).last().value, 15.0);
        QCOMPARE(chart(u"weekChart"_s).size(), 12);
        QCOMPARE(chart(u"weekChart"_s).last().value, 13.0 / 15);
        QCOMPARE(chart(u"weekChart"_s).first().value, std::nullopt);
        auto *const games = page->findChild<QTableWidget *>();
        QCOMPARE(games->rowCount(), 1);
        QCOMPARE(QList({games->item(0, 1)->text(), games->item(0, 2)->text(), games->item(0, 3)->text()}),
                 QList({u"1"_s, u"130"_s, u"15"_s}));
        QVERIFY(!corner.findChild<QLabel *>(u"notice"_s)->isVisible());

        // A player added on the family's page gets a page of their own.
        auto *const family = corner.findChild<FamilyPage *>();
        family->findChild<QLineEdit *>(u"nameBox"_s)->setText(u"小红"_s);
        family->findChild<QPushButton *>(u"addButton"_s)->click();
        QTRY_COMPARE(corner.findChildren<PlayerPage *>().size(), 2);
    }

    // A damaged history was set aside: the parent is told where it went.
    void damagedNotice()
    {
        QTemporaryDir folder;
        QFile damaged(folder.filePath(u"history.sqlite"_s));
        QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write(QByteArray(4096, 'x')) && (damaged.close(), true));
        HistoryStore store;
        store.open(optionsFor(folder, u"小明"_s));
        QWidget game;
        ParentsCorner corner(store, Preferences{}, &game);
        QSignalSpy refreshed(&corner, &ParentsCorner::refreshed);
        corner.show();
        QVERIFY(refreshed.wait());
        auto *const notice = corner.findChild<QLabel *>(u"notice"_s);
        QTRY_VERIFY(notice->isVisible());
        QVERIFY2(notice->text().contains(u"history.sqlite.damaged-"_s), qPrintable(notice->text()));
    }

    // A screen reader can name every control a parent can reach with the keyboard.
    void accessibleNames()
    {
        QTemporaryDir folder;
        HistoryStore store;
        store.open(optionsFor(folder, u"小明"_s));
        playGame(store, todayAtNoon());
        QWidget game;
        ParentsCorner corner(store, Preferences{}, &game);
        QSignalSpy refreshed(&corner, &ParentsCorner::refreshed);
        corner.show();
        QVERIFY(refreshed.wait());
        for (int tab = 0; tab < corner.pages()->count(); ++tab) {
            corner.pages()->setCurrentIndex(tab);
            for (QWidget *control : corner.findChildren<QWidget *>()) {
                if (!control->isVisible() || !(control->focusPolicy() & Qt::TabFocus))
                    continue;
                QAccessibleInterface *const accessible = QAccessible::queryAccessibleInterface(control);
                QVERIFY2(accessible && !accessible->text(QAccessible::Name).isEmpty(),
                         qPrintable(control->metaObject()->className() + u" "_s + control->objectName()));
            }
        }
    }

    // The report a teacher gets: its text read back, and every font embedded.
    void report()
    {
        QTemporaryDir folder;
        HistoryStore store;
        store.open(optionsFor(folder, u"小明"_s));
        playGame(store, todayAtNoon());
        QWidget game;
        ParentsCorner corner(store, Preferences{}, &game);
        QSignalSpy refreshed(&corner, &ParentsCorner::refreshed);
        corner.show();
        QVERIFY(refreshed.wait());
        const QString file = folder.filePath(u"小明.pdf"_s);
        QVERIFY(ReportPdf::write(corner.findChild<PlayerPage *>()->report(), QDate(2026, 12, 7), file));
        const QString text = run(u"pdftotext"_s, {file, u"-"_s}).simplified().remove(u' ');
        for (const QString &expected : {u"小明"_s, u"确实认识1到4，正在学5。"_s, u"每天答的题数"_s, u"每周第一次就答对的比例"_s,
                                        u"2026"_s})
            QVERIFY2(text.contains(expected), qPrintable(expected + u" in "_s + text));
        const QStringList fonts = run(u"pdffonts"_s, {file}).split(u'\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY(!fonts.isEmpty());
        for (const QString &font : fonts)
            QVERIFY2(font.contains(u" yes "_s), qPrintable(font));
    }
};

QTEST_MAIN(tst_ParentsCorner)
#include "tst_parentscorner.moc"
