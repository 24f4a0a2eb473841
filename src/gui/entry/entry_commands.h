#pragma once
// The main frame's draw-entry command, "&Enter New..." (150, and 16668 from the tool bar),
// and the database window's "&Modify Numbers" and double click (past performance).

#include <functional>

class QWidget;

namespace qv::gui {

class ApplicationState;

// Hands command 150 to `setHandler` (command id, handler), and answers the database window's
// requests for the entry editor and the past performance.
void installEntryCommands(ApplicationState& state, QWidget* frame,
                          const std::function<void(int, std::function<void()>)>& setHandler);

}  // namespace qv::gui
