#pragma once
// How long computations report progress and learn of a cancel. The GUI implements the
// reporter with its progress dialog; the command line prints a percentage; tests script it.

#include <string>

namespace qv {

class ProgressReporter {
public:
    virtual ~ProgressReporter() = default;
    virtual void open(const std::string& caption) = 0;
    // Called only when the percentage differs from the one shown last.
    virtual void show(int percent) = 0;
    // Asked after every unit of work; true stops the work.
    virtual bool cancelled() = 0;
    virtual void close() = 0;
};

// Drives a reporter through a loop of `total` units: after unit `done` (counted from 0) the
// percentage floor(done / total * 100) is shown when it changed, then the cancel is polled.
// So 3 units show 0, 33 and 66, and 100 is never shown before the reporter closes.
class ProgressLoop {
public:
    ProgressLoop(ProgressReporter* reporter, const std::string& caption, long long total)
        : reporter_(reporter), total_(total > 0 ? total : 1) {
        if (reporter_) reporter_->open(caption);
    }
    ~ProgressLoop() { finish(); }
    ProgressLoop(const ProgressLoop&) = delete;
    ProgressLoop& operator=(const ProgressLoop&) = delete;

    // Returns true when the user cancelled: the caller leaves its loop.
    bool unitDone(long long done) {
        if (!reporter_) return false;
        int percent = static_cast<int>(done * 100 / total_);
        if (percent != shown_) {
            shown_ = percent;
            reporter_->show(percent);
        }
        return reporter_->cancelled();
    }
    void finish() {
        if (reporter_) reporter_->close();
        reporter_ = nullptr;
    }

private:
    ProgressReporter* reporter_;
    long long total_;
    int shown_ = -1;
};

}  // namespace qv
