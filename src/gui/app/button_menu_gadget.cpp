#include "gui/app/button_menu_gadget.h"

#include <QAction>
#include <QMenu>

namespace qv::gui {

TButtonMenuGadget::TButtonMenuGadget(int commandId, QAction* action, QMenu* menu, QWidget* parent)
    : QToolButton(parent), commandId_(commandId) {
    setDefaultAction(action);
    setMenu(menu);
    // Instant popup opens below the button, left edges aligned, and holds it down.
    setPopupMode(QToolButton::InstantPopup);
    setAutoRaise(true);
}

QPoint TButtonMenuGadget::popupPosition() const {
    return mapToGlobal(rect().bottomLeft());
}

}  // namespace qv::gui
