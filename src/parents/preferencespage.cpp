#include "parents/preferencespage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QSignalBlocker>

PreferencesPage::PreferencesPage(QWidget *parent)
    : QWidget(parent)
{
    m_language = new QComboBox(this);
    m_language->setObjectName(QStringLiteral("languageBox"));
    m_language->addItem(QString(), QString());
    for (const QString &code : Languages::codes())
        m_language->addItem(Languages::nativeName(*Languages::fromCode(code)), code);
    m_fullScreen = new QCheckBox(this);
    m_fullScreen->setObjectName(QStringLiteral("fullScreenBox"));
    m_countingAloud = new QCheckBox(this);
    m_countingAloud->setObjectName(QStringLiteral("countingAloudBox"));
    m_parentsVoice = new QCheckBox(this);
    m_parentsVoice->setObjectName(QStringLiteral("parentsVoiceBox"));

    m_languageLabel = new QLabel(this);
    m_languageLabel->setBuddy(m_language);
    auto *const layout = new QFormLayout(this);
    layout->addRow(m_languageLabel, m_language);
    layout->addRow(m_fullScreen);
    layout->addRow(m_countingAloud);
    layout->addRow(m_parentsVoice);
    retranslate();

    const auto tell = [this] { emit changed(preferences()); };
    connect(m_language, &QComboBox::currentIndexChanged, this, tell);
    for (QCheckBox *box : {m_fullScreen, m_countingAloud, m_parentsVoice})
        connect(box, &QCheckBox::toggled, this, tell);
}

void PreferencesPage::setPreferences(const Preferences &preferences)
{
    const QSignalBlocker quietLanguage(m_language);
    const QSignalBlocker quietFullScreen(m_fullScreen);
    const QSignalBlocker quietCounting(m_countingAloud);
    const QSignalBlocker quietVoice(m_parentsVoice);
    m_language->setCurrentIndex(
        std::max(0, m_language->findData(preferences.language ? Languages::code(*preferences.language) : QString())));
    m_fullScreen->setChecked(preferences.fullScreen);
    m_countingAloud->setChecked(preferences.countingAloud);
    m_parentsVoice->setChecked(preferences.parentsVoice);
}

Preferences PreferencesPage::preferences() const
{
    Preferences chosen;
    chosen.language = Languages::fromCode(m_language->currentData().toString());
    chosen.fullScreen = m_fullScreen->isChecked();
    chosen.countingAloud = m_countingAloud->isChecked();
    chosen.parentsVoice = m_parentsVoice->isChecked();
    return chosen;
}

void PreferencesPage::setRecordingsAvailable(bool available)
{
    m_parentsVoice->setEnabled(available);
}

void PreferencesPage::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void PreferencesPage::retranslate()
{
    // Each language keeps its own name, whatever the game speaks.
    m_language->setItemText(0, tr("跟随系统"));
    m_languageLabel->setText(tr("语言："));
    m_language->setAccessibleName(tr("语言"));
    m_fullScreen->setText(tr("开始时全屏"));
    m_countingAloud->setText(tr("开始时数出声来"));
    m_parentsVoice->setText(tr("用家长录的声音念数"));
    for (QCheckBox *box : {m_fullScreen, m_countingAloud, m_parentsVoice})
        box->setAccessibleName(box->text());
}
