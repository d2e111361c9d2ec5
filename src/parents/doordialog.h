#pragma once

#include <QDialog>

class AdultDoor;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// Asks the adult's question over the game; accepted once it is answered
// right. The door outlives the dialog, so a lockout holds when it is
// closed and opened again.
class DoorDialog : public QDialog
{
    Q_OBJECT

public:
    DoorDialog(AdultDoor &door, QWidget *parent);

    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void enlargeQuestion();
    void showQuestion();
    void showLockout();

    AdultDoor &m_door;
    QLabel *m_prompt = nullptr;
    QLabel *m_question = nullptr;
    QLineEdit *m_answerBox = nullptr;
    QLabel *m_message = nullptr;
    QPushButton *m_openButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    // Counts the lockout down on screen.
    QTimer *m_lockoutTimer = nullptr;
};
