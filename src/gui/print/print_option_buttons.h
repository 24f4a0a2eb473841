#pragma once
// The row of buttons every print options window ends with.

class QDialog;
class QHBoxLayout;
class QPrinter;
class QPushButton;
class QString;

namespace qv::gui {

struct PrintOptionButtons {
    QPushButton* accept = nullptr;  // "&Print" or "Ok": the default button
    QPushButton* setup = nullptr;   // "Printer &Setup"
    QPushButton* preview = nullptr; // "Pre&view"
    QPushButton* cancel = nullptr;  // "&Cancel"
    QHBoxLayout* row = nullptr;     // the four, left to right
};

// Makes the four buttons, each named by its id (setup 102, cancel 2). "Printer &Setup" opens
// the printer dialog on `printer` and "&Cancel" rejects; the caller connects the other two.
PrintOptionButtons addPrintOptionButtons(QDialog* dialog, QPrinter& printer, int acceptId,
                                         const QString& acceptText, int previewId);

}  // namespace qv::gui
