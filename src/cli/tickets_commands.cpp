// describe and tickets ...: what a file holds, and ticket files listed, converted and matched.

#include <iostream>
#include <optional>
#include <string>

#include "cli/command_table.h"
#include "core/database/draw_report.h"
#include "core/options/file_description.h"
#include "core/tickets/matching.h"

namespace qv::cli {

namespace {

int describe(const Args& a) {
    if (a.size() != 1) throw UsageError{"describe takes one FILE"};
    const std::optional<std::string> text = describeFileByExtension(a[0]);
    if (!text) throw FileError{"Error opening file: " + a[0]};
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

}  // namespace

CommandList ticketCommands() {
    return {
        {"describe", "", {"describe FILE"}, describe},
        {"tickets", "list", {"tickets list FILE.qvt"}, ticketsList},
        {"tickets", "convert", {"tickets convert IN.qvt OUT.qvt"}, ticketsConvert},
        {"tickets", "match", {"tickets match FILE.qvt N1 N2 ... [+ B1 [B2 [B3]]]"}, ticketsMatch},
    };
}

}  // namespace qv::cli
