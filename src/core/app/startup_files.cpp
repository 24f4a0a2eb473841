#include "core/app/startup_files.h"

#include "core/tickets/ticket_file.h"
#include "core/util/paths.h"

namespace qv {

StartupFiles chooseStartupFiles(const std::vector<std::string>& commandLine,
                                const std::string& lastDatabase,
                                const std::string& lastTicketFile) {
    StartupFiles files;
    for (const std::string& name : commandLine) {
        FileKind kind = fileKindForName(name);
        if (kind == FileKind::Other && hasTicketFileSignature(name)) kind = FileKind::TicketFile;
        std::string* slot = nullptr;
        switch (kind) {
            case FileKind::Database:
                slot = &files.database;
                break;
            case FileKind::TicketFile:
                slot = &files.ticketFile;
                break;
            case FileKind::WheelingTable:
                slot = &files.wheelingTable;
                break;
            case FileKind::Other:
                break;
        }
        if (slot && slot->empty()) *slot = name;
    }
    if (files.database.empty() && !lastDatabase.empty()) {
        files.database = lastDatabase;
        files.databaseFromLastSession = true;
    }
    if (!files.ticketFile.empty()) {
        files.wheelingTable.clear();
    } else if (files.wheelingTable.empty() && !lastTicketFile.empty()) {
        files.ticketFile = lastTicketFile;
        files.ticketFileFromLastSession = true;
    }
    return files;
}

}  // namespace qv
