#include "sound/backgroundqueue.h"

#include <QtTest>

#include <atomic>
#include <memory>

class tst_BackgroundQueue : public QObject
{
    Q_OBJECT

private slots:
    // Tasks run in turn away from the poster; their replies come back in the same order on its thread.
    void repliesInOrder()
    {
        BackgroundQueue queue;
        QList<int> replies;
        std::atomic<int> onPosterThread = 0;
        QThread *const poster = QThread::currentThread();
        for (int i = 0; i < 5; ++i) {
            queue.post([&, i](std::stop_token) {
                onPosterThread += QThread::currentThread() == poster;
                return [&, i] {
                    onPosterThread += QThread::currentThread() != poster;
                    replies.append(i);
                };
            });
        }
        QTRY_COMPARE(replies, (QList<int>{0, 1, 2, 3, 4}));
        QCOMPARE(onPosterThread.load(), 0);
    }

    // Destroyed while a task runs and others wait: the running one is asked to stop, the waiting ones
    // never start, and no reply arrives afterwards.
    void destroyedWhileBusy()
    {
        QSemaphore started;
        std::atomic<bool> stopAsked = false;
        std::atomic<int> laterTasks = 0;
        bool replied = false;
        auto queue = std::make_unique<BackgroundQueue>();
        queue->post([&](std::stop_token stop) {
            started.release();
            while (!stop.stop_requested())
                QThread::yieldCurrentThread();
            stopAsked = true;
            return [&] { replied = true; };
        });
        for (int i = 0; i < 10; ++i)
            queue->post([&](std::stop_token) {
                ++laterTasks;
                return [&] { replied = true; };
            });
        started.acquire();
        queue.reset();
        QCoreApplication::processEvents();
        QVERIFY(stopAsked);
        QCOMPARE(laterTasks.load(), 0);
        QVERIFY(!replied);
    }
};

QTEST_GUILESS_MAIN(tst_BackgroundQueue)
#include "tst_backgroundqueue.moc"
