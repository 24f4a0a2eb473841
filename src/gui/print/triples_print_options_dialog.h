#pragma once
// "Print Options" of the triples printout: all pages, or only the first few.

#include <QDialog>
#include <functional>
#include <memory>

#include "gui/print/printout.h"

class QLineEdit;
class QPrinter;
class QRadioButton;

namespace qv::gui {

class ApplicationState;
class UserInteraction;

class MyTriplesPrintOptionsDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kOk = 1;
    static constexpr int kCancel = 2;
    static constexpr int kPrinterSetup = 102;
    static constexpr int kAllPages = 103;
    static constexpr int kOnlyFirst = 104;
    static constexpr int kPreview = 107;
    static constexpr int kPageCount = 206;

    // Builds the printout that "Pre&view" shows, for a page limit (0 = all pages).
    using PrintoutMaker = std::function<std::unique_ptr<Printout>(int pageLimit)>;

    MyTriplesPrintOptionsDialog(UserInteraction& ui, QPrinter& printer, PrintoutMaker preview,
                                QWidget* parent = nullptr);

    // The page limit chosen with "Ok": 0 for all pages.
    int pageLimit() const { return pageLimit_; }

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    UserInteraction& ui_;
    // The limit the dialog holds now; nullopt, after telling the user, when the page count
    // cannot be read.
    std::optional<int> enteredLimit();
    void preview();

    QPrinter& printer_;
    PrintoutMaker preview_;
    QRadioButton* allPages_ = nullptr;
    QRadioButton* onlyFirst_ = nullptr;
    QLineEdit* pages_ = nullptr;
    int pageLimit_ = 0;
};

// Asks for the page limit, then prints the printout `make` builds for it on the
// application's printer; nothing when the dialog is cancelled.
void printTriplesWithOptions(ApplicationState& state, QWidget* parent,
                             const MyTriplesPrintOptionsDialog::PrintoutMaker& make);

}  // namespace qv::gui
