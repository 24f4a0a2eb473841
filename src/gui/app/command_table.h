#pragma once
// The main window's menus and tool bar as tables: a new menu command is one row of
// kMenuCommands, and the frame builds its actions, menus and tool bar from the rows.

#include <QHash>
#include <QString>
#include <functional>
#include <span>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace qv::gui {

class TButtonMenuGadget;

// A menu command. `menu` is the path of the menu it stands in, submenus after a '/'; a
// submenu takes its place where its first row is. A row without an id is a separator.
struct MenuCommand {
    int id;
    const char* menu;
    const char* text;
    const char* tip;
    bool checkable = false;
};

// A tool-bar button with its glyph and hint. A button with a `popup` shows the commands of
// that menu instead of running one; a row without an id is a divider.
struct ToolButton {
    int id;
    int glyph;
    const char* hint;
    const char* popup = nullptr;
};

std::span<const MenuCommand> menuCommands();
std::span<const ToolButton> toolButtons();
// Whether `commandId` has a row in either table.
bool isKnownCommand(int commandId);

// What the frame keeps of the built menus and tool bar.
struct CommandBars {
    QHash<int, QAction*> actions;
    QHash<int, TButtonMenuGadget*> menuGadgets;
    QToolBar* toolBar = nullptr;
    // The wallpaper choices again, for a right click on the desktop.
    QMenu* desktopMenu = nullptr;
};

// Builds the actions, the menu bar and the tool bar of `frame` from the tables. Every action
// runs `run` with its id; every menu calls `aboutToShow` before it opens.
CommandBars buildCommandBars(QMainWindow* frame, const std::function<void(int)>& run,
                             const std::function<void()>& aboutToShow);

}  // namespace qv::gui
