#pragma once
// Draws and databases as plain text lines, for reports and the command line. Dates use the
// database window's row format, so a draw reads the same in every place it is shown.

#include <cstddef>
#include <string>

#include "core/database/draw_database.h"
#include "core/database/draw_preview.h"
#include "core/records/records.h"
#include "core/tickets/ticket_file.h"

namespace qv {

// "M-D-YYYY", as the database window's rows show a date.
inline constexpr const char* kDrawDateFormat = "%d-%d-%d";
std::string dateText(const Date& date);

// The numbers of a draw or ticket, then " +" and the bonus numbers when there are any:
// "1 2 3 4 5 6 + 7". Places holding 0 are left out; an empty record gives "".
std::string numbersText(const TicketType& t);

// One entry of a database: its date, then its numbers, "2-5-2004 1 2 3 4 5 6 + 7"; a draw
// without numbers is its date alone.
std::string drawLine(const TicketType& draw);

// How a ticket file scored on one draw, appended to its line: "  | 3/6:0 4/6:1 5/6:0 6/6:0"
// for the levels 3..k, each with "+<bonus hits>" when the draw has a bonus number, and " *"
// when a wheel's condition was met. `k` is the number of winning numbers of the newest draw.
std::string ticketResultsText(const TicketFile& tickets, const TicketType& draw, int k);

// A draw offered for insertion, as drawLine shows it, with "  [incomplete]" and/or
// "  [duplicate]" after it; a draw that is both reads "... [incomplete] [duplicate]".
std::string previewLine(const PreviewRow& row);

// The database's header, link and statistics options, one "Name: value" line each.
std::string databaseInformation(const DrawDatabase& database);

}  // namespace qv
