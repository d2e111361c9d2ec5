#pragma once

#include <QObject>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <stop_token>
#include <thread>

// Runs tasks one after another on a thread of its own, so that the thread
// that posts them never waits on a file or a device. What a task returns
// runs afterwards on the queue's own thread, unless the queue is gone by
// then. Destroying the queue drops the tasks still waiting and asks the
// running one to stop: it waits for that one alone.
class BackgroundQueue : public QObject
{
public:
    using Reply = std::function<void()>;
    using Task = std::function<Reply(std::stop_token)>;

    explicit BackgroundQueue(QObject *parent = nullptr);
    ~BackgroundQueue() override;

    void post(Task task);
    // From a running task: a reply that runs before the task's own, for
    // news along the way.
    void answer(Reply reply);

private:
    void work(std::stop_token stop);

    std::mutex m_mutex;
    std::condition_variable_any m_wake;
    std::deque<Task> m_waiting;
    // Started with the first task: a game that never needs it has no thread.
    std::jthread m_thread;
};
