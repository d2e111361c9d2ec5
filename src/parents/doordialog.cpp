#include "parents/doordialog.h"

#include "parents/adultdoor.h"
#include "widgets/designscale.h"
#include "widgets/keyboardkeeper.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int LargestAnswer = AdultDoor::LargestFactor * AdultDoor::LargestFactor;
constexpr int CountdownMs = 250;
constexpr qreal QuestionFontScale = 2;

} // namespace

DoorDialog::DoorDialog(AdultDoor &door, QWidget *parent)
    : QDialog(parent)
    , m_door(door)
{
    setObjectName(QStringLiteral("doorDialog"));
    setWindowModality(Qt::WindowModal);
    keepKeyboardOverGame(*this);

    m_prompt = new QLabel(this);
    m_question = new QLabel(this);
    m_question->setObjectName(QStringLiteral("question"));
    m_question->setAlignment(Qt::AlignCenter);
    m_answerBox = new QLineEdit(this);
    m_answerBox->setObjectName(QStringLiteral("answerBox"));
    m_answerBox->setValidator(new QIntValidator(0, LargestAnswer, m_answerBox));
    m_answerBox->setAlignment(Qt::AlignCenter);
    enlargeQuestion();
    m_prompt->setBuddy(m_answerBox);
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("doorMessage"));
    m_message->setWordWrap(true);
    auto *const buttons = new QDialogButtonBox(this);
    m_openButton = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    m_openButton->setObjectName(QStringLiteral("openButton"));
    m_openButton->setDefault(true);
    m_cancelButton = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &DoorDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &DoorDialog::reject);

    auto *const layout = new QVBoxLayout(this);
    layout->addWidget(m_prompt);
    layout->addWidget(m_question);
    layout->addWidget(m_answerBox);
    layout->addWidget(m_message);
    layout->addWidget(buttons);

    m_lockoutTimer = new QTimer(this);
    m_lockoutTimer->setInterval(CountdownMs);
    connect(m_lockoutTimer, &QTimer::timeout, this, &DoorDialog::showLockout);
    retranslate();
}

void DoorDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        enlargeQuestion();
    else if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void DoorDialog::retranslate()
{
    setWindowTitle(tr("家长园地"));
    m_prompt->setText(tr("这里是给家长的。请回答："));
    m_answerBox->setAccessibleName(tr("答案"));
    m_openButton->setText(tr("打开"));
    m_cancelButton->setText(tr("取消"));
}

// Larger than the dialog's own text, whatever the scale it is drawn at.
void DoorDialog::enlargeQuestion()
{
    const QFont large = scaledFont(font(), QuestionFontScale);
    m_question->setFont(large);
    m_answerBox->setFont(large);
}

void DoorDialog::showEvent(QShowEvent *event)
{
    m_message->clear();
    showQuestion();
    showLockout();
    QDialog::showEvent(event);
}

void DoorDialog::accept()
{
    bool number = false;
    const int product = m_answerBox->text().toInt(&number);
    if (!number)
        return;
    switch (m_door.answer(product)) {
    case AdultDoor::Outcome::Opened:
        QDialog::accept();
        return;
    case AdultDoor::Outcome::AskedAgain:
        m_message->setText(tr("不对。请回答这一题："));
        break;
    case AdultDoor::Outcome::Locked:
        break;
    }
    showQuestion();
    showLockout();
}

void DoorDialog::showQuestion()
{
    m_question->setText(tr("%1 × %2 = ?").arg(m_door.leftFactor()).arg(m_door.rightFactor()));
    m_answerBox->clear();
    m_answerBox->setFocus();
}

void DoorDialog::showLockout()
{
    const int seconds = m_door.secondsLocked();
    const bool locked = seconds > 0;
    m_answerBox->setEnabled(!locked);
    m_openButton->setEnabled(!locked);
    m_question->setVisible(!locked);
    if (locked) {
        m_message->setText(tr("答错了三次。请 %1 秒后再试。").arg(seconds));
        m_lockoutTimer->start();
    } else if (m_lockoutTimer->isActive()) {
        m_lockoutTimer->stop();
        m_message->clear();
        m_answerBox->setFocus();
    }
}
