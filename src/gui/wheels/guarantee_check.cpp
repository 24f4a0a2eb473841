#include "gui/wheels/guarantee_check.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <memory>

#include "gui/common/busy_dialog.h"
#include "gui/common/user_interaction.h"

namespace qv::gui {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("qv::gui::GuaranteeCheck", text);
}

QString drawText(const qv::Combination& draw, const qv::GuaranteeTerms& terms) {
    return QString::fromStdString(qv::combinationText(draw, terms));
}

// The check's side on the worker thread: percentages go to the progress dialog, questions are
// asked on the window's thread while the search waits, and a cancel is read from a flag.
class WorkerAnswers : public qv::GuaranteeObserver {
public:
    WorkerAnswers(UserInteraction& ui, BusyDialog& busy, const qv::GuaranteeTerms& terms,
                  const std::atomic<bool>& cancel)
        : ui_(ui), busy_(&busy), terms_(terms), cancel_(cancel) {}

    // The dialog outlives the worker, and events still on their way die with it.
    void showPercent(int percent) override {
        BusyDialog* busy = busy_;
        QMetaObject::invokeMethod(
            busy_, [busy, percent] { busy->show(percent); }, Qt::QueuedConnection);
    }
    long long cancelledAfter(long long first, long long) override {
        return cancel_.load(std::memory_order_relaxed) ? first : 0;
    }
    bool addCombination(const qv::Combination& draw) override {
        const QString text =
            tr("Wheel guarantee is invalid, starting with :\n%1 \nWould you like to add this "
               "combination ?")
                .arg(drawText(draw, terms_));
        return ask({QMessageBox::Warning, tr("Invalid Guarantee."), text, true}, true);
    }
    bool addAll() override {
        return ask({QMessageBox::Question, tr("Question ?"),
                    tr("Add all combinations that don't meet the condition of the wheel ?"), true},
                   false);
    }

private:
    bool ask(const UserMessage& message, bool failedSound) {
        bool yes = false;
        BusyDialog* busy = busy_;
        UserInteraction& ui = ui_;
        QMetaObject::invokeMethod(
            busy_,
            [&yes, &message, &ui, busy, failedSound] {
                if (failedSound) ui.playSound(qv::EventSound::GuaranteeFailed);
                yes = ui.showMessage(busy, message);
            },
            Qt::BlockingQueuedConnection);
        return yes;
    }

    UserInteraction& ui_;
    BusyDialog* busy_;
    qv::GuaranteeTerms terms_;
    const std::atomic<bool>& cancel_;
};

// The messages that end a check, shown over the progress dialog.
void showVerdict(UserInteraction& ui, QWidget* parent, const qv::GuaranteeResult& result,
                 const qv::GuaranteeTerms& terms, int rowCount) {
    if (result.full) {
        ui.playSound(qv::EventSound::GuaranteeFailed);
        ui.showMessage(parent, {QMessageBox::Warning, tr("Invalid Guarantee."),
                                tr("A wheel holds at most %1 tickets: the combination %2 could "
                                   "not be added.")
                                    .arg(qv::WheelInfo::kMaxRows)
                                    .arg(drawText(result.uncovered, terms)),
                                false});
    } else if (result.invalid && !terms.canGrow()) {
        ui.playSound(qv::EventSound::GuaranteeFailed);
        ui.showMessage(parent, {QMessageBox::Warning, tr("Invalid Guarantee."),
                                tr("Wheel guarantee is invalid, starting with : %1\n")
                                    .arg(drawText(result.uncovered, terms)),
                                false});
    }
    QString text;
    switch (qv::guaranteeVerdict(result)) {
        case qv::GuaranteeVerdict::RowsAdded:
            text = tr("Added %1 tickets\nThis wheel now has a total of %2 tickets.")
                       .arg(result.rowsAdded)
                       .arg(rowCount);
            break;
        case qv::GuaranteeVerdict::Invalid:
            text = tr("The prize guarantee for this wheeling system is invalid !");
            break;
        case qv::GuaranteeVerdict::Aborted:
            text = tr("Confirmation of guarantee was aborted by the user.");
            break;
        case qv::GuaranteeVerdict::Valid:
            ui.playSound(qv::EventSound::CheckFinished);
            text = tr("The prize guarantee for this wheeling system is valid !");
            break;
    }
    ui.showMessage(parent, {QMessageBox::Warning, tr("Confirm Guarantee."), text, false});
}

}  // namespace

qv::GuaranteeResult confirmGuarantee(UserInteraction& ui, QWidget* parent, qv::WheelInfo& wheel) {
    const qv::GuaranteeTerms terms = qv::GuaranteeTerms::of(wheel);
    qv::GuaranteeResult result;
    result.checkable = qv::guaranteeCheckable(terms);
    switch (result.checkable) {
        case qv::GuaranteeCheckable::Yes:
            break;
        case qv::GuaranteeCheckable::WrongTicketSize:
            ui.showMessage(parent, {QMessageBox::Warning, tr("Error"),
                                    tr("Can't Confirm This Type of Wheel"), false});
            return result;
        case qv::GuaranteeCheckable::NoNumbers:
        case qv::GuaranteeCheckable::TooManyCandidates:
            ui.showMessage(parent, {QMessageBox::Warning, tr("Error"),
                                    QString::fromStdString(qv::notCheckableText(terms)), false});
            return result;
    }

    BusyDialog busy(parent);
    busy.open(tr("Checking Combinations...").toStdString());
    std::atomic<bool> cancel{false};
    WorkerAnswers answers(ui, busy, terms, cancel);

    // The window's thread keeps serving the progress dialog (and the questions) until the
    // worker is done; the dialog's Cancel is passed on through the flag.
    QEventLoop loop;
    std::unique_ptr<QThread> worker(QThread::create(
        [&result, &wheel, &answers] { result = qv::checkGuarantee(wheel, answers); }));
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, &busy, [&busy, &cancel] {
        if (busy.cancelled()) cancel.store(true, std::memory_order_relaxed);
    });
    poll.start();
    worker->start();
    loop.exec();
    worker->wait();
    poll.stop();
    // Percentages still on their way arrive before the verdict.
    QCoreApplication::sendPostedEvents(&busy);

    showVerdict(ui, &busy, result, terms, wheel.ticketCount);
    busy.close();
    return result;
}

}  // namespace qv::gui
