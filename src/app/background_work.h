// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QFutureWatcher>
#include <QObject>

#include <functional>
#include <stop_token>

namespace korvanex {

// Work that runs off the user-interface thread, one request at a time. A newer request supersedes
// the one running: that one is asked to stop, nothing it still hands over is shown, and the newer
// starts as soon as it has stopped. The work hands its results over step by step as it makes them;
// each step then runs on the user-interface thread.
class BackgroundWork : public QObject {
    Q_OBJECT

  public:
    // Hands one step over to the user-interface thread, where it runs unless a newer request was made.
    using Deliver = std::function<void(std::function<void()> step)>;
    using Work = std::function<void(std::stop_token stop, const Deliver& deliver)>;

    explicit BackgroundWork(QObject* parent);
    // Asks the running work to stop and waits for it.
    ~BackgroundWork() override;

    void request(Work work);
    // Drops the running request, and the one waiting, without starting another.
    void cancel();
    // Whether a request has not yet run to its end.
    bool isBusy() const { return busy_; }
    // Waits until no request is running, holding the user's input back, under the busy pointer, and
    // lays out what the steps changed, so that the windows can be drawn, saved or printed as they stand.
    void waitForEnd();

  signals:
    void busyChanged(bool busy);
    // The latest request ran to its end, and every step it handed over has run.
    void finished();

  private:
    void start(Work work);
    void ended();
    void setBusy(bool busy);

    QFutureWatcher<void> running_;
    std::stop_source stop_;
    Work waiting_;
    // Counts the requests: a step runs only if no request was made after its own.
    quint64 requests_ = 0;
    // A request has started and its end has not yet been told. The future ends on its own thread
    // before the watcher tells it here: a request made in between waits for that end, so that the
    // request waiting then is never started beside a newer one.
    bool started_ = false;
    bool busy_ = false;
};

} // namespace korvanex
