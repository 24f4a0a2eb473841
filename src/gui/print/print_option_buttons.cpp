#include "gui/print/print_option_buttons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

#include "gui/common/button_row.h"
#include "gui/print/printout.h"

namespace qv::gui {

PrintOptionButtons addPrintOptionButtons(QDialog* dialog, QPrinter& printer, int acceptId,
                                         const QString& acceptText, int previewId) {
    PrintOptionButtons b;
    b.row = new QHBoxLayout;
    auto make = [&](int id, const QString& text) {
        auto* button = makeIdButton(id, text, dialog);
        b.row->addWidget(button);
        return button;
    };
    b.accept = make(acceptId, acceptText);
    b.setup = make(102, QDialog::tr("Printer &Setup"));
    b.preview = make(previewId, QDialog::tr("Pre&view"));
    b.cancel = make(2, QDialog::tr("&Cancel"));
    b.accept->setDefault(true);
    QObject::connect(b.setup, &QPushButton::clicked, dialog,
                     [dialog, &printer] { runPrinterSetup(printer, dialog); });
    QObject::connect(b.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return b;
}

}  // namespace qv::gui
