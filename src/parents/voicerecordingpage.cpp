#include "parents/voicerecordingpage.h"

#include "sound/soundlibrary.h"
#include "sound/soundplayer.h"
#include "sound/voicerecorder.h"
#include "sound/voicetake.h"

#include <QButtonGroup>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// Held at least this long, the record button records while it is held;
// a shorter press starts a take that Stop ends.
constexpr qint64 HoldMs = 400;
// The meter shows the peak from -60 dBFS (empty) to full scale.
constexpr double MeterFloorDbfs = -60.0;
constexpr int MeterSteps = 100;

int meterValue(double peak)
{
    if (peak <= 0.0)
        return 0;
    const double dbfs = 20.0 * std::log10(peak);
    return int(std::lround(std::clamp(1.0 - dbfs / MeterFloorDbfs, 0.0, 1.0) * MeterSteps));
}

QPushButton *makeButton(const QString &text, const QString &name, QWidget *parent)
{
    auto *const button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

VoiceRecordingPage::VoiceRecordingPage(QString voiceFolder, SoundPlayer &player, QWidget *parent)
    : QWidget(parent)
    , m_voiceFolder(std::move(voiceFolder))
    , m_player(player)
{
    setObjectName(QStringLiteral("voiceRecordingPage"));
    m_heading = new QLabel(this);
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);
    m_hint = new QLabel(this);
    m_hint->setWordWrap(true);

    auto *const numberRow = new QHBoxLayout;
    m_numbers = new QButtonGroup(this);
    for (int n = Sounds::FirstNumber; n <= Sounds::LastNumber; ++n) {
        QPushButton *const button = makeButton(QString::number(n), QStringLiteral("number%1").arg(n), this);
        button->setCheckable(true);
        button->setChecked(n == Sounds::FirstNumber);
        m_numbers->addButton(button, n);
        numberRow->addWidget(button);
    }

    m_recordButton = makeButton(QString(), QStringLiteral("recordButton"), this);
    m_levelMeter = new QProgressBar(this);
    m_levelMeter->setObjectName(QStringLiteral("levelMeter"));
    m_levelMeter->setRange(0, MeterSteps);
    m_levelMeter->setTextVisible(false);
    auto *const recordRow = new QHBoxLayout;
    recordRow->addWidget(m_recordButton);
    recordRow->addWidget(m_levelMeter, 1);

    m_playButton = makeButton(QString(), QStringLiteral("playButton"), this);
    m_keepButton = makeButton(QString(), QStringLiteral("keepButton"), this);
    m_againButton = makeButton(QString(), QStringLiteral("againButton"), this);
    m_deleteButton = makeButton(QString(), QStringLiteral("deleteButton"), this);
    auto *const takeRow = new QHBoxLayout;
    for (QPushButton *button : {m_playButton, m_keepButton, m_againButton, m_deleteButton})
        takeRow->addWidget(button);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("statusLabel"));
    m_status->setWordWrap(true);

    auto *const layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_hint);
    layout->addLayout(numberRow);
    layout->addLayout(recordRow);
    layout->addLayout(takeRow);
    layout->addWidget(m_status);
    layout->addStretch(1);

    m_recorder = new VoiceRecorder(m_player.audio(), this);
    connect(m_recorder, &VoiceRecorder::level, this,
            [this](double peak, double) { m_levelMeter->setValue(meterValue(peak)); });
    connect(m_recorder, &VoiceRecorder::taken, this, &VoiceRecordingPage::takeArrived);
    connect(m_recorder, &VoiceRecorder::failed, this, [this] {
        tell(tr("找不到能用的麦克风，所以没法录音。"));
        enter(Step::Ready);
    });
    connect(m_recordButton, &QPushButton::pressed, this, &VoiceRecordingPage::pressRecord);
    connect(m_recordButton, &QPushButton::released, this, &VoiceRecordingPage::releaseRecord);
    connect(m_againButton, &QPushButton::clicked, this, [this] {
        pressRecord();
        releaseRecord();
    });
    connect(m_playButton, &QPushButton::clicked, this, [this] {
        if (m_step == Step::Listening)
            m_player.playWave(m_take);
        else
            m_player.play(Sounds::spokenNumber(number()));
    });
    connect(m_keepButton, &QPushButton::clicked, this, &VoiceRecordingPage::keep);
    connect(m_deleteButton, &QPushButton::clicked, this, &VoiceRecordingPage::remove);
    connect(m_numbers, &QButtonGroup::idClicked, this, [this] {
        tell({});
        enter(Step::Ready);
    });
    retranslate();
    enter(Step::Ready);
}

int VoiceRecordingPage::number() const
{
    return m_numbers->checkedId();
}

void VoiceRecordingPage::pressRecord()
{
    if (m_step == Step::Recording) {
        m_recorder->stop();
        return;
    }
    tell({});
    m_held.start();
    enter(Step::Recording);
    m_recorder->start();
}

void VoiceRecordingPage::releaseRecord()
{
    // A press held long enough was the whole take; a short one started it.
    if (m_step == Step::Recording && m_held.isValid() && m_held.elapsed() >= HoldMs)
        m_recorder->stop();
    m_held.invalidate();
}

void VoiceRecordingPage::takeArrived(const std::vector<std::int16_t> &samples)
{
    m_levelMeter->setValue(0);
    const std::vector<std::int16_t> voice = VoiceTake::trimSilence(samples);
    if (voice.empty()) {
        tell(tr("什么也没听到。请靠近麦克风，再录一次。"));
        enter(Step::Ready);
        return;
    }
    m_take = VoiceTake::waveFile(VoiceTake::normalisePeak(voice));
    enter(Step::Listening);
    m_player.playWave(m_take);
}

void VoiceRecordingPage::keep()
{
    changeFile(m_take);
}

void VoiceRecordingPage::remove()
{
    changeFile(std::nullopt);
}

void VoiceRecordingPage::changeFile(std::optional<QByteArray> wave)
{
    const int chosen = number();
    const QString path = QDir(m_voiceFolder).filePath(SoundLibrary::recordingFileName(chosen));
    enter(Step::Saving);
    m_files.post([this, chosen, path, folder = m_voiceFolder, wave = std::move(wave)](std::stop_token) {
        bool done = false;
        if (wave) {
            QSaveFile file(path);
            done = QDir().mkpath(folder) && file.open(QIODevice::WriteOnly) && file.write(*wave) == wave->size()
                   && file.commit();
        } else {
            done = QFile::remove(path) || !QFile::exists(path);
        }
        return [this, chosen, done, saving = wave.has_value()] {
            // The game reads the number again the next time it is heard.
            m_player.forgetRecording(chosen);
            if (!done)
                tell(saving ? tr("录音没能保存，这个数字的声音没有改变。") : tr("录音没能删除，这个数字的声音没有改变。"));
            else
                tell(saving ? tr("录音已保留，游戏会用它说这个数字。") : tr("录音已删除，游戏又用原来的声音。"));
            enter(Step::Ready);
        };
    });
}

void VoiceRecordingPage::enter(Step step)
{
    m_step = step;
    if (step != Step::Listening)
        m_take.clear();
    const bool ready = step == Step::Ready;
    const bool listening = step == Step::Listening;
    for (QAbstractButton *button : m_numbers->buttons())
        button->setEnabled(ready || listening);
    m_recordButton->setEnabled(ready || listening || step == Step::Recording);
    labelRecordButton();
    m_playButton->setEnabled(ready || listening);
    m_keepButton->setEnabled(listening);
    m_againButton->setEnabled(listening);
    m_deleteButton->setEnabled(ready);
}

void VoiceRecordingPage::tell(const QString &sentence)
{
    m_status->setText(sentence);
}

void VoiceRecordingPage::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void VoiceRecordingPage::retranslate()
{
    m_heading->setText(tr("录制数字"));
    m_hint->setText(tr("选一个数字，按住“录音”说出它，松开就停；也可以点一下“录音”，说完再点“停止”。"));
    labelRecordButton();
    m_levelMeter->setAccessibleName(tr("音量"));
    m_playButton->setText(tr("播放"));
    m_keepButton->setText(tr("保留"));
    m_againButton->setText(tr("重录"));
    m_deleteButton->setText(tr("删除"));
    m_deleteButton->setToolTip(tr("删除这个数字的录音，游戏又用原来的声音。"));
}

void VoiceRecordingPage::labelRecordButton()
{
    m_recordButton->setText(m_step == Step::Recording ? tr("停止") : tr("录音"));
}
