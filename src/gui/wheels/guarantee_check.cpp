#include "gui/wheels/guarantee_check.h"

#include <QCoreApplication>

#include "gui/common/background_work.h"
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

// The check's side on the worker thread: percentages and the cancel go through the work's
// reporter, questions are asked on the window's thread while the search waits.
class WorkerAnswers : public qv::GuaranteeObserver {
public:
    WorkerAnswers(UserInteraction& ui, BackgroundWork& work, QWidget& over,
                  const qv::GuaranteeTerms& terms, qv::ProgressReporter& progress)
        : ui_(ui), work_(work), over_(over), terms_(terms), progress_(progress) {}

    void showPercent(int percent) override { progress_.show(percent); }
    long long cancelledAfter(long long first, long long) override {
        return progress_.cancelled() ? first : 0;
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
        work_.callOnWindowThread([&] {
            if (failedSound) ui_.playSound(qv::EventSound::GuaranteeFailed);
            yes = ui_.showMessage(&over_, message);
        });
        return yes;
    }

    UserInteraction& ui_;
    BackgroundWork& work_;
    QWidget& over_;
    qv::GuaranteeTerms terms_;
    qv::ProgressReporter& progress_;
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
        case qv::GuaranteeCheckable::ImpossibleTerms:
            ui.showMessage(parent, {QMessageBox::Warning, tr("Error"),
                                    QString::fromStdString(qv::notCheckableText(terms)), false});
            return result;
    }

    BusyDialog busy(parent);
    busy.open(tr("Checking Combinations...").toStdString());
    // The window's thread keeps serving the progress dialog (and the questions) until the
    // check is done; the dialog's Cancel reaches the check through the work's reporter.
    BackgroundWork work;
    work.run(
        [&](qv::ProgressReporter& progress) {
            WorkerAnswers answers(ui, work, busy, terms, progress);
            result = qv::checkGuarantee(wheel, answers);
        },
        &busy);
    if (!work.failure().isEmpty()) {
        result.cancelled = true;
        ui.showProblem(&busy, tr("Confirm Guarantee."),
                       tr("The guarantee could not be checked: %1").arg(work.failure()));
        busy.close();
        return result;
    }

    showVerdict(ui, &busy, result, terms, wheel.ticketCount);
    busy.close();
    return result;
}

}  // namespace qv::gui
