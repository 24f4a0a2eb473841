#pragma once
// The order of the rows of the ticket window: each row keeps the label it was given when the
// tickets were attached (1, 2, ...), and the rows can be arranged by result against the
// current winning numbers or put back in label order. Also the text export of the tickets.

#include <cstddef>
#include <string>
#include <vector>

#include "core/progress.h"
#include "core/records/records.h"
#include "core/util/io_result.h"

namespace qv {

class TicketOrder {
public:
    // Labels 1..count; the rows count as arranged by number.
    explicit TicketOrder(std::size_t count = 0) { attach(count); }

    // After the tickets were created or replaced: labels 1..count, arranged by number.
    void attach(std::size_t count);
    // Labels are whole numbers: a file may hold more tickets than a 16-bit label can count.
    const std::vector<int>& labels() const { return labels_; }
    bool arrangedByNumber() const { return byNumber_; }

    // "Arrange Tickets By &Result": only while arranged by number. Position by position the
    // row with the most main hits (then the most bonus hits, then the first such row) is
    // moved up; `rows`, when given, moves with the tickets. A cancel stops part way, leaving
    // the first positions arranged. Afterwards the rows count as arranged by result, even
    // when cancelled. False when there was nothing to do.
    bool arrangeByResult(std::vector<TicketType>& tickets, std::vector<TicketType>* rows,
                         const TicketType& winning, ProgressReporter* progress = nullptr,
                         const std::string& caption = "Checking Combinations...");
    // "Arrange Tickets By &Number": only while arranged by result; the rows go back in label
    // order. False when there was nothing to do.
    bool arrangeByNumber(std::vector<TicketType>& tickets, std::vector<TicketType>* rows);

private:
    std::vector<int> labels_;
    bool byNumber_ = true;
};

// The key that orders rows by result: main hits first, bonus hits on a tie.
int resultKey(const TicketType& ticket, const TicketType& winning);

// Arranges `tickets` (and `rows` and `labels` with them, when given) position by position as
// the selection that moves up the row of greatest resultKey does, the first such row winning
// a tie. Returns the number of positions done (all, unless the reporter cancelled).
std::size_t arrangeTicketsByResult(std::vector<TicketType>& tickets, std::vector<TicketType>* rows,
                                   std::vector<int>* labels, const TicketType& winning,
                                   ProgressReporter* progress = nullptr,
                                   const std::string& caption = "Checking Combinations...");

// "&Export Tickets...": one line per ticket, each main number then each bonus number as
// "%d " (up to the first 0), then a line feed.
std::string exportText(const std::vector<TicketType>& tickets);
// Writes the export to `path`, replacing the file (atomically) or appending to it.
IoResult writeExport(const std::string& path, const std::string& text, bool append);

}  // namespace qv
