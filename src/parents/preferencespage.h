#pragma once

#include "parents/preferences.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;

// The settings a parent chooses for every game; each change is handed on at once.
class PreferencesPage : public QWidget
{
    Q_OBJECT

public:
    explicit PreferencesPage(QWidget *parent = nullptr);

    void setPreferences(const Preferences &preferences);
    Preferences preferences() const;
    // Without recordings there is no choice of voice to make.
    void setRecordingsAvailable(bool available);

signals:
    void changed(const Preferences &preferences);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();


    QComboBox *m_language = nullptr;
    QLabel *m_languageLabel = nullptr;
    QCheckBox *m_fullScreen = nullptr;
    QCheckBox *m_countingAloud = nullptr;
    QCheckBox *m_parentsVoice = nullptr;
};
