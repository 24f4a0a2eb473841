#pragma once
// The main frame's My Numbers commands: "&Create a List..." (170), "&Select a List..." (171)
// and "&Edit Current List..." (172), and the list of the last session loaded at start.

#include <QString>
#include <functional>

class QWidget;

namespace qv::gui {

class ApplicationState;

// Loads a list file as the current list; false (the list no longer selected) when it cannot
// be read. The settings remember it for the next start.
bool selectNumberList(ApplicationState& state, const QString& path);
void createNumberList(ApplicationState& state, QWidget* parent);
void chooseNumberList(ApplicationState& state, QWidget* parent);
void editNumberList(ApplicationState& state, QWidget* parent);

// Registers the three commands and loads the list the settings name, if they use one.
using ListCommandRegistrar = std::function<void(int commandId, std::function<void()> handler)>;
void installListCommands(ApplicationState& state, QWidget* parent,
                         const ListCommandRegistrar& setHandler);

}  // namespace qv::gui
