#include "gui/common/background_work.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <exception>

namespace qv::gui {

namespace {

// How often the window's reporter is asked for a cancel.
constexpr int kPollMilliseconds = 20;

}  // namespace

// The work's side: what it shows is posted to the window's thread, where the window's
// reporter shows it; the cancel is read from the flag.
class BackgroundWork::Reporter : public qv::ProgressReporter {
public:
    Reporter(BackgroundWork& owner, qv::ProgressReporter* shown) : owner_(owner), shown_(shown) {}

    void open(const std::string& caption) override {
        post([shown = shown_, caption] { shown->open(caption); });
    }
    void show(int percent) override {
        post([shown = shown_, percent] { shown->show(percent); });
    }
    bool cancelled() override { return owner_.stopping(); }
    void close() override {
        post([shown = shown_] { shown->close(); });
    }

private:
    // Events still on their way when the owner goes die with it.
    template <class F>
    void post(F&& call) {
        if (shown_) QMetaObject::invokeMethod(&owner_, std::forward<F>(call), Qt::QueuedConnection);
    }

    BackgroundWork& owner_;
    qv::ProgressReporter* shown_;
};

BackgroundWork::BackgroundWork(QObject* parent) : QObject(parent) {
    poll_ = new QTimer(this);
    poll_->setInterval(kPollMilliseconds);
    connect(poll_, &QTimer::timeout, this, [this] {
        if (shown_ && shown_->cancelled()) stop();
    });
}

BackgroundWork::~BackgroundWork() {
    stopAndWait();
}

bool BackgroundWork::start(Work work, qv::ProgressReporter* shown) {
    if (running()) return false;
    stop_.store(false);
    failure_.clear();
    shown_ = shown;
    const unsigned generation = ++generation_;
    worker_ = std::thread([this, work = std::move(work), generation, shown] {
        QString failure;
        try {
            Reporter reporter(*this, shown);
            work(reporter);
        } catch (const std::exception& e) {
            failure = QString::fromLocal8Bit(e.what());
        } catch (...) {
            failure = tr("an unknown error");
        }
        QMetaObject::invokeMethod(
            this, [this, generation, failure] { end(generation, failure); }, Qt::QueuedConnection);
    });
    if (shown_) poll_->start();
    return true;
}

bool BackgroundWork::run(Work work, qv::ProgressReporter* shown) {
    QEventLoop loop;
    connect(this, &BackgroundWork::finished, &loop, &QEventLoop::quit);
    if (!start(std::move(work), shown)) return false;
    loop.exec();
    return true;
}

void BackgroundWork::end(unsigned generation, const QString& failure) {
    // A work that was stopped and waited for has ended already.
    if (generation != generation_ || !worker_.joinable()) return;
    worker_.join();
    failure_ = failure;
    poll_->stop();
    shown_ = nullptr;
    emit finished();
}

void BackgroundWork::stopAndWait() {
    stop();
    if (!worker_.joinable()) return;
    worker_.join();
    // Its percentages and its end, still on their way, are dropped.
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
    poll_->stop();
    shown_ = nullptr;
}

void BackgroundWork::callOnWindowThread(const std::function<void()>& call) {
    QMetaObject::invokeMethod(this, call, Qt::BlockingQueuedConnection);
}

}  // namespace qv::gui
