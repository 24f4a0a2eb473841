#pragma once
// "Generate Wheeling Table": the terms of a wheel (numbers to wheel, numbers per ticket,
// guarantee and "if"), an optional cap on its tickets and a time budget. Before it starts the
// dialog shows the lower bound and the best known size; while the search runs on its own
// thread it shows the tickets of the best wheel so far and takes Stop; at the end it shows
// the wheel's size, bound, best known, balance and confirmed guarantee, and offers to save a
// confirmed wheel.

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "core/wheels/wheel_bounds.h"
#include "core/wheels/wheel_generator.h"
#include "gui/common/background_work.h"
#include "gui/wheels/wheel_terms_fields.h"

class QLabel;
class QPushButton;
class QSpinBox;
class QTimer;

namespace qv::gui {

class UserInteraction;

class GenerateWheelDialog : public QDialog, public WheelDialogIds {
    Q_OBJECT

public:
    static constexpr int kRowCap = 15;
    static constexpr int kSeconds = 16;
    static constexpr int kBounds = 30;
    static constexpr int kStatus = 31;
    static constexpr int kGenerate = 506;
    static constexpr int kStop = 507;

    // Where wheels come from and go to.
    struct Folders {
        QString library;                            // the wheels shipped with the program
        std::function<QString()> saveFolder;        // where the save dialog opens
        std::function<void(const QString&)> saved;  // a wheel was saved at this path
    };

    // `coverings` gives the best known sizes.
    GenerateWheelDialog(UserInteraction& ui, QWidget* parent, qv::CoveringTable coverings,
                        Folders folders, std::function<void()> showHelp);
    ~GenerateWheelDialog() override;

    qv::GuaranteeTerms termsFromControls();
    // "&Generate": refuses bad terms with a message naming the field, else starts the search.
    void generate();
    // "&Stop": the search ends soon and keeps the best wheel found.
    void stop();
    bool running() const { return work_.running(); }
    // The wheel of the last search that ended; none before.
    const std::optional<qv::GeneratedWheel>& lastWheel() const { return lastWheel_; }

    // "&Done", Escape and the close button: a running search is stopped first.
    void reject() override;

signals:
    // A search ended, its result shown, before the save dialog.
    void finished();

private:
    struct Run;
    UserInteraction& ui_;
    void showBounds();
    void poll();
    void finish();
    void save(const qv::GuaranteeTerms& terms, const qv::GeneratedWheel& wheel);
    void setRunning(bool running);
    QString saveFolder() const;

    qv::CoveringTable coverings_;
    Folders folders_;
    WheelTermsFields terms_;
    std::function<void()> showHelp_;
    QSpinBox* numbersToWheel_ = nullptr;
    QSpinBox* guarantee_ = nullptr;
    QSpinBox* guaranteeIf_ = nullptr;
    QSpinBox* numbersPerTicket_ = nullptr;
    QSpinBox* rowCap_ = nullptr;
    QSpinBox* seconds_ = nullptr;
    QLabel* bounds_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* generateButton_ = nullptr;
    QPushButton* stopButton_ = nullptr;
    QTimer* timer_ = nullptr;

    std::shared_ptr<Run> run_;
    BackgroundWork work_;
    std::optional<qv::GeneratedWheel> lastWheel_;
};

// Command 119 (File menu, after "&Import Wheeling Table..."): the generate dialog, run
// modally, with the best known sizes from the data folder's covering table.
void installWheelGenerateCommands(UserInteraction& ui, QWidget* frame,
                                  const std::function<void(int, std::function<void()>)>& registrar,
                                  const QString& dataDir, GenerateWheelDialog::Folders folders,
                                  std::function<void()> showHelp);

}  // namespace qv::gui
