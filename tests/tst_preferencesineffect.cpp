#include "game/gamewindow.h"
#include "help/helpwindow.h"
#include "history/gamerecorder.h"
#include "history/historystore.h"
#include "language/translation.h"
#include "leaderboard/leaderboardwindow.h"
#include "parents/adultdoor.h"
#include "parents/doordialog.h"
#include "parents/parentscorner.h"
#include "parents/playerpage.h"
#include "parents/playerpicker.h"
#include "parents/preferencesineffect.h"
#include "parents/voicerecordingpage.h"
#include "sound/soundplayer.h"
#include "sound/voicetake.h"
#include "testfiles.h"

#include <QTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

namespace {

// Every text a window shows or tells a screen reader, its controls' included.
QStringList textsOf(QWidget &window)
{
    QStringList texts;
    for (const QObject *object : window.findChildren<QObject *>() + QObjectList{&window})
        for (const char *name : {"windowTitle", "toolTip", "accessibleName", "text", "currentText"})
            texts << object->property(name).toString();
    return texts;
}

int numberOneMs(SoundPlayer &sound)
{
    sound.play(Sound::Number1);
    return QTest::qWaitFor([&sound] { return !sound.isDecoding(); }, 20000) ? sound.startedSoundMs() : -1;
}

// Heard alone: SDL's dummy driver opens one device at a time.
int builtInNumberOneMs(Language language)
{
    SoundPlayer alone(SoundLibrary(Languages::numberSoundFolder(language), {}));
    return numberOneMs(alone);
}

// Saved, then picked in the corner; the voice is the parent's or the built-in.
// `running` is the command line's, or the saved one. The parent's voice is picked (the other before) or not, number one
// is recorded in it or not, and the next game is recorded with `voice`.
struct Change { std::optional<Language> before; Language running; std::optional<Language> picked; Language spoken;
                bool parentsVoice = false, recorded = false; History::Voice voice = History::Voice::BuiltIn; };

} // namespace

class tst_PreferencesInEffect : public QObject
{
    Q_OBJECT

private slots:
    void atOnce_data()
    {
        QTest::addColumn<Change>("change");
        using enum Language;
        using enum History::Voice;
        QTest::newRow("Traditional Mandarin") << Change{Cantonese, Cantonese, TraditionalMandarin, TraditionalMandarin};
        QTest::newRow("Cantonese") << Change{English, English, Cantonese, Cantonese};
        QTest::newRow("English") << Change{Cantonese, Cantonese, English, English};
        QTest::newRow("the desktop's (C.UTF-8)") << Change{English, English, {}, SimplifiedMandarin};
        QTest::newRow("the command line's, voice picked") << Change{Cantonese, English, Cantonese, English};
        QTest::newRow("the parent's voice, recorded") << Change{English, English, English, English, true, true, Parent};
        QTest::newRow("the parent's voice, not recorded") << Change{English, English, English, English, true};
        QTest::newRow("the built-in voice, recorded") << Change{English, English, English, English, false, true};
    }

    // Every kind of window says its texts in the language picked at once, the next number is heard in it
    // and in the voice picked (even one decoded before), and the next game is recorded so.
    void atOnce()
    {
        QFETCH(const Change, change);
        const auto [before, running, picked, spoken, parentsVoice, recorded, voice] = change;
        constexpr int RecordingMs = 2000;
        const int spokenMs = builtInNumberOneMs(spoken);
        QVERIFY(running == spoken || builtInNumberOneMs(running) != spokenMs);
        const QTemporaryDir folder;
        const QString voiceFolder = folder.filePath(u"voice"_s);
        QVERIFY(!recorded || (QDir().mkpath(voiceFolder) && writeFile(QDir(voiceFolder).filePath(SoundLibrary::recordingFileName(1)),
            VoiceTake::waveFile(std::vector<std::int16_t>(VoiceTake::SampleRate * RecordingMs / 1000)))));

        // The game as the program puts it together.
        Translation translation(running);
        SoundPlayer sound;
        HistoryStore history;
        history.open([&folder, voiceFolder] {
            return HistoryWriter::Options{folder.path() + u'/', u"小明"_s, folder.filePath(u"kobu.ini"_s),
                                          PreferencesInEffect::recordedVoice({voiceFolder})};
        });
        GameRecorder recorder(history, {});
        GameWindow game(sound, recorder, folder.path() + u'/', 1, Bitmaps{});
        const Preferences atStart{before, false, true, !parentsVoice};
        PreferencesInEffect inEffect({game, sound, recorder, translation}, atStart, running, {voiceFolder});
        QCOMPARE(numberOneMs(sound) == RecordingMs, recorded && !parentsVoice);
        HelpWindow help(game);
        LeaderboardWindow board(game, sound, folder.path() + u'/');
        AdultDoor door(1);
        DoorDialog doorDialog(door, &game);
        PlayerPicker picker({{1, u"小明"_s, 0, 1, {}}}, 1, &game);
        ParentsCorner corner(history, atStart, &game);
        corner.addRecordingPage(new VoiceRecordingPage(voiceFolder, sound));
        PlayerPage page;

        inEffect.change({picked, false, true, parentsVoice});
        QCoreApplication::processEvents();
        QTranslator texts;
        QVERIFY(spoken == Language::SimplifiedMandarin || texts.load(Languages::translationFile(spoken)));
        const QList<std::tuple<QWidget *, const char *, const char *>> probes{
            {&game, "GameWindow", "开始"}, {&help, "HelpWindow", "帮助"}, {&board, "LeaderboardWindow", "确认"},
            {&doorDialog, "DoorDialog", "这里是给家长的。请回答："}, {&picker, "PlayerPicker", "谁在玩？"},
            {&corner, "ParentsCorner", "家长园地"}, {&corner, "FamilyPage", "添加玩家"},
            {&corner, "Grade", "看看听听"}, {&corner, "PreferencesPage", "开始时全屏"},
            {&corner, "VoiceRecordingPage", "录制数字"}, {&page, "PlayerPage", "导出 PDF 报告…"},
            {&page, "ChildReport", "每天答的题数（最近 30 天）"},
        };
        for (const auto &[window, context, source] : probes) {
            const QString said = texts.translate(context, source);
            QVERIFY2(textsOf(*window).contains(said.isEmpty() ? QString::fromUtf8(source) : said), source);
        }
        QCOMPARE(numberOneMs(sound), voice == History::Voice::Parent ? RecordingMs : spokenMs);
        recorder.gameStarted(1, true);
        recorder.gameEnded(0);
        const History::GameSettings settings = history.lastGames(history.currentPlayer().result()->id).result().at(0).settings;
        QCOMPARE(std::pair(settings.language, settings.voice), std::pair(Languages::code(spoken), voice));
    }
};

QTEST_MAIN(tst_PreferencesInEffect)
#include "tst_preferencesineffect.moc"
