#pragma once
// The program's own command-line options, handled before any window exists: --help, and
// batch printing to a PDF file without showing a window.

#include <optional>

namespace qv::gui {

// The exit status when the command line asked for --help or a batch print (done by now),
// or nullopt when the program should start its windows.
std::optional<int> runBatchCommand(int argc, char** argv);

}  // namespace qv::gui
