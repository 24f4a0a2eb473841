#pragma once
// A printout draws one page at a time and knows, after each page, whether another follows.
// The same printout goes to the printer, to a PDF file and into the print preview.

#include <QFont>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>

#include "core/print/print_common.h"
#include "gui/common/chart_painter.h"

class QPainter;
class QPaintDevice;
class QPrinter;
class QWidget;

namespace qv::gui {

class ApplicationState;

class Printout {
public:
    virtual ~Printout() = default;

    // The name of the job in the print queue and of the preview window.
    virtual QString documentName() const = 0;
    // Called once before any page is asked for, with the device the pages go to and the
    // size of its pages: a printout that must know its pages in advance plans them here.
    virtual void prepare(const QPaintDevice& device, const QRect& pageRect) {
        (void)device;
        (void)pageRect;
    }
    // Page 1 always exists; a later page exists while the page before it left content.
    // Asked only after the page before it was printed.
    virtual bool hasPage(int page) const = 0;
    // A page passed through without drawing (one before a chosen range) takes no sheet.
    virtual bool drawsPage(int page) const {
        (void)page;
        return true;
    }
    // Draws `page`; the printable area is `pageRect`, its top left at the painter's origin.
    // The painter carries the base font (printBaseFont) when the page begins.
    virtual void printPage(QPainter& painter, int page, const QRect& pageRect) = 0;
};

// The font every printout starts a page with: "Arial" at 8 points on the device (the
// platform's substitute where Arial is missing). "W" measured in it gives w and h.
QFont printBaseFont();
// w and h of the base font and the size of the page, on the painter's device.
qv::print::PageMetrics measurePage(QPainter& painter, const QRect& pageRect);
// The same before painting: the base font measured on the device.
qv::print::PageMetrics measurePage(const QPaintDevice& device, const QRect& pageRect);
// An "Arial" font `pixelHeight` printer pixels high.
QFont printFont(int pixelHeight);

// The shared page header: "Page %d" at the left, the title centred, today's date at the
// right, all in Arial pw / 50 high below a margin of one such line. Returns the y below
// the header. The painter's font is left as it was. `sink` notes the texts, for tests.
int printPageHeader(QPainter& painter, const QRect& pageRect, int page, const QString& title,
                    const ChartPainter::TextSink& sink = {});
// Where that header ends on `device`, without drawing it.
int pageHeaderBottom(const QPaintDevice& device, const QRect& pageRect);

// Prints every page of `printout` on `printer`, one sheet per drawn page; a printout is
// printed once (build a new one to print again). printPage is not called for a page that
// drawsPage() passes over; hasPage is asked for the page after it as usual. The number of
// sheets printed (0 when no page draws, and then the printer is not started), or -1 when
// the printer could not be started or failed.
int printDocument(QPrinter& printer, Printout& printout);

// The print commands: print on the application's printer without a further dialog. When
// the printer was set up to print to a file, or the system has no printer at all, asks for
// the PDF file every time and prints there; the status line says where the pages went. A
// failure is shown to the user; returns true when pages went out.
bool printOnPrinter(ApplicationState& state, QWidget* parent, Printout& printout);
// "Printer &Setup": the platform's printer dialog on `printer`; the choices stay with it.
void runPrinterSetup(QPrinter& printer, QWidget* parent);
// The pages in a preview window, with the printer's page set-up; printing from it prints
// on that printer. The preview draws the pages again whenever it needs them, each time from
// a printout `make` builds afresh.
using PrintoutFactory = std::function<std::unique_ptr<Printout>()>;
void previewPrintout(QPrinter& printer, QWidget* parent, const PrintoutFactory& make);

// Writes `printout` to a PDF file, on A4 in portrait or on the page set up for `setup`,
// saved atomically. False with a message when there is nothing to print or the file cannot
// be written; an existing file is then left as it was. `sheets` gets the pages printed.
bool printToPdf(const QString& path, Printout& printout, QString* error,
                const QPrinter* setup = nullptr, int* sheets = nullptr);

}  // namespace qv::gui
