#include "core/database/draw_report.h"

#include "core/statistics/statistics_options.h"

#include "core/tickets/matching.h"
#include "core/util/text.h"

namespace qv {

std::string dateText(const Date& date) {
    return formatIntegers(kDrawDateFormat, {date.month, date.day, date.year});
}

std::string numbersText(const TicketType& t) {
    std::string out;
    auto append = [&out](std::int16_t n) {
        if (!out.empty()) out += ' ';
        out += std::to_string(n);
    };
    for (std::int16_t n : t.numbers)
        if (n != 0) append(n);
    bool anyBonus = false;
    for (std::int16_t b : t.bonus) anyBonus = anyBonus || b != 0;
    if (anyBonus) {
        out += out.empty() ? "+" : " +";
        for (std::int16_t b : t.bonus)
            if (b != 0) out += " " + std::to_string(b);
    }
    return out;
}

std::string drawLine(const TicketType& draw) {
    std::string line = dateText(draw.date());
    const std::string numbers = numbersText(draw);
    if (!numbers.empty()) line += " " + numbers;
    return line;
}

std::string ticketResultsText(const TicketFile& tickets, const TicketType& draw, int k) {
    const bool drawHasBonus = draw.bonus[0] != 0;
    bool wantBonus = drawHasBonus;
    const TallyCounts counts = TallyResults(tickets.tickets, draw, wantBonus);
    std::string out = "  |";
    for (int m = 3; m <= k && m - 2 < static_cast<int>(kTallySize); ++m) {
        out += " " + std::to_string(m) + "/" + std::to_string(k) + ":" +
               std::to_string(counts.hits[m - 2]);
        // Shown whenever the draw has a bonus number, even for files without bonus numbers.
        if (drawHasBonus) out += "+" + std::to_string(counts.bonusHits[m - 2]);
    }
    if (tickets.isWheel() && WheelConditionMet(tickets, draw)) out += " *";
    return out;
}

std::string previewLine(const PreviewRow& row) {
    std::string line = drawLine(row.draw);
    if (row.incomplete || row.duplicate) line += " ";
    if (row.incomplete) line += " [incomplete]";
    if (row.duplicate) line += " [duplicate]";
    return line;
}

std::string databaseInformation(const DrawDatabase& database) {
    const DataHeader& h = database.header();
    const StatisticsSettings& s = database.statistics();
    return "Description: " + h.description + "\n" +
           "Entries: " + std::to_string(database.entryCount()) + "\n" +
           "Numbers on a ticket: " + std::to_string(h.numbersOnTicket) + "\n" +
           "Numbers in lotto: " + std::to_string(h.numbersInLotto) + "\n" +
           "Update link: " + database.updateLink() + "\n" + statisticsOptionsLine(s) + "\n";
}

}  // namespace qv
