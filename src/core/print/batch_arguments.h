#pragma once
// The program's own command-line options: batch printing to a PDF file and the option
// list. Anything else on the command line is left to the windowing toolkit and the file
// arguments.

#include <optional>
#include <string>
#include <vector>

#include "core/print/print_common.h"

namespace qv::print {

// A chart by the name the option takes.
std::optional<PrintedChart> printedChartNamed(const std::string& name);

struct BatchRequest {
    enum class Kind { None, Help, Chart, Tickets };
    Kind kind = Kind::None;
    std::string output;  // the PDF file
    PrintedChart chart = PrintedChart::Frequency;
    std::string database;     // the chart's database, or the tickets' winning numbers
    std::string ticketFile;   // --tickets
    int pageLimit = 0;        // the triples page limit, 0 for all pages
    PageRange pages;          // the tickets' page range
};

struct BatchParse {
    BatchRequest request;
    std::string error;  // a usage error: the message, without the usage text
    bool ok() const { return error.empty(); }
};

// Reads the arguments after the program name. Without --print-pdf or --help the kind is
// None and the program starts its windows as usual.
BatchParse parseBatchArguments(const std::vector<std::string>& args);

// The text --help prints.
std::string batchUsage();

}  // namespace qv::print
