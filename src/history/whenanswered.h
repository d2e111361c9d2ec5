#pragma once

#include <QFutureWatcher>
#include <QObject>

#include <utility>

// Hands the history's answer to receive on the receiver's thread, or drops it
// when the receiver is gone by then. Qt 6.4's QFuture::then(context, …)
// requires its context to outlive the answer, but a window closes, or the
// game quits, while the history is still answering: the watcher here is the
// receiver's child and goes with it.
template<typename T, typename Receive>
void whenAnswered(QFuture<T> answer, QObject *receiver, Receive receive)
{
    auto *const watcher = new QFutureWatcher<T>(receiver);
    QObject::connect(watcher, &QFutureWatcherBase::finished, receiver,
                     [watcher, receive = std::move(receive)]() mutable {
                         // Cancelled when the history closed before answering.
                         if (watcher->future().resultCount() > 0)
                             receive(watcher->result());
                         watcher->deleteLater();
                     });
    watcher->setFuture(std::move(answer));
}
