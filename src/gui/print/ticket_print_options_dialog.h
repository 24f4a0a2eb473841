#pragma once
// "Print Options" of a ticket file: all pages or a range of them, the printer's set-up and a
// preview. The range is remembered for the whole run.

#include <QDialog>
#include <functional>
#include <memory>

#include "core/print/print_common.h"
#include "gui/print/printout.h"

class QLineEdit;
class QRadioButton;

namespace qv::gui {

class ApplicationState;

class MyTicketFilePrintOptionsDialog : public QDialog {
    Q_OBJECT

public:
    // Control ids, also the controls' object names.
    static constexpr int kPrint = 101;
    static constexpr int kPrinterSetup = 102;
    static constexpr int kAllPages = 103;
    static constexpr int kJustThesePages = 104;
    static constexpr int kFirstPage = 206;
    static constexpr int kLastPage = 207;
    static constexpr int kCancel = 2;
    static constexpr int kPreview = 109;

    // The printout of the open file for a page range; the preview builds it.
    using PrintoutMaker = std::function<std::unique_ptr<Printout>(qv::print::PageRange)>;

    MyTicketFilePrintOptionsDialog(ApplicationState& state, PrintoutMaker make,
                                   QWidget* parent = nullptr);

    // The range chosen with "&Print"; it is also the application's remembered range then.
    qv::print::PageRange range() const { return range_; }

    // "&Print": a range the edits do not make is refused with a message.
    void accept() override;
    void preview();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The range the controls ask for; false, after saying why, when they make none.
    bool enteredRange(qv::print::PageRange& range);

    ApplicationState& state_;
    PrintoutMaker make_;
    QRadioButton* allPages_ = nullptr;
    QRadioButton* justThese_ = nullptr;
    QLineEdit* first_ = nullptr;
    QLineEdit* last_ = nullptr;
    qv::print::PageRange range_;
};

}  // namespace qv::gui
