#include "sound/backgroundqueue.h"

BackgroundQueue::BackgroundQueue(QObject *parent)
    : QObject(parent)
{
}

BackgroundQueue::~BackgroundQueue()
{
    {
        const std::lock_guard lock(m_mutex);
        m_waiting.clear();
    }
    // Joined here, before QObject's destructor drops the replies already posted.
    if (m_thread.joinable()) {
        m_thread.request_stop();
        m_thread.join();
    }
}

void BackgroundQueue::post(Task task)
{
    {
        const std::lock_guard lock(m_mutex);
        m_waiting.push_back(std::move(task));
    }
    if (!m_thread.joinable())
        m_thread = std::jthread([this](std::stop_token stop) { work(stop); });
    m_wake.notify_one();
}

void BackgroundQueue::answer(Reply reply)
{
    QMetaObject::invokeMethod(this, std::move(reply), Qt::QueuedConnection);
}

void BackgroundQueue::work(std::stop_token stop)
{
    for (;;) {
        Task task;
        {
            std::unique_lock lock(m_mutex);
            if (!m_wake.wait(lock, stop, [this] { return !m_waiting.empty(); }))
                return;
            task = std::move(m_waiting.front());
            m_waiting.pop_front();
        }
        Reply reply = task(stop);
        if (reply && !stop.stop_requested())
            answer(std::move(reply));
    }
}
