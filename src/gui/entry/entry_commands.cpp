#include "gui/entry/entry_commands.h"

#include <QWidget>

#include "core/app/commands.h"
#include "gui/common/application_state.h"
#include "gui/entry/enter_winners_dialog.h"
#include "gui/entry/modify_entries_dialog.h"
#include "gui/entry/past_performance_dialog.h"

namespace qv::gui {

void installEntryCommands(ApplicationState& state, QWidget* frame,
                          const std::function<void(int, std::function<void()>)>& setHandler) {
    setHandler(qv::cmd::kEnterNewWinners, [&state, frame] { enterWinnersCommand(state, frame); });

    // The database window asks through the state.
    QObject::connect(&state, &ApplicationState::modifyEntriesRequested, frame,
                     [&state](QWidget* window) { modifyEntriesCommand(state, window); });
    QObject::connect(
        &state, &ApplicationState::pastPerformanceRequested, frame,
        [&state](QWidget* window, int entry) { showPastPerformance(state, window, entry); });
}

}  // namespace qv::gui
