// db ...: create, inspect and fill draw databases.

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/command_table.h"
#include "core/database/draw_parser.h"
#include "core/database/draw_preview.h"
#include "core/database/draw_report.h"
#include "core/entry/modify_entries.h"
#include "core/entry/past_performance.h"
#include "core/util/text.h"

namespace qv::cli {

namespace {

int dbCreate(const Args& a) {
    if (a.empty()) throw UsageError{"db create needs a FILE"};
    DataHeader header;
    header.description.clear();
    header.numbersInLotto = 49;
    header.numbersOnTicket = 6;
    std::string link;
    std::string path;
    bool force = false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto value = [&]() -> const std::string& {
            if (i + 1 >= a.size()) throw UsageError{a[i] + " needs a value"};
            return a[++i];
        };
        if (a[i] == "--description") {
            header.description = utf8Left(value(), kMaxDescriptionChars);
        } else if (a[i] == "--lotto") {
            header.numbersInLotto =
                static_cast<std::uint16_t>(parseIntArg(value(), 1, kMaxLottoNumber, "--lotto"));
        } else if (a[i] == "--ticket") {
            header.numbersOnTicket = static_cast<std::uint16_t>(
                parseIntArg(value(), 1, kMaxNumbersOnTicket, "--ticket"));
        } else if (a[i] == "--link") {
            link = utf8Left(value(), kMaxLinkChars);
        } else if (a[i] == "--force") {
            force = true;
        } else if (a[i].rfind("--", 0) == 0 || !path.empty()) {
            throw UsageError{"unexpected argument: " + a[i]};
        } else {
            path = a[i];
        }
    }
    if (path.empty()) throw UsageError{"db create needs a FILE"};
    std::error_code ignored;
    if (!force && std::filesystem::symlink_status(path, ignored).type() !=
                      std::filesystem::file_type::not_found)
        throw FileError{path + " already exists; give --force to replace it."};
    if (IoResult created = createDatabaseFile(path, header, StatisticsSettings{}, link); !created)
        throw FileError{created.message};
    return kExitOk;
}

int dbInfo(const Args& a) {
    if (a.size() != 1) throw UsageError{"db info takes one FILE"};
    std::cout << databaseInformation(loadDatabase(a[0]));
    return kExitOk;
}

int dbList(const Args& a) {
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
    const DrawDatabase database = loadDatabase(file);
    std::optional<TicketFile> tickets;
    if (!ticketPath.empty()) tickets = loadTickets(ticketPath);
    // The result columns run up to the number of winning numbers of the newest draw.
    const int k = database.entryCount() > 0 ? database.entry(0).numberCount() : 0;
    std::string out;
    for (const TicketType& t : database.entries()) {
        out += drawLine(t);
        if (tickets) out += ticketResultsText(*tickets, t, k);
        out += "\n";
    }
    std::cout << out;
    return kExitOk;
}

int dbAdd(const Args& a) {
    if (a.size() < 3) throw UsageError{"db add needs FILE, a date and at least one number"};
    TicketType draw;
    draw.setDate(parseDateArg(a[1]));
    parseNumberArgs(a, 2, draw);
    DrawDatabase database = loadDatabase(a[0]);
    if (const auto problem = drawNumbersProblem(draw, database.header().numbersOnTicket))
        throw UsageError{numberProblemText(*problem, "the entry " + dateText(draw.date()))};
    if (!database.insert(draw))
        throw FileError{"The database is full: it already holds " +
                        std::to_string(kMaxDatabaseEntries) + " draws."};
    saveDatabase(database);
    return kExitOk;
}

int dbSort(const Args& a) {
    if (a.size() != 1) throw UsageError{"db sort takes one FILE"};
    DrawDatabase database = loadDatabase(a[0]);
    TerminalProgress progress;
    database.sort(&progress);
    saveDatabase(database);
    return kExitOk;
}

// --preview: every draw the text holds, marked as the insert dialog marks it; nothing is
// written.
void printPreview(const DrawDatabase& database, const std::vector<TicketType>& draws) {
    std::string out;
    for (const PreviewRow& row : previewDraws(database, draws)) out += previewLine(row) + "\n";
    std::cout << out;
}

// Inserts the draws, saves, and prints how many went in ("N draws imported"); a full database
// stops the insertion with a message and exit status 1, and the draws that went in are still
// saved.
int insertAndSave(DrawDatabase& database, const std::vector<TicketType>& draws, const char* done) {
    const InsertOutcome outcome = database.insertAll(draws);
    if (outcome.full())
        std::cerr << "The database is full: " << outcome.refused << " draws were not inserted.\n";
    saveDatabase(database);
    std::cout << outcome.added << " draws " << done << "\n";
    return outcome.full() ? kExitFile : kExitOk;
}

int dbImport(const Args& args) {
    Args a = args;
    const bool preview = takeFlag(a, "--preview");
    if (a.size() != 2) throw UsageError{"db import takes FILE and TEXTFILE"};
    DrawDatabase database = loadDatabase(a[0]);
    const FileImportResult result = parseImportText(readInputText(a[1]));
    if (result.skippedOutOfRange > 0)
        std::cerr << result.skippedOutOfRange << " lines skipped: a number above 100\n";
    if (preview) {
        printPreview(database, result.draws);
        return kExitOk;
    }
    return insertAndSave(database, result.draws, "imported");
}

int dbPaste(const Args& args) {
    Args a = args;
    const bool preview = takeFlag(a, "--preview");
    if (a.empty() || a.size() > 2) throw UsageError{"db paste takes FILE and an optional TEXTFILE"};
    DrawDatabase database = loadDatabase(a[0]);
    const std::string text = readInputText(a.size() == 2 ? a[1] : "-");
    const std::vector<TicketType> draws =
        parseClipboardText(text, database.header().numbersOnTicket);
    if (preview) {
        printPreview(database, draws);
        return kExitOk;
    }
    return insertAndSave(database, draws, "pasted");
}

// INDEX of an entry of `database`, 0 = newest.
std::size_t entryIndexArg(const std::string& text, const DrawDatabase& database) {
    if (database.entryCount() == 0) throw UsageError{"the database has no entries"};
    return static_cast<std::size_t>(
        parseIntArg(text, 0, static_cast<int>(database.entryCount()) - 1, "INDEX"));
}

int dbSet(const Args& a) {
    if (a.size() < 3) throw UsageError{"db set needs FILE, INDEX and at least one number"};
    TicketType given;
    parseNumberArgs(a, 2, given);
    DrawDatabase database = loadDatabase(a[0]);
    ModifyEntries edit(database.header(), database.entries());
    edit.select(entryIndexArg(a[1], database));
    ModifyEntries::Values values{};
    for (std::size_t i = 0; i < ModifyEntries::kNumberFields; ++i) values[i] = given.numbers[i];
    for (std::size_t i = 0; i < ModifyEntries::kBonusFields; ++i)
        values[ModifyEntries::kNumberFields + i] = given.bonus[i];
    if (const auto problem = edit.problemWith(values))
        throw UsageError{numberProblemText(*problem, edit.selectedName())};
    edit.update(values);
    database.replace(edit.header(), edit.entries());
    saveDatabase(database);
    return kExitOk;
}

int dbDelete(const Args& a) {
    if (a.size() != 2) throw UsageError{"db delete takes FILE and INDEX"};
    DrawDatabase database = loadDatabase(a[0]);
    ModifyEntries edit(database.header(), database.entries());
    edit.select(entryIndexArg(a[1], database));
    edit.removeSelected();
    database.replace(edit.header(), edit.entries());
    saveDatabase(database);
    return kExitOk;
}

int dbPast(const Args& a) {
    if (a.size() != 3) throw UsageError{"db past takes FILE.dat, TICKETS.qvt and INDEX"};
    const DrawDatabase database = loadDatabase(a[0]);
    const TicketFile tickets = loadTickets(a[1]);
    const std::size_t index = entryIndexArg(a[2], database);
    TerminalProgress progress;
    const PastPerformance result =
        checkPastPerformance(database.entries(), tickets.tickets, index, &progress);
    std::cout << pastPerformanceText(result);
    return kExitOk;
}

}  // namespace

CommandList databaseCommands() {
    return {
        {"db",
         "create",
         {"db create FILE [--description TEXT] [--lotto N] [--ticket K] [--link URL] [--force]"},
         dbCreate},
        {"db", "info", {"db info FILE"}, dbInfo},
        {"db", "list", {"db list FILE", "db list FILE.dat --tickets FILE.qvt"}, dbList},
        {"db", "add", {"db add FILE M/D/YYYY N1 [N2 ...] [+ B1 [B2 [B3]]]"}, dbAdd},
        {"db", "sort", {"db sort FILE"}, dbSort},
        {"db",
         "import",
         {"db import FILE TEXTFILE", "db import FILE TEXTFILE --preview"},
         dbImport},
        {"db",
         "paste",
         {"db paste FILE [TEXTFILE | -]", "db paste FILE [TEXTFILE | -] --preview"},
         dbPaste},
        {"db", "set", {"db set FILE INDEX N1 [N2 ...] [+ B1 [B2 [B3]]]"}, dbSet},
        {"db", "delete", {"db delete FILE INDEX"}, dbDelete},
        {"db", "past", {"db past FILE.dat TICKETS.qvt INDEX"}, dbPast},
    };
}

}  // namespace qv::cli
