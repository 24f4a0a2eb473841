#include "core/print/batch_arguments.h"

#include <array>
#include <utility>

namespace qv::print {

namespace {

constexpr std::array<std::pair<const char*, PrintedChart>, 7> kCharts{{
    {"frequency", PrintedChart::Frequency},
    {"bonus", PrintedChart::Bonus},
    {"pairs", PrintedChart::Pairs},
    {"pairs-list", PrintedChart::PairsList},
    {"triples", PrintedChart::Triples},
    {"skips", PrintedChart::Skips},
    {"cluster", PrintedChart::Cluster},
}};

// "FIRST-LAST", or one page alone.
std::optional<PageRange> pageRange(const std::string& text) {
    const auto dash = text.find('-');
    const std::optional<int> first = parsePageNumber(std::string_view(text).substr(0, dash));
    const std::optional<int> last =
        dash == std::string::npos ? first
                                  : parsePageNumber(std::string_view(text).substr(dash + 1));
    if (!first || !last || *first < 1 || *last < *first) return std::nullopt;
    return PageRange{*first, *last};
}

bool isOption(const std::string& arg) {
    return arg.size() > 1 && arg[0] == '-';
}

}  // namespace

std::optional<PrintedChart> printedChartNamed(const std::string& name) {
    for (const auto& [text, chart] : kCharts)
        if (name == text) return chart;
    return std::nullopt;
}

BatchParse parseBatchArguments(const std::vector<std::string>& args) {
    BatchParse parse;
    BatchRequest& r = parse.request;
    bool printing = false;
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            r.kind = BatchRequest::Kind::Help;
            return parse;
        }
        // Any of the printing options means a batch print, so a forgotten --print-pdf is
        // reported rather than the windows opening.
        if (arg == "--print-pdf" || arg == "--chart" || arg == "--tickets" ||
            arg == "--winning" || arg == "--pages")
            printing = true;
    }
    if (!printing) return parse;

    auto fail = [&parse](std::string message) {
        parse.error = std::move(message);
        return parse;
    };
    std::optional<std::string> chartName, pages, winning;
    std::vector<std::string> files;
    bool tickets = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool takesValue = arg == "--print-pdf" || arg == "--chart" || arg == "--tickets" ||
                                arg == "--winning" || arg == "--pages";
        if (takesValue) {
            if (i + 1 >= args.size()) return fail(arg + " needs a value");
            const std::string& value = args[++i];
            std::string* slot = nullptr;
            std::optional<std::string>* optionalSlot = nullptr;
            if (arg == "--print-pdf") slot = &r.output;
            if (arg == "--tickets") slot = &r.ticketFile;
            if (arg == "--chart") optionalSlot = &chartName;
            if (arg == "--pages") optionalSlot = &pages;
            if (arg == "--winning") optionalSlot = &winning;
            const bool given = slot ? !slot->empty() : optionalSlot->has_value();
            if (given || value.empty()) return fail(arg + " is given twice or empty");
            if (slot)
                *slot = value;
            else
                *optionalSlot = value;
            if (arg == "--tickets") tickets = true;
        } else if (isOption(arg)) {
            return fail("unknown option " + arg);
        } else {
            files.push_back(arg);
        }
    }

    if (r.output.empty()) return fail("--print-pdf OUT.pdf is missing");
    if (chartName.has_value() == tickets)
        return fail("--print-pdf needs either --chart or --tickets");
    if (chartName) {
        const std::optional<PrintedChart> chart = printedChartNamed(*chartName);
        if (!chart) return fail("unknown chart " + *chartName);
        if (winning) return fail("--winning goes with --tickets");
        if (files.size() != 1) return fail("--chart needs one database file");
        r.kind = BatchRequest::Kind::Chart;
        r.chart = *chart;
        r.database = files.front();
        if (pages) {
            const std::optional<int> limit = parsePageNumber(*pages);
            if (!limit) return fail("--pages takes a page limit from 0 to 999");
            r.pageLimit = *limit;
        }
        return parse;
    }
    if (!files.empty()) return fail("unexpected argument " + files.front());
    r.kind = BatchRequest::Kind::Tickets;
    if (winning) r.database = *winning;
    if (pages) {
        const std::optional<PageRange> range = pageRange(*pages);
        if (!range) return fail("--pages takes FIRST-LAST, pages 1 to 999 with FIRST <= LAST");
        r.pages = *range;
    }
    return parse;
}

std::string batchUsage() {
    return "Usage: quorvantile [FILE...]\n"
           "       quorvantile --print-pdf OUT.pdf --chart "
           "frequency|bonus|pairs|pairs-list|triples|skips|cluster DB [--pages N]\n"
           "       quorvantile --print-pdf OUT.pdf --tickets FILE.qvt [--winning DB]"
           " [--pages FIRST-LAST]\n"
           "       quorvantile --help\n"
           "\n"
           "Without options the program opens its windows. Each FILE opens by its kind:\n"
           "  NAME.dat      a draw database\n"
           "  NAME.qvt      a ticket file\n"
           "  NAME.wl1 .. NAME.wl10\n"
           "                a wheeling table, to make a new ticket file from\n"
           "\n"
           "Options:\n"
           "  --print-pdf OUT.pdf\n"
           "                write the pages the print commands print to OUT.pdf, on A4 in\n"
           "                portrait, without showing a window, then exit\n"
           "  --chart CHART DB\n"
           "                print a chart over the statistics range stored in the database DB:\n"
           "                the number or bonus number frequency, the pairs as a table or a\n"
           "                list, the triples, the skipping habit or the cluster analysis\n"
           "  --pages N     with --chart triples: print at most N pages (0: all)\n"
           "  --tickets FILE.qvt\n"
           "                print the ticket file\n"
           "  --winning DB  mark the tickets against the newest draw of DB (without it\n"
           "                everything prints in black)\n"
           "  --pages FIRST-LAST\n"
           "                with --tickets: print only these pages\n"
           "  --help        show this text and exit\n"
           "\n"
           "Exit status: 0 on success, 1 when a file cannot be read or written, 2 on a usage\n"
           "error.\n";
}

}  // namespace qv::print
