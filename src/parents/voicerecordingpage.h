#pragma once

#include "sound/backgroundqueue.h"

#include <QElapsedTimer>
#include <QWidget>

#include <cstdint>
#include <vector>

class QButtonGroup;
class QLabel;
class QProgressBar;
class QPushButton;
class SoundPlayer;
class VoiceRecorder;

// Where a parent records their own voice saying each number, which the game
// then speaks instead of its built-in voice. A take is trimmed, brought to
// an even loudness and played back at once; the parent keeps it or records
// again. Kept takes are written to the player's voice folder off this thread.
class VoiceRecordingPage : public QWidget
{
    Q_OBJECT

public:
    VoiceRecordingPage(QString voiceFolder, SoundPlayer &player, QWidget *parent = nullptr);

    // The number whose voice the page records, 1 to 10.
    int number() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    enum class Step {
        Ready,     // a number is chosen, nothing is under way
        Recording, // the microphone opens or is heard
        Listening, // a take waits to be kept or recorded again
        Saving,    // a file is written or removed
    };

    void pressRecord();
    void releaseRecord();
    void takeArrived(const std::vector<std::int16_t> &samples);
    void keep();
    void remove();
    // Writes or removes the number's file away from this thread.
    void changeFile(std::optional<QByteArray> wave);
    void enter(Step step);
    void tell(const QString &sentence);
    void retranslate();
    void labelRecordButton();

    const QString m_voiceFolder;
    SoundPlayer &m_player;
    Step m_step = Step::Ready;
    QByteArray m_take; // the take listened to, as a whole WAVE file
    QElapsedTimer m_held;

    VoiceRecorder *m_recorder = nullptr;
    QLabel *m_heading = nullptr;
    QLabel *m_hint = nullptr;
    QButtonGroup *m_numbers = nullptr;
    QPushButton *m_recordButton = nullptr;
    QProgressBar *m_levelMeter = nullptr;
    QPushButton *m_playButton = nullptr;
    QPushButton *m_keepButton = nullptr;
    QPushButton *m_againButton = nullptr;
    QPushButton *m_deleteButton = nullptr;
    QLabel *m_status = nullptr;
    // Last: its thread stops before anything it reports to is gone.
    BackgroundQueue m_files;
};
