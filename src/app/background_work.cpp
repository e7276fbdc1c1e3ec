// SPDX-License-Identifier: Apache-2.0
#include "app/background_work.h"

#include "dialogs/busy_cursor.h"

#include <QEventLoop>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

namespace korvanex {

BackgroundWork::BackgroundWork(QObject* parent) : QObject(parent) {
    connect(&running_, &QFutureWatcher<void>::finished, this, &BackgroundWork::ended);
}

BackgroundWork::~BackgroundWork() {
    waiting_ = nullptr;
    stop_.request_stop();
    running_.waitForFinished();
}

void BackgroundWork::request(Work work) {
    ++requests_;
    setBusy(true);
    if (started_) {
        stop_.request_stop();
        waiting_ = std::move(work);
    } else {
        start(std::move(work));
    }
}

void BackgroundWork::cancel() {
    ++requests_;
    waiting_ = nullptr;
    stop_.request_stop();
    setBusy(false);
}

void BackgroundWork::waitForEnd() {
    if (busy_) {
        BusyCursor pointer;
        QEventLoop loop;
        connect(this, &BackgroundWork::busyChanged, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    // A chart lays itself out on a later pass of the event loop: drawn before that, it has no axes.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

// A step is posted to this object, so that it runs on the user-interface thread, in the order the
// steps were handed over, and before the end of the work is told.
void BackgroundWork::start(Work work) {
    started_ = true;
    stop_ = std::stop_source();
    const quint64 request = requests_;
    Deliver deliver = [this, request](std::function<void()> step) {
        QMetaObject::invokeMethod(
            this,
            [this, request, step = std::move(step)] {
                if (request == requests_) {
                    step();
                }
            },
            Qt::QueuedConnection);
    };
    running_.setFuture(QtConcurrent::run([work = std::move(work), stop = stop_.get_token(),
                                          deliver = std::move(deliver)] { work(stop, deliver); }));
}

void BackgroundWork::ended() {
    started_ = false;
    if (waiting_) {
        start(std::exchange(waiting_, nullptr));
        return;
    }
    if (busy_) {
        setBusy(false);
        emit finished();
    }
}

void BackgroundWork::setBusy(bool busy) {
    if (busy != busy_) {
        busy_ = busy;
        emit busyChanged(busy);
    }
}

} // namespace korvanex
