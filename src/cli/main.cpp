// quorvantile-cli: the draw database and ticket file operations of the program, for scripts
// and batch work. Its output is a contract: scripts rely on every line exactly as printed.
// Exit status: 0 done, 1 a file could not be read or written, 2 the command line is wrong.

#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_support.h"
#include "cli/command_table.h"

using namespace qv::cli;

namespace {

CommandTable commands() {
    return CommandTable({databaseCommands(), ticketCommands(), statisticsCommands(),
                         wheelTicketCommands(), wheelImportCommands(), wheelGenerateCommands(), pickCommands(),
                         listCommands()});
}

// A report that never reached its reader must not end in success (a full disk, a closed
// standard output).
bool outputWritten() {
    std::cout.flush();
    const bool streamOk = static_cast<bool>(std::cout);
    const bool flushed = std::fflush(stdout) == 0;
    return streamOk && flushed && std::ferror(stdout) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const CommandTable table = commands();
    try {
        const int status = table.run(args);
        if (!outputWritten()) {
            std::cerr << "quorvantile-cli: the output could not be written\n";
            return kExitFile;
        }
        return status;
    } catch (const UsageError& e) {
        if (!e.message.empty()) std::cerr << "quorvantile-cli: " << e.message << "\n";
        std::cerr << table.usage();
        return kExitUsage;
    } catch (const FileError& e) {
        std::cerr << e.message << "\n";
        return kExitFile;
    } catch (const std::exception& e) {
        std::cerr << "quorvantile-cli: " << e.what() << "\n";
        return kExitFile;
    }
}
