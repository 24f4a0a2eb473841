#pragma once
// The small progress window of long computations: a gauge, "n% complete" and Cancel. The
// computation drives it (usually through qv::ProgressLoop) and polls it for a cancel.

#include <QDialog>
#include <QElapsedTimer>
#include <QString>

#include "core/progress.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace qv::gui {

class BusyDialog : public QDialog, public qv::ProgressReporter {
    Q_OBJECT

public:
    static constexpr int kGaugeId = 101;
    static constexpr int kPercentTextId = 102;

    explicit BusyDialog(QWidget* parent = nullptr);

    // Shows the dialog with the caller's caption. The other windows refuse input until
    // close(), so the data being worked on cannot change under the computation.
    void open(const std::string& caption) override;
    void show(int percent) override;
    // Lets pending events through (so Cancel can be pressed) and says whether it was.
    bool cancelled() override;
    void close() override;

    using QDialog::open;
    using QDialog::show;

    // Escape and the window's close button cancel the work instead of hiding the dialog.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QProgressBar* gauge_;
    QLabel* percentText_;
    QPushButton* cancelButton_;
    bool cancel_ = false;
    int shown_ = -1;
    QElapsedTimer sincePoll_;
};

// The progress dialog under a translated caption: core computations name their work in
// English, the window shows the caption given here.
class TranslatedProgress : public qv::ProgressReporter {
public:
    TranslatedProgress(BusyDialog& dialog, QString caption)
        : dialog_(dialog), caption_(std::move(caption)) {}
    void open(const std::string&) override { dialog_.open(caption_.toStdString()); }
    void show(int percent) override { dialog_.show(percent); }
    bool cancelled() override { return dialog_.cancelled(); }
    void close() override { dialog_.close(); }

private:
    BusyDialog& dialog_;
    QString caption_;
};

}  // namespace qv::gui
