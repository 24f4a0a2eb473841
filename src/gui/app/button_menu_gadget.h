#pragma once
// A tool-bar button that opens a popup menu instead of running a command.

#include <QToolButton>

class QAction;
class QMenu;

namespace qv::gui {

class TButtonMenuGadget : public QToolButton {
    Q_OBJECT
public:
    // `action` gives the glyph and hints; pressing the button pops `menu` up with its
    // top-left corner at the button's bottom-left corner, the button held down meanwhile.
    TButtonMenuGadget(int commandId, QAction* action, QMenu* menu, QWidget* parent = nullptr);

    int commandId() const { return commandId_; }
    QMenu* popupMenu() const { return menu(); }
    // Where the popup's top-left corner goes, in global coordinates.
    QPoint popupPosition() const;

private:
    int commandId_;
};

}  // namespace qv::gui
