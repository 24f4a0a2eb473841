// quorvantile-cli: the draw database operations of the program, for scripts and batch work.
// Its output is a contract: scripts rely on every line exactly as printed.

#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "core/database/draw_database.h"
#include "core/database/draw_parser.h"
#include "core/options/file_description.h"
#include "core/tickets/ticket_file.h"
#include "core/progress.h"
#include "core/util/file_io.h"
#include "core/util/text.h"

namespace {

using namespace qv;

constexpr int kExitOk = 0;
constexpr int kExitFile = 1;
constexpr int kExitUsage = 2;

const char* const kUsage =
    "usage:\n"
    "  quorvantile-cli db create FILE [--description TEXT] [--lotto N] [--ticket K] [--link URL]\n"
    "  quorvantile-cli db info FILE\n"
    "  quorvantile-cli db list FILE\n"
    "  quorvantile-cli db add FILE M/D/YYYY N1 [N2 ...] [+ B1 [B2 [B3]]]\n"
    "  quorvantile-cli db sort FILE\n"
    "  quorvantile-cli db import FILE TEXTFILE\n"
    "  quorvantile-cli db paste FILE [TEXTFILE | -]\n"
    "  quorvantile-cli db list FILE.dat --tickets FILE.qvt\n"
    "  quorvantile-cli describe FILE\n"
    "  quorvantile-cli tickets list FILE.qvt\n"
    "  quorvantile-cli tickets convert IN.qvt OUT.qvt\n"
    "  quorvantile-cli tickets match FILE.qvt N1 N2 ... [+ B1 [B2 [B3]]]\n";

struct UsageError {
    std::string message;
};
struct FileError {
    std::string message;
};

// Shows the percentage of long work on standard error, only when it is a terminal.
class TerminalProgress : public ProgressReporter {
public:
    TerminalProgress() : enabled_(isatty(STDERR_FILENO) != 0) {}
    void open(const std::string& caption) override {
        caption_ = caption;
        if (enabled_) std::fprintf(stderr, "%s", caption_.c_str());
    }
    void show(int percent) override {
        if (enabled_) std::fprintf(stderr, "\r%s %d%%", caption_.c_str(), percent);
    }
    bool cancelled() override { return false; }
    void close() override {
        if (enabled_) std::fprintf(stderr, "\r%s done\n", caption_.c_str());
    }

private:
    bool enabled_;
    std::string caption_;
};

// A whole decimal number within [lo, hi]; anything else is a usage error naming `what`.
int parseIntArg(const std::string& text, int lo, int hi, const std::string& what) {
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
        throw UsageError{what + " must be a whole number from " + std::to_string(lo) + " to " +
                         std::to_string(hi) + ": \"" + text + "\""};
    int v = std::stoi(text);
    if (v < lo || v > hi)
        throw UsageError{what + " must be from " + std::to_string(lo) + " to " +
                         std::to_string(hi) + ": " + text};
    return v;
}

std::string formatDate(const TicketType& t) {
    return std::to_string(t.month) + "-" + std::to_string(t.day) + "-" + std::to_string(t.year);
}
std::string formatDate(const Date& d) {
    return std::to_string(d.month) + "-" + std::to_string(d.day) + "-" + std::to_string(d.year);
}

struct OpenDatabase {
    DrawDatabase db;
    StatisticsSettings stats;
};

void loadOrFail(const std::string& path, OpenDatabase& open) {
    if (!open.db.load(path, open.stats)) throw FileError{"Error opening file: " + path};
}

void saveOrFail(OpenDatabase& open) {
    std::string err = open.db.save(open.stats);
    if (!err.empty()) throw FileError{err};
}

std::string readInputText(const std::string& source) {
    if (source == "-") {
        std::string text((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
        return text;
    }
    auto text = readTextFile(source);
    if (!text) throw FileError{"Error opening file: " + source};
    return *text;
}

int dbCreate(const std::vector<std::string>& a) {
    if (a.empty()) throw UsageError{"db create needs a FILE"};
    DataHeader header;
    header.description.clear();
    header.numbersInLotto = 49;
    header.numbersOnTicket = 6;
    std::string link;
    std::string path;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto value = [&]() -> const std::string& {
            if (i + 1 >= a.size()) throw UsageError{a[i] + " needs a value"};
            return a[++i];
        };
        if (a[i] == "--description") {
            header.description = utf8Left(value(), DataHeader::kDescriptionBytes - 1);
        } else if (a[i] == "--lotto") {
            header.numbersInLotto = static_cast<std::uint16_t>(parseIntArg(value(), 1, 100, "--lotto"));
        } else if (a[i] == "--ticket") {
            header.numbersOnTicket = static_cast<std::uint16_t>(parseIntArg(value(), 1, 10, "--ticket"));
        } else if (a[i] == "--link") {
            link = utf8Left(value(), DrawDatabase::kMaxLinkChars);
        } else if (a[i].rfind("--", 0) == 0 || !path.empty()) {
            throw UsageError{"unexpected argument: " + a[i]};
        } else {
            path = a[i];
        }
    }
    if (path.empty()) throw UsageError{"db create needs a FILE"};
    std::string err = createDatabaseFile(path, header, StatisticsSettings{}, link);
    if (!err.empty()) throw FileError{err};
    return kExitOk;
}

int dbInfo(const std::vector<std::string>& a) {
    if (a.size() != 1) throw UsageError{"db info takes one FILE"};
    OpenDatabase open;
    loadOrFail(a[0], open);
    const DataHeader& h = open.db.header();
    std::cout << "Description: " << h.description << "\n"
              << "Entries: " << open.db.entryCount() << "\n"
              << "Numbers on a ticket: " << h.numbersOnTicket << "\n"
              << "Numbers in lotto: " << h.numbersInLotto << "\n"
              << "Update link: " << open.db.updateLink() << "\n"
              << "Statistics options: hot " << open.stats.hotPickMode << " cold "
              << open.stats.coldPickMode << " from " << formatDate(open.stats.fromDate) << " to "
              << formatDate(open.stats.toDate) << "\n";
    return kExitOk;
}

TicketFile loadTicketsOrFail(const std::string& path) {
    TicketFileReadResult r = loadTicketFile(path);
    if (r.status == TicketReadStatus::CannotOpen) throw FileError{"Error opening file: " + path};
    if (!r.ok()) throw FileError{path + ": " + r.message};
    return std::move(r.file);
}

// " <n>" for every non-zero number, then " +" and the bonus numbers when there are any.
std::string numbersText(const TicketType& t) {
    std::string out;
    for (auto n : t.numbers)
        if (n != 0) out += " " + std::to_string(n);
    bool anyBonus = false;
    for (auto b : t.bonus) anyBonus = anyBonus || b != 0;
    if (anyBonus) {
        out += " +";
        for (auto b : t.bonus)
            if (b != 0) out += " " + std::to_string(b);
    }
    return out;
}

// How the ticket file scored on one draw, as the database window's result columns show it.
std::string tallyText(const TicketFile& tickets, const TicketType& draw, int k) {
    bool drawHasBonus = draw.bonus[0] != 0;
    bool wantBonus = drawHasBonus;
    TallyCounts counts = TallyResults(tickets.tickets, draw, wantBonus);
    std::string out = "  |";
    for (int m = 3; m <= k; ++m) {
        out += " " + std::to_string(m) + "/" + std::to_string(k) + ":" +
               std::to_string(counts.hits[m - 2]);
        if (drawHasBonus) out += "+" + std::to_string(counts.bonusHits[m - 2]);
    }
    if (tickets.isWheel() && WheelConditionMet(tickets, draw)) out += " *";
    return out;
}

int dbList(const std::vector<std::string>& a) {
    std::string file;
    std::string ticketPath;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--tickets") {
            if (i + 1 >= a.size()) throw UsageError{"--tickets needs a FILE.qvt"};
            ticketPath = a[++i];
        } else if (file.empty()) {
            file = a[i];
        } else {
            throw UsageError{"unexpected argument: " + a[i]};
        }
    }
    if (file.empty()) throw UsageError{"db list takes one FILE"};
    OpenDatabase open;
    loadOrFail(file, open);
    std::optional<TicketFile> tickets;
    if (!ticketPath.empty()) tickets = loadTicketsOrFail(ticketPath);
    // The result columns run up to the number of winning numbers of the newest draw.
    int k = open.db.entryCount() > 0 ? open.db.entry(0).numberCount() : 0;
    std::string out;
    for (std::size_t i = 0; i < open.db.entryCount(); ++i) {
        const TicketType& t = open.db.entry(i);
        out += formatDate(t) + numbersText(t);
        if (tickets) out += tallyText(*tickets, t, k);
        out += "\n";
    }
    std::cout << out;
    return kExitOk;
}

// M/D/YYYY with a month of 1..12, a day of 1..31 and a year of 0..2999.
Date parseDateArg(const std::string& text) {
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == '/')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    if (parts.size() != 3) throw UsageError{"the date must be M/D/YYYY: \"" + text + "\""};
    Date d;
    d.month = static_cast<std::int16_t>(parseIntArg(parts[0], 1, 12, "the month"));
    d.day = static_cast<std::int16_t>(parseIntArg(parts[1], 1, 31, "the day"));
    d.year = static_cast<std::int16_t>(parseIntArg(parts[2], 0, 2999, "the year"));
    return d;
}

// N1 [N2 ...] [+ B1 [B2 [B3]]] into the numbers and bonus numbers of `draw`.
void parseNumberArgs(const std::vector<std::string>& a, std::size_t from, TicketType& draw) {
    std::size_t i = from;
    int count = 0;
    for (; i < a.size() && a[i] != "+"; ++i) {
        if (count == kMaxNumbersOnTicket) throw UsageError{"a draw has at most 10 numbers"};
        draw.numbers[count++] = static_cast<std::int16_t>(parseIntArg(a[i], 1, 100, "a number"));
    }
    if (count == 0) throw UsageError{"at least one number is needed"};
    if (i < a.size()) {
        ++i;  // the "+"
        int bonus = 0;
        for (; i < a.size(); ++i) {
            if (bonus == kMaxBonusNumbers) throw UsageError{"a draw has at most 3 bonus numbers"};
            draw.bonus[bonus++] =
                static_cast<std::int16_t>(parseIntArg(a[i], 1, 100, "a bonus number"));
        }
        if (bonus == 0) throw UsageError{"\"+\" must be followed by a bonus number"};
    }
}

int dbAdd(const std::vector<std::string>& a) {
    if (a.size() < 3) throw UsageError{"db add needs FILE, a date and at least one number"};
    TicketType draw;
    draw.setDate(parseDateArg(a[1]));
    parseNumberArgs(a, 2, draw);
    OpenDatabase open;
    loadOrFail(a[0], open);
    if (!open.db.insert(draw))
        throw FileError{"The database is full: it already holds 65535 draws."};
    saveOrFail(open);
    return kExitOk;
}

int dbSort(const std::vector<std::string>& a) {
    if (a.size() != 1) throw UsageError{"db sort takes one FILE"};
    OpenDatabase open;
    loadOrFail(a[0], open);
    TerminalProgress progress;
    open.db.sort(&progress);
    saveOrFail(open);
    return kExitOk;
}

// Inserts the draws and saves; a full database stops the insertion with a message.
std::size_t insertAll(OpenDatabase& open, const std::vector<TicketType>& draws) {
    std::size_t inserted = 0;
    for (const TicketType& t : draws) {
        if (!open.db.insert(t)) {
            std::cerr << "The database is full: " << (draws.size() - inserted)
                      << " draws were not inserted.\n";
            break;
        }
        ++inserted;
    }
    saveOrFail(open);
    return inserted;
}

int dbImport(const std::vector<std::string>& a) {
    if (a.size() != 2) throw UsageError{"db import takes FILE and TEXTFILE"};
    OpenDatabase open;
    loadOrFail(a[0], open);
    std::string text = readInputText(a[1]);
    FileImportResult result = parseImportText(text);
    if (result.skippedOutOfRange > 0)
        std::cerr << result.skippedOutOfRange << " lines skipped: a number above 100\n";
    std::size_t n = insertAll(open, result.draws);
    std::cout << n << " draws imported\n";
    return kExitOk;
}

int dbPaste(const std::vector<std::string>& a) {
    if (a.empty() || a.size() > 2) throw UsageError{"db paste takes FILE and an optional TEXTFILE"};
    OpenDatabase open;
    loadOrFail(a[0], open);
    std::string text = readInputText(a.size() == 2 ? a[1] : "-");
    std::vector<TicketType> draws = parseClipboardText(text, open.db.header().numbersOnTicket);
    std::size_t n = insertAll(open, draws);
    std::cout << n << " draws pasted\n";
    return kExitOk;
}

int describe(const std::vector<std::string>& a) {
    if (a.size() != 1) throw UsageError{"describe takes one FILE"};
    std::optional<std::string> text = describeFileByExtension(a[0]);
    if (!text) throw FileError{"Error opening file: " + a[0]};
    std::cout << *text << "\n";
    return kExitOk;
}

int ticketsList(const std::vector<std::string>& a) {
    if (a.size() != 1) throw UsageError{"tickets list takes one FILE.qvt"};
    TicketFile f = loadTicketsOrFail(a[0]);
    std::string out;
    out += std::string("Kind: ") + (f.isWheel() ? "wheel" : "manual") + "\n";
    out += "Tickets: " + std::to_string(f.ticketCount()) + "\n";
    out += "Numbers on a ticket: " + std::to_string(f.statedNumbersPerTicket()) + "\n";
    if (f.isWheel()) {
        const WheelInfo& w = f.wheel;
        out += "Wheel: " + w.description + ", " + std::to_string(w.numbersToWheel) + " numbers, " +
               std::to_string(w.ticketCount) + " tickets, guarantees " +
               std::to_string(w.guarantee) + " of " + std::to_string(w.numbersPerTicket) +
               " if " + std::to_string(w.guaranteeIf) + "\n";
        out += "Numbers used:";
        for (auto n : f.chosenNumbers()) out += " " + std::to_string(n);
        out += "\n";
    } else {
        out += "Numbers in lotto: " + std::to_string(f.numbersInLotto) + "\n";
    }
    for (const TicketType& t : f.tickets) {
        std::string line = numbersText(t);
        out += (line.empty() ? line : line.substr(1)) + "\n";
    }
    std::cout << out;
    return kExitOk;
}

int ticketsConvert(const std::vector<std::string>& a) {
    if (a.size() != 2) throw UsageError{"tickets convert takes IN.qvt and OUT.qvt"};
    TicketFile f = loadTicketsOrFail(a[0]);
    std::string err = f.saveAs(a[1]);
    if (!err.empty()) throw FileError{err};
    return kExitOk;
}

int ticketsMatch(const std::vector<std::string>& a) {
    if (a.size() < 2) throw UsageError{"tickets match needs FILE.qvt and the winning numbers"};
    TicketType winning;
    parseNumberArgs(a, 1, winning);
    TicketFile f = loadTicketsOrFail(a[0]);
    const int mainNumbers = mainNumberCount(f.tickets);
    const int bonusColumns = bonusColumnCount(f.tickets);
    std::string out;
    for (const TicketType& t : f.tickets)
        out += resultText(MatchTicket(t, winning), mainNumbers, bonusColumns) + "\n";
    std::cout << out;
    return kExitOk;
}

int run(const std::vector<std::string>& args) {
    if (args.size() == 2 && args[0] == "describe") return describe({args[1]});
    if (args.size() >= 1 && args[0] == "describe") throw UsageError{"describe takes one FILE"};
    if (args.size() >= 2 && args[0] == "tickets") {
        std::vector<std::string> rest(args.begin() + 2, args.end());
        if (args[1] == "list") return ticketsList(rest);
        if (args[1] == "convert") return ticketsConvert(rest);
        if (args[1] == "match") return ticketsMatch(rest);
        throw UsageError{"unknown command: tickets " + args[1]};
    }
    if (args.size() < 2 || args[0] != "db") throw UsageError{""};
    const std::string& cmd = args[1];
    std::vector<std::string> rest(args.begin() + 2, args.end());
    if (cmd == "create") return dbCreate(rest);
    if (cmd == "info") return dbInfo(rest);
    if (cmd == "list") return dbList(rest);
    if (cmd == "add") return dbAdd(rest);
    if (cmd == "sort") return dbSort(rest);
    if (cmd == "import") return dbImport(rest);
    if (cmd == "paste") return dbPaste(rest);
    throw UsageError{"unknown command: db " + cmd};
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    try {
        return run(args);
    } catch (const UsageError& e) {
        if (!e.message.empty()) std::cerr << "quorvantile-cli: " << e.message << "\n";
        std::cerr << kUsage;
        return kExitUsage;
    } catch (const FileError& e) {
        std::cerr << e.message << "\n";
        return kExitFile;
    } catch (const std::exception& e) {
        std::cerr << "quorvantile-cli: " << e.what() << "\n";
        return kExitFile;
    }
}
