#pragma once
// What every command of quorvantile-cli shares: the two kinds of failure, argument parsing,
// progress on the terminal, and loading and saving with the program's messages.

#include <string>
#include <vector>

#include "core/database/draw_database.h"
#include "core/progress.h"
#include "core/records/records.h"
#include "core/tickets/ticket_file.h"
#include "core/wheels/wheel_info.h"

namespace qv::cli {

using Args = std::vector<std::string>;

// Every exit status of the program (the README and the manual page list them too); the
// commands return them as the process's int status.
enum ExitStatus : int {
    kExitOk = 0,
    kExitFile = 1,
    kExitUsage = 2,
    // The wheel does not give what it was asked for: `wheel check` found the guarantee
    // invalid, `wheel generate` found no wheel within the row cap.
    kExitWheelShort = 3,
    // `wheel check` cannot check this kind of wheel.
    kExitNotCheckable = 4,
};

// The command line is wrong: the message (if any) is printed with the usage, exit 2.
struct UsageError {
    std::string message;
};
// A file cannot be read or written: the message alone is printed, exit 1.
// "Error opening file: PATH", then the system's reason when there is one.
std::string openError(const std::string& path, const IoResult& result);

struct FileError {
    std::string message;
};

// Shows the percentage of long work on standard error, only when it is a terminal.
class TerminalProgress : public ProgressReporter {
public:
    TerminalProgress();
    void open(const std::string& caption) override;
    void show(int percent) override;
    bool cancelled() override { return false; }
    void close() override;

private:
    bool enabled_;
    std::string caption_;
};

// A whole decimal number within [lo, hi]; anything else is a usage error naming `what`.
int parseIntArg(const std::string& text, int lo, int hi, const std::string& what);
// M/D/YYYY with a month of 1..12, a day of 1..31 and a year of 0..2999.
Date parseDateArg(const std::string& text);
// a[from..]: N1 [N2 ...] [+ B1 [B2 [B3]]] into the numbers and bonus numbers of `draw`.
void parseNumberArgs(const Args& a, std::size_t from, TicketType& draw);
// Removes the first `flag` from `a`; true when there was one.
bool takeFlag(Args& a, const std::string& flag);

DrawDatabase loadDatabase(const std::string& path);
void saveDatabase(DrawDatabase& database);
TicketFile loadTickets(const std::string& path);
WheelInfo loadWheel(const std::string& path);
// The whole text of a file, or of standard input for "-".
std::string readInputText(const std::string& source);

}  // namespace qv::cli
