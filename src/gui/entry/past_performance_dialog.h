#pragma once
// "Total Winnings": how the open ticket file did over the recent draws, and a button that
// starts the desktop's calculator.

#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>

class QLabel;

namespace qv::gui {

class ApplicationState;
class UserInteraction;

class TMyPastPerformanceDialog : public QDialog {
    Q_OBJECT

public:
    // Control ids, also the controls' object names.
    static constexpr int kText = 101;
    static constexpr int kCalculator = 109;
    static constexpr int kOk = 1;

    TMyPastPerformanceDialog(UserInteraction& ui, const QString& text, QWidget* parent = nullptr);

    QLabel* textLabel() const { return text_; }
    // Starts the calculator; the dialog stays open.
    void startCalculator();

private:
    UserInteraction& ui_;
    QLabel* text_ = nullptr;
};

// The calculators looked for on the PATH, in this order.
QStringList calculatorPrograms();
// The full path of the first one found, or an empty string.
QString findCalculator();

// A double click on entry `entry` of the database window, `window`: with a ticket file open, the
// ticket file is checked against the draws from the newest down to that one (with the
// progress dialog) and the totals are shown. Without a ticket file nothing happens.
void showPastPerformance(ApplicationState& state, QWidget* window, int entry);

}  // namespace qv::gui
