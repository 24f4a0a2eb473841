// Running printouts: on the printer, into a PDF file, and in the print preview; the page
// header every printout shares.

#include <QCoreApplication>
#include <QDate>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <optional>

#include "core/util/file_io.h"
#include "gui/common/application_state.h"
#include "gui/common/save_paths.h"
#include "gui/common/user_interaction.h"
#include "gui/print/printout.h"

namespace qv::gui {

namespace {

QString tr(const char* text, const char* disambiguation = nullptr, int n = -1) {
    return QCoreApplication::translate("Printing", text, disambiguation, n);
}

// Pages a printout may ask for before the runner decides it never ends.
constexpr int kPageLimit = 100000;

// The first page that draws, walking the pages that are passed over; 0 when none does.
int firstDrawnPage(const Printout& printout) {
    for (int page = 1; page < kPageLimit; ++page) {
        if (page > 1 && !printout.hasPage(page)) return 0;
        if (printout.drawsPage(page)) return page;
    }
    return 0;
}

}  // namespace

QFont printBaseFont() {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

QFont printFont(int pixelHeight) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, pixelHeight));
    return font;
}

namespace {

qv::print::PageMetrics metricsOf(const QFontMetrics& fm, const QRect& pageRect) {
    qv::print::PageMetrics m;
    m.pageWidth = pageRect.width();
    m.pageHeight = pageRect.height();
    m.w = std::max(1, fm.horizontalAdvance(QLatin1Char('W')));
    m.h = std::max(1, fm.height());
    return m;
}

}  // namespace

qv::print::PageMetrics measurePage(QPainter& painter, const QRect& pageRect) {
    return metricsOf(painter.fontMetrics(), pageRect);
}

qv::print::PageMetrics measurePage(const QPaintDevice& device, const QRect& pageRect) {
    return metricsOf(QFontMetrics(printBaseFont(), &device), pageRect);
}

int pageHeaderBottom(const QPaintDevice& device, const QRect& pageRect) {
    const QFontMetrics fm(printFont(qv::print::headerFontHeight(pageRect.width())), &device);
    return 2 * fm.height();
}

int printPageHeader(QPainter& painter, const QRect& pageRect, int page, const QString& title,
                    const ChartPainter::TextSink& sink) {
    const qv::print::PageMetrics metrics = measurePage(painter, pageRect);
    const int pw = metrics.pageWidth;
    const int margin = qv::print::headerMargin(metrics.w);

    painter.save();
    painter.setFont(printFont(qv::print::headerFontHeight(pw)));
    painter.setPen(Qt::black);
    const QFontMetrics fm = painter.fontMetrics();
    const int top = fm.height();
    const ChartPainter chart(painter, sink);

    const QString pageText = QString::fromStdString(qv::print::pageLabel(page));
    chart.text(pageText, margin, top, Qt::black);

    const QDate today = QDate::currentDate();
    const QString date = QString::fromStdString(qv::print::headerDate(
        qv::Date{static_cast<std::int16_t>(today.month()), static_cast<std::int16_t>(today.day()),
                 static_cast<std::int16_t>(today.year())}));
    const int dateWidth = fm.horizontalAdvance(date);
    chart.text(date, pw - margin - dateWidth, top, Qt::black);

    // The title is centred on the page; a long one (a file path) keeps clear of the page
    // number and the date, shortened in the middle when it cannot fit between them.
    const int gap = metrics.w;
    const int freeLeft = margin + fm.horizontalAdvance(pageText) + gap;
    const int freeRight = pw - margin - dateWidth - gap;
    if (freeRight > freeLeft) {
        const QString shown = fm.elidedText(title, Qt::ElideMiddle, freeRight - freeLeft);
        const int width = fm.horizontalAdvance(shown);
        int left = (pw - width) / 2;
        left = std::clamp(left, freeLeft, std::max(freeLeft, freeRight - width));
        chart.text(shown, left, top, Qt::black);
    }

    painter.restore();
    return pageHeaderBottom(*painter.device(), pageRect);
}

int printDocument(QPrinter& printer, Printout& printout) {
    const QRect pageRect(QPoint(0, 0),
                         printer.pageLayout().paintRectPixels(printer.resolution()).size());
    printout.prepare(printer, pageRect);
    const int first = firstDrawnPage(printout);
    if (first == 0) return 0;

    printer.setDocName(printout.documentName());
    QPainter painter;
    if (!painter.begin(&printer)) return -1;

    int sheets = 0;
    for (int page = first; page < kPageLimit; ++page) {
        if (page > first && !printout.hasPage(page)) break;
        if (!printout.drawsPage(page)) continue;
        if (sheets > 0 && !printer.newPage()) {
            painter.end();
            return -1;
        }
        painter.save();
        painter.setFont(printBaseFont());
        painter.setPen(Qt::black);
        printout.printPage(painter, page, pageRect);
        painter.restore();
        ++sheets;
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) return -1;
    return sheets;
}

namespace {

// Where a print to a file goes: a PDF file the user names, offered under the document's
// name in the folder used last for printouts. Empty when the user cancelled.
QString askForPdfFile(ApplicationState& state, QWidget* parent, const QString& documentName) {
    FileRequest request = FileRequest::of(FileRequest::Mode::Save, tr("Print to PDF File"),
                                          tr("PDF Files (*.pdf)"), QStringLiteral("pdf"));
    // The document's name as a file name: "Pairs Frequency for Lotto 6-49.pdf", "tickets.pdf".
    QString base = documentName;
    if (base.endsWith(QStringLiteral(".qvt"), Qt::CaseInsensitive)) base.chop(4);
    request.selected = suggestedSavePath(state.lastPrintFolder(), base, QStringLiteral("printout"),
                                         QStringLiteral("pdf"));
    return state.interaction().chooseFile(parent, request);
}

// Printing goes to a file when the printer was set up to print to one, or when there is no
// printer at all.
bool printsToFile(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) return true;
    return QPrinterInfo::availablePrinters().isEmpty() && printer.printerName().isEmpty();
}

}  // namespace

bool printOnPrinter(ApplicationState& state, QWidget* parent, Printout& printout) {
    QPrinter& printer = state.printer();
    if (printsToFile(printer)) {
        // The file is asked for every time, so no printout silently replaces another.
        const QString path = askForPdfFile(state, parent, printout.documentName());
        if (path.isEmpty()) return false;
        state.setLastPrintFolder(QFileInfo(path).absolutePath());
        QString error;
        int sheets = 0;
        if (!printToPdf(path, printout, &error, &printer, &sheets)) {
            state.interaction().showProblem(parent, tr("Print"), error);
            return false;
        }
        const QString where = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
        state.showStatus(sheets == 1 ? tr("Printed 1 page to %1.").arg(where)
                                     : tr("Printed %1 pages to %2.").arg(sheets).arg(where));
        return true;
    }
    const int sheets = printDocument(printer, printout);
    if (sheets < 0) {
        state.interaction().showProblem(parent, tr("Print"),
                                        tr("The printer could not print this document."));
    } else if (sheets == 0) {
        state.interaction().showProblem(parent, tr("Print"),
                                        tr("There is nothing to print on the chosen pages."));
    } else {
        state.showStatus(tr("%n page(s) sent to the printer.", nullptr, sheets));
    }
    return sheets > 0;
}

void runPrinterSetup(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(tr("Printer Setup"));
    // Page ranges are chosen in the program's own print options.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // The dialog only sets the printer up: its button says so.
    if (auto* box = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* ok = box->button(QDialogButtonBox::Ok)) ok->setText(tr("OK"));
    }
    dialog.exec();
}

void previewPrintout(QPrinter& printer, QWidget* parent, const PrintoutFactory& make) {
    QPrintPreviewDialog preview(&printer, parent);
    std::unique_ptr<Printout> title = make();
    if (title) preview.setWindowTitle(tr("Print Preview - %1").arg(title->documentName()));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&make](QPrinter* target) {
                         if (std::unique_ptr<Printout> printout = make())
                             printDocument(*target, *printout);
                     });
    preview.exec();
}

bool printToPdf(const QString& path, Printout& printout, QString* error, const QPrinter* setup,
                int* sheetsPrinted) {
    const QString cannotWrite =
        tr("The file %1 could not be written.").arg(QDir::toNativeSeparators(path));
    // The pages are drawn into a scratch file, then saved over the target in one atomic
    // step: a failed print leaves an existing file as it was.
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        if (error) *error = cannotWrite;
        return false;
    }
    const QString drawn = scratch.filePath(QStringLiteral("pages.pdf"));

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(drawn);
    if (setup) {
        printer.setPageLayout(setup->pageLayout());
    } else {
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                          QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    }
    printer.setCreator(QStringLiteral("Quorvantile"));

    const int sheets = printDocument(printer, printout);
    if (sheetsPrinted) *sheetsPrinted = std::max(sheets, 0);
    if (sheets == 0) {
        if (error) *error = tr("There is nothing to print on the chosen pages.");
        return false;
    }
    if (sheets < 0) {
        if (error) *error = cannotWrite;
        return false;
    }
    const auto bytes = qv::readWholeFile(QFile::encodeName(drawn).toStdString());
    if (!bytes || bytes->empty() ||
        !qv::writeFileAtomic(QFile::encodeName(QFileInfo(path).absoluteFilePath()).toStdString(),
                             *bytes)) {
        if (error) *error = cannotWrite;
        return false;
    }
    return true;
}

}  // namespace qv::gui
