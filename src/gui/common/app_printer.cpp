#include "gui/common/app_printer.h"

#include <QCoreApplication>
#include <QPrinter>

namespace qv::gui {

namespace {

QPrinter*& printerSlot() {
    static QPrinter* printer = nullptr;
    return printer;
}

void deletePrinter() {
    delete printerSlot();
    printerSlot() = nullptr;
}

}  // namespace

QPrinter& applicationPrinter() {
    QPrinter*& printer = printerSlot();
    if (!printer) {
        printer = new QPrinter(QPrinter::HighResolution);
        // Before the application object goes, while the print system can still be asked.
        qAddPostRoutine(deletePrinter);
    }
    return *printer;
}

}  // namespace qv::gui
