#pragma once
// The main frame's statistics commands: Options > Statistics (108) and the six windows of
// the Statistics menu (204, 109, 110, 118, 111, 112).

#include <functional>

#include "core/app/commands.h"

class QMdiArea;

namespace qv {
class ProgressReporter;
}

namespace qv::gui {

class ApplicationState;
class StatWindow;

// Opens the statistics window of `kind` in `area`, placed by the rule for new statistics
// windows. The triples count reports to `progress`, or to a progress dialog when it is
// nullptr. The new window comes to the front. When a window of that kind is open already,
// it comes to the front instead and is returned. Returns nullptr when no database is open.
StatWindow* openStatisticsWindow(ApplicationState& state, QMdiArea* area, qv::StatisticsKind kind,
                                 qv::ProgressReporter* progress = nullptr);

// Hands the seven commands to `setHandler` (command id, handler). `showHelp` opens the
// manual for the statistics options dialog's Help button.
using CommandRegistrar = std::function<void(int commandId, std::function<void()> handler)>;
void installStatisticsCommands(ApplicationState& state, QMdiArea* area,
                               const CommandRegistrar& setHandler,
                               std::function<void()> showHelp = {});

}  // namespace qv::gui
