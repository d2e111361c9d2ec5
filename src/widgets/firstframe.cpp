#include "widgets/firstframe.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace {

// Watches the window for its first exposure, which draws the whole frame
// and sends it to the screen before anything queued meanwhile runs.
class FirstFrameWatch : public QObject
{
public:
    FirstFrameWatch(QWidget &window, std::function<void()> work)
        : QObject(&window)
        , m_work(std::move(work))
    {
        window.createWinId();
        window.windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(parent(), std::move(m_work), Qt::QueuedConnection);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_work;
};

} // namespace

void afterFirstFrame(QWidget &window, std::function<void()> work)
{
    new FirstFrameWatch(window, std::move(work));
}
