#include "widgets/keyboardkeeper.h"

#include <QDialog>
#include <QEvent>

namespace {

class KeyboardKeeper : public QObject
{
public:
    KeyboardKeeper(QDialog &dialog, QWidget &gameWindow)
        : QObject(&dialog)
        , m_dialog(dialog)
    {
        gameWindow.installEventFilter(this);
        connect(&dialog, &QDialog::finished, &gameWindow, [&gameWindow] { gameWindow.activateWindow(); });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::WindowActivate && m_dialog.isVisible())
            m_dialog.activateWindow();
        return QObject::eventFilter(watched, event);
    }

private:
    QDialog &m_dialog;
};

} // namespace

void keepKeyboardOverGame(QDialog &dialog)
{
    if (QWidget *const gameWindow = dialog.parentWidget())
        new KeyboardKeeper(dialog, *gameWindow);
}
