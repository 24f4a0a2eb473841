#pragma once
// The main frame's ticket commands: "Use &Wheeling Table..." (101), "Enter Tickets
// &Manually..." (103), and opening a ticket file by name (106, the tool bar and the last
// ticket file of the settings).

#include <QString>
#include <functional>

#include "core/util/io_result.h"

class QWidget;

namespace qv::gui {

class ApplicationState;
class TicketFileDialog;

// Opens a ticket file as the menu does, in the dialog of its kind, registered with the
// application and shown; the name is remembered as the last ticket file. Returns nullptr when
// a ticket file is open already, or when the file cannot be read (then the remembered name is
// cleared and `outcome` says why).
TicketFileDialog* openTicketFileWindow(ApplicationState& state, QWidget* parent,
                                       const QString& path, qv::IoResult* outcome = nullptr);

// "Use &Wheeling Table...": pick a wheel (or take `wheelPath`, a wheeling table named on the
// command line), choose its numbers, show the new wheel ticket file. nullptr when the user
// cancelled.
TicketFileDialog* useWheelingTable(ApplicationState& state, QWidget* parent,
                                   const QString& wheelPath = QString());
// "Enter Tickets &Manually...": a new manual ticket file, starting with the ticket grid.
TicketFileDialog* enterTicketsManually(ApplicationState& state, QWidget* parent);

using TicketCommandRegistrar = std::function<void(int commandId, std::function<void()> handler)>;
void installTicketCommands(ApplicationState& state, QWidget* parent,
                           const TicketCommandRegistrar& setHandler);

}  // namespace qv::gui
