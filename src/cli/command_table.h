#pragma once
// The commands of quorvantile-cli. Each group of commands lives in a file of its own that
// returns its list; the table is the lists in the order the usage shows them, so a new group
// is one more file and one more list.

#include <string>
#include <vector>

#include "cli/cli_support.h"

namespace qv::cli {

// Runs a command on the arguments after its name; returns the exit status.
using Handler = int (*)(const Args& args);

struct Command {
    std::string group;  // the first word: "db", "tickets"
    std::string name;   // the second word; empty when the group word is the whole command
    // The usage lines without the program name: the basic form first, then any further
    // forms (another option, another way to call it).
    std::vector<std::string> usage;
    Handler run = nullptr;
};

using CommandList = std::vector<Command>;

// The groups, one file each.
CommandList databaseCommands();     // db ...
CommandList ticketCommands();       // describe, tickets ...
CommandList statisticsCommands();   // stats ...
CommandList wheelTicketCommands();  // wheel rows, wheel profile, wheel apply
CommandList wheelImportCommands();  // wheel import, wheel check
CommandList wheelGenerateCommands();  // wheel bound, wheel generate
CommandList pickCommands();         // pick hot|cold
CommandList listCommands();         // list ...

class CommandTable {
public:
    explicit CommandTable(std::vector<CommandList> lists);

    // The command `args` names, run on the rest of `args`. Throws UsageError when no command
    // is named: without a message when the group is missing or unknown, "unknown command: ..."
    // when the group is known but the command is not.
    int run(const Args& args) const;

    // "usage:" and one line per form. Within each list the basic forms come in order, then
    // the further forms in the same order.
    std::string usage() const;

private:
    const Command* find(const std::string& group, const std::string* name) const;

    std::vector<CommandList> lists_;
};

}  // namespace qv::cli
