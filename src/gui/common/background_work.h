#pragma once
// Core work on a worker thread while the window's thread goes on serving the windows. The
// work is handed a qv::ProgressReporter: the percentages it shows reach the window's reporter
// (the progress dialog) on the window's thread, and its cancelled() turns true once stop() is
// called or the window's reporter says it was cancelled. The end of the work, returned or
// thrown, comes back on the window's thread.

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <thread>

#include "core/progress.h"

class QTimer;

namespace qv::gui {

class BackgroundWork : public QObject {
    Q_OBJECT

public:
    using Work = std::function<void(qv::ProgressReporter& progress)>;

    explicit BackgroundWork(QObject* parent = nullptr);
    // A work still running is stopped and waited for.
    ~BackgroundWork() override;

    // Starts the work; false, and nothing started, while another one runs. `shown`, when
    // given, shows the work's progress and is asked for a cancel every few milliseconds on
    // this thread; it must outlive the work.
    bool start(Work work, qv::ProgressReporter* shown = nullptr);
    // Starts the work and waits for its end in a local event loop, so the windows are served
    // meanwhile. False when another work was running.
    bool run(Work work, qv::ProgressReporter* shown = nullptr);

    bool running() const { return worker_.joinable(); }
    // From now on the work's reporter says it was cancelled.
    void stop() { stop_.store(true); }
    bool stopping() const { return stop_.load(); }
    // Stops the work and waits for it; finished() is not sent for it.
    void stopAndWait();
    // What the last work threw; empty when it returned.
    const QString& failure() const { return failure_; }

    // For the work: runs `call` on the window's thread and waits for it, for a question to the
    // user. Only while the window's thread waits in run(), or goes on serving events.
    void callOnWindowThread(const std::function<void()>& call);

signals:
    // On the window's thread, once the work has ended and its thread is done.
    void finished();

private:
    class Reporter;
    void end(unsigned generation, const QString& failure);

    std::thread worker_;
    std::atomic<bool> stop_{false};
    unsigned generation_ = 0;
    qv::ProgressReporter* shown_ = nullptr;
    QTimer* poll_ = nullptr;
    QString failure_;
};

}  // namespace qv::gui
