#pragma once
// A window's commands as a table: each control or menu id with the member function it runs.

#include <initializer_list>

namespace qv::gui {

template <class Window>
struct CommandRow {
    int id;
    void (Window::*run)();
};

// Runs the function the table gives for `id`; false when the id is not in it.
template <class Window>
bool runCommandRow(Window& window, std::initializer_list<CommandRow<Window>> table, int id) {
    for (const CommandRow<Window>& row : table) {
        if (row.id == id) {
            (window.*row.run)();
            return true;
        }
    }
    return false;
}

}  // namespace qv::gui
