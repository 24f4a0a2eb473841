#pragma once
// What the main frame does with the open documents at exit.

class QWidget;

namespace qv::gui {

class ApplicationState;

// Offers each modified open document for saving through its window, the database first
// ("Save database file before exit ?"), and remembers where the windows stand. False when a
// save the user wanted did not happen: the program stays open so the user can act.
bool offerSavesAtExit(ApplicationState& state, QWidget* parent);

}  // namespace qv::gui
