#include "history/historystore.h"
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

    // Adding, renaming and choosing a picture each say which player and what.
    void familyWishes()
    {
        FamilyPage page;
        page.setPlayers(family(2));
        QSignalSpy adds(&page, &FamilyPage::addWanted);
        QSignalSpy renames(&page, &FamilyPage::renameWanted);
        QSignalSpy pictures(&page, &FamilyPage::pictureWanted);
        auto *const nameBox = page.findChild<QLineEdit *>(u"nameBox"_s);
        page.findChild<QListWidget *>()->setCurrentRow(1);
        QCOMPARE(nameBox->text(), u"Ana"_s);
        QVERIFY(page.findChild<QToolButton *>(u"picture-panda"_s)->isChecked());
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
};

QTEST_MAIN(tst_ParentsCorner)
#include "tst_parentscorner.moc"
