#include "gui/entry/entry_commands.h"

#include <QPointer>
#include <QWidget>

#include "core/app/commands.h"
#include "gui/common/application_state.h"
#include "gui/database/database_dialog.h"
#include "gui/entry/enter_winners_dialog.h"
#include "gui/entry/modify_entries_dialog.h"
#include "gui/entry/past_performance_dialog.h"

namespace qv::gui {

void installEntryCommands(ApplicationState& state, QWidget* frame,
                          const std::function<void(int, std::function<void()>)>& setHandler) {
    setHandler(qv::cmd::kEnterNewWinners, [&state, frame] { enterWinnersCommand(state, frame); });

    // The database window announces itself through the state; each window is connected once.
    auto connected = std::make_shared<QPointer<DataBaseDialog>>();
    QObject::connect(&state, &ApplicationState::databaseChanged, frame, [&state, connected] {
        DataBaseDialog* window = openDatabaseDialog(state);
        if (!window || *connected == window) return;
        *connected = window;
        QObject::connect(window, &DataBaseDialog::modifyNumbersRequested, window,
                         [window] { modifyEntriesCommand(*window); });
        QObject::connect(
            window, &DataBaseDialog::entryDoubleClicked, window,
            [&state, window](int entry) { showPastPerformance(state, *window, entry); });
    });
}

}  // namespace qv::gui
