#include "gui/app/batch_print.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <cstdio>
#include <string>
#include <vector>

#include "core/database/draw_database.h"
#include "core/print/batch_arguments.h"
#include "core/tickets/ticket_file.h"
#include "gui/print/statistics_printouts.h"
#include "gui/print/ticket_printout.h"

namespace qv::gui {

namespace {

int fail(const std::string& message) {
    std::fprintf(stderr, "quorvantile: %s\n", message.c_str());
    return 1;
}

// The reader's own message names the file already.
std::string cannotRead(const std::string& path, const qv::IoResult& result) {
    return result.message.empty() ? "cannot read " + path : result.message;
}

int writePdf(const std::string& output, Printout& printout) {
    QString error;
    if (!printToPdf(QString::fromStdString(output), printout, &error))
        return fail(error.toStdString());
    return 0;
}

int printChart(const qv::print::BatchRequest& request) {
    qv::DrawDatabase database;
    const qv::IoResult loaded = database.load(request.database);
    if (!loaded.opened()) return fail(cannotRead(request.database, loaded));
    std::unique_ptr<Printout> printout =
        makeChartPrintout(request.chart, database, request.pageLimit, nullptr);
    if (!printout) return fail("nothing to print");
    return writePdf(request.output, *printout);
}

int printTickets(const qv::print::BatchRequest& request) {
    qv::TicketFile file;
    const qv::IoResult loaded = qv::loadTicketFile(request.ticketFile, file);
    if (!loaded.ok()) return fail(cannotRead(request.ticketFile, loaded));
    qv::TicketType winning;
    if (!request.database.empty()) {
        qv::DrawDatabase database;
        const qv::IoResult read = database.load(request.database);
        if (!read.opened()) return fail(cannotRead(request.database, read));
        if (std::optional<qv::TicketType> newest = database.newestEntry()) winning = *newest;
    }
    // The title is the file's full path, as the ticket window's print shows it.
    const QString path = QDir::toNativeSeparators(
        QFileInfo(QString::fromStdString(request.ticketFile)).absoluteFilePath());
    std::unique_ptr<Printout> printout = makeTicketPrintout(path, file, winning, request.pages);
    return writePdf(request.output, *printout);
}

}  // namespace

std::optional<int> runBatchCommand(int argc, char** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    const qv::print::BatchParse parse = qv::print::parseBatchArguments(args);
    if (!parse.ok()) {
        // The error, then the synopsis: the first lines of the usage text.
        const std::string usage = qv::print::batchUsage();
        std::fprintf(stderr, "quorvantile: %s\n%s\nTry 'quorvantile --help' for more.\n",
                     parse.error.c_str(), usage.substr(0, usage.find("\n\n") + 1).c_str());
        return 2;
    }
    using Kind = qv::print::BatchRequest::Kind;
    switch (parse.request.kind) {
        case Kind::None:
            return std::nullopt;
        case Kind::Help:
            std::fputs(qv::print::batchUsage().c_str(), stdout);
            return 0;
        case Kind::Chart:
        case Kind::Tickets:
            break;
    }

    // Nothing is shown: without a chosen windowing system the pages are drawn off screen,
    // so a batch print needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvantile"));
    return parse.request.kind == Kind::Chart ? printChart(parse.request)
                                             : printTickets(parse.request);
}

}  // namespace qv::gui
