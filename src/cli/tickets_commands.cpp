// describe and tickets ...: what a file holds, and ticket files listed, converted, matched,
// made, changed, arranged, exported and counted over every draw of a game.

#include <algorithm>
#include <iostream>
#include <optional>
#include <string>

#include "cli/command_table.h"
#include "cli/number_args.h"
#include "core/database/draw_report.h"
#include "core/options/file_description.h"
#include "core/tickets/arrange.h"
#include "core/tickets/matching.h"
#include "core/tickets/odds.h"
#include "core/tickets/ticket_editing.h"

namespace qv::cli {

namespace {

int describe(const Args& a) {
    if (a.size() != 1) throw UsageError{"describe takes one FILE"};
    const auto text = describeFileByExtension(a[0]);
    if (!text) throw FileError{openError(a[0], text)};
    std::cout << *text << "\n";
    return kExitOk;
}

int ticketsList(const Args& a) {
    if (a.size() != 1) throw UsageError{"tickets list takes one FILE.qvt"};
    const TicketFile f = loadTickets(a[0]);
    std::string out;
    out += std::string("Kind: ") + (f.isWheel() ? "wheel" : "manual") + "\n";
    out += "Tickets: " + std::to_string(f.ticketCount()) + "\n";
    out += "Numbers on a ticket: " + std::to_string(f.statedNumbersPerTicket()) + "\n";
    if (f.isWheel()) {
        const WheelInfo& w = f.wheel;
        out += "Wheel: " + w.description + ", " + std::to_string(w.numbersToWheel) + " numbers, " +
               std::to_string(w.ticketCount) + " tickets, guarantees " +
               std::to_string(w.guarantee) + " of " + std::to_string(w.numbersPerTicket) + " if " +
               std::to_string(w.guaranteeIf) + "\n";
        out += "Numbers used:";
        for (auto n : f.chosenNumbers()) out += " " + std::to_string(n);
        out += "\n";
    } else {
        out += "Numbers in lotto: " + std::to_string(f.numbersInLotto) + "\n";
    }
    for (const TicketType& t : f.tickets) out += numbersText(t) + "\n";
    std::cout << out;
    return kExitOk;
}

int ticketsConvert(const Args& a) {
    if (a.size() != 2) throw UsageError{"tickets convert takes IN.qvt and OUT.qvt"};
    TicketFile f = loadTickets(a[0]);
    if (IoResult saved = f.saveAs(a[1]); !saved) throw FileError{saved.message};
    return kExitOk;
}

int ticketsMatch(const Args& a) {
    if (a.size() < 2) throw UsageError{"tickets match needs FILE.qvt and the winning numbers"};
    TicketType winning;
    parseNumberArgs(a, 1, winning);
    const TicketFile f = loadTickets(a[0]);
    const int mainNumbers = mainNumberCount(f.tickets);
    const int bonusColumns = bonusColumnCount(f.tickets);
    std::string out;
    for (const TicketType& t : f.tickets)
        out += resultText(MatchTicket(t, winning), mainNumbers, bonusColumns) + "\n";
    std::cout << out;
    return kExitOk;
}

// --- Making and changing ticket files ----------------------------------------------------------

void saveTickets(TicketFile& f) {
    if (IoResult saved = f.save(); !saved) throw FileError{saved.message};
}

TicketFile loadManualTickets(const std::string& path, const std::string& command) {
    TicketFile f = loadTickets(path);
    if (f.isWheel())
        throw FileError{path + " is a wheel ticket file: tickets " + command +
                        " only in manual ticket files"};
    return f;
}

// The ticket LABEL (1 = the first) of a file of `count` tickets, as a 0-based index.
std::size_t ticketIndex(const std::string& text, std::size_t count) {
    const int label = parseIntArg(text, 1, 999999999, "LABEL");
    if (count == 0) throw UsageError{"the file has no tickets"};
    if (static_cast<std::size_t>(label) > count)
        throw UsageError{"LABEL must be from 1 to " + std::to_string(count) + ": " + text};
    return static_cast<std::size_t>(label - 1);
}

int ticketsNew(const Args& a) {
    int lotto = 49;
    int perTicket = 6;
    std::string path;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto value = [&]() -> const std::string& {
            if (i + 1 >= a.size()) throw UsageError{a[i] + " needs a value"};
            return a[++i];
        };
        if (a[i] == "--lotto") {
            lotto = parseIntArg(value(), 1, kMaxLottoNumber, "--lotto");
        } else if (a[i] == "--ticket") {
            perTicket = parseIntArg(value(), 1, kMaxNumbersOnTicket, "--ticket");
        } else if (a[i].rfind("--", 0) == 0 || !path.empty()) {
            throw UsageError{"unexpected argument: " + a[i]};
        } else {
            path = a[i];
        }
    }
    if (path.empty()) throw UsageError{"tickets new needs a FILE.qvt"};
    TicketFile f = newManualTicketFile(perTicket, lotto);
    if (IoResult saved = f.saveAs(path); !saved) throw FileError{saved.message};
    return kExitOk;
}

int ticketsAdd(const Args& a) {
    if (a.size() < 2) throw UsageError{"tickets add needs FILE.qvt and the ticket's numbers"};
    const auto plus = std::find(a.begin() + 1, a.end(), std::string("+"));
    const std::size_t split = static_cast<std::size_t>(plus - a.begin());
    const std::vector<int> main =
        parseDistinctNumbers(a, 1, split, kMaxNumbersOnTicket, "a ticket");
    if (main.empty()) throw UsageError{"at least one number is needed"};
    std::vector<int> bonus;
    if (plus != a.end()) {
        bonus = parseDistinctNumbers(a, split + 1, a.size(), kMaxBonusNumbers, "the bonus numbers");
        if (bonus.empty()) throw UsageError{"\"+\" must be followed by a bonus number"};
    }
    TicketType t;
    for (std::size_t k = 0; k < main.size(); ++k) t.numbers[k] = static_cast<std::int16_t>(main[k]);
    for (std::size_t k = 0; k < bonus.size(); ++k) t.bonus[k] = static_cast<std::int16_t>(bonus[k]);
    TicketFile f = loadManualTickets(a[0], "are added");
    addManualTicket(f, t);
    saveTickets(f);
    return kExitOk;
}

int ticketsDelete(const Args& a) {
    if (a.size() != 2) throw UsageError{"tickets delete takes FILE.qvt and a LABEL"};
    parseIntArg(a[1], 1, 999999999, "LABEL");
    TicketFile f = loadManualTickets(a[0], "are deleted");
    deleteManualTicket(f, ticketIndex(a[1], f.ticketCount()));
    saveTickets(f);
    return kExitOk;
}

int ticketsBonus(const Args& a) {
    if (a.size() < 2) throw UsageError{"tickets bonus needs FILE.qvt and all or a LABEL"};
    const bool all = a[1] == "all";
    if (!all) parseIntArg(a[1], 1, 999999999, "LABEL");
    const std::vector<int> numbers =
        parseDistinctNumbers(a, 2, a.size(), kMaxBonusNumbers, "the bonus numbers");
    std::vector<std::int16_t> bonus(numbers.begin(), numbers.end());
    TicketFile f = loadTickets(a[0]);
    std::optional<std::size_t> index;
    if (!all) index = ticketIndex(a[1], f.ticketCount());
    setBonusNumbers(f, index, bonus);
    saveTickets(f);
    return kExitOk;
}

int ticketsArrange(const Args& a) {
    if (a.size() < 2) throw UsageError{"tickets arrange needs FILE.qvt and the winning numbers"};
    TicketType winning;
    parseNumberArgs(a, 1, winning);
    TicketFile f = loadTickets(a[0]);
    TicketOrder order(f.ticketCount());
    order.arrangeByResult(f.tickets, nullptr, winning);
    // The window counts the numbers on its first row, after arranging.
    const int mainNumbers = mainNumberCount(f.tickets);
    const int bonusColumns = bonusColumnCount(f.tickets);
    std::string out;
    for (std::size_t k = 0; k < f.tickets.size(); ++k) {
        const TicketType& t = f.tickets[k];
        out += std::to_string(order.labels()[k]) + ": " + numbersText(t) + " | " +
               resultText(MatchTicket(t, winning), mainNumbers, bonusColumns) + "\n";
    }
    std::cout << out;
    return kExitOk;
}

int ticketsExport(const Args& args) {
    Args a = args;
    const bool append = takeFlag(a, "--append");
    if (a.size() != 2) throw UsageError{"tickets export takes FILE.qvt and OUT.txt"};
    const TicketFile f = loadTickets(a[0]);
    if (IoResult written = writeExport(a[1], exportText(f.tickets), append); !written)
        throw FileError{"Error writing file: " + a[1]};
    return kExitOk;
}

int ticketsOdds(const Args& args) {
    Args a = args;
    OddsGame game;
    game.bonusBall = takeFlag(a, "--bonus-ball");
    const auto lotto = std::find(a.begin(), a.end(), std::string("--lotto"));
    if (lotto == a.end() || lotto + 1 == a.end())
        throw UsageError{"tickets odds needs --lotto L"};
    game.lotto = parseIntArg(*(lotto + 1), 1, kMaxLottoNumber, "--lotto");
    a.erase(lotto, lotto + 2);
    if (a.size() != 1) throw UsageError{"tickets odds takes one FILE.qvt"};
    const TicketFile f = loadTickets(a[0]);
    game.perTicket = f.statedNumbersPerTicket();
    if (const std::string problem = oddsProblem(f.tickets, game); !problem.empty())
        throw UsageError{problem};
    TerminalProgress progress;
    const std::optional<TicketOdds> odds = countTicketOdds(f.tickets, game, &progress);
    std::string out;
    for (const std::string& line : oddsLines(*odds)) out += line + "\n";
    std::cout << out;
    return kExitOk;
}

}  // namespace

CommandList ticketCommands() {
    return {
        {"describe", "", {"describe FILE"}, describe},
        {"tickets", "list", {"tickets list FILE.qvt"}, ticketsList},
        {"tickets", "convert", {"tickets convert IN.qvt OUT.qvt"}, ticketsConvert},
        {"tickets", "match", {"tickets match FILE.qvt N1 N2 ... [+ B1 [B2 [B3]]]"}, ticketsMatch},
        {"tickets", "new", {"tickets new FILE.qvt [--lotto N] [--ticket K]"}, ticketsNew},
        {"tickets", "add", {"tickets add FILE.qvt N1 [N2 ...] [+ B1 [B2 [B3]]]"}, ticketsAdd},
        {"tickets", "delete", {"tickets delete FILE.qvt LABEL"}, ticketsDelete},
        {"tickets", "bonus", {"tickets bonus FILE.qvt all|LABEL [B1 [B2 [B3]]]"}, ticketsBonus},
        {"tickets",
         "arrange",
         {"tickets arrange FILE.qvt N1 ... [+ B1 [B2 [B3]]]"},
         ticketsArrange},
        {"tickets", "export", {"tickets export FILE.qvt OUT.txt [--append]"}, ticketsExport},
        {"tickets", "odds", {"tickets odds FILE.qvt --lotto L [--bonus-ball]"}, ticketsOdds},
    };
}

}  // namespace qv::cli
