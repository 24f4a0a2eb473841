#pragma once
// Which files the program opens at start: the files named on the command line, or in their
// place the ones of the last session.

#include <string>
#include <vector>

namespace qv {

struct StartupFiles {
    // Empty where nothing of the kind is to be opened.
    std::string database;
    std::string ticketFile;
    std::string wheelingTable;
    // The file is the last session's, to be forgotten when it no longer opens.
    bool databaseFromLastSession = false;
    bool ticketFileFromLastSession = false;
};

// The first database, the first ticket file (known by its name or, whatever its name, by its
// signature) and the first wheeling table among `commandLine`; names of other kinds are
// passed over. A kind not named takes the last session's file, except that a named wheeling
// table keeps the last ticket file closed (it is there to make a new one). A wheeling table
// named beside a ticket file is not used.
StartupFiles chooseStartupFiles(const std::vector<std::string>& commandLine,
                                const std::string& lastDatabase,
                                const std::string& lastTicketFile);

}  // namespace qv
