#include "gui/common/list_scrolling.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>

namespace qv::gui {

bool scrollListByKey(const QKeyEvent* event, QScrollBar* vertical, QScrollBar* horizontal) {
    switch (event->key()) {
        case Qt::Key_Up:
            vertical->setValue(vertical->value() - 1);
            return true;
        case Qt::Key_Down:
            vertical->setValue(vertical->value() + 1);
            return true;
        case Qt::Key_PageUp:
            vertical->setValue(vertical->value() - vertical->pageStep());
            return true;
        case Qt::Key_PageDown:
            vertical->setValue(vertical->value() + vertical->pageStep());
            return true;
        case Qt::Key_Home:
            vertical->setValue(vertical->minimum());
            return true;
        case Qt::Key_End:
            vertical->setValue(vertical->maximum());
            return true;
        case Qt::Key_Left:
            horizontal->setValue(horizontal->value() - 1);
            return true;
        case Qt::Key_Right:
            horizontal->setValue(horizontal->value() + 1);
            return true;
        default:
            return false;
    }
}

void scrollListByWheel(const QWheelEvent* event, QScrollBar* vertical, QScrollBar* horizontal) {
    const QPoint steps = event->angleDelta() / 40;
    if (steps.y() != 0 && !(event->modifiers() & Qt::ShiftModifier)) {
        vertical->setValue(vertical->value() - steps.y());
    } else if (steps.x() != 0 || steps.y() != 0) {
        horizontal->setValue(horizontal->value() - (steps.x() ? steps.x() : steps.y()));
    }
}

}  // namespace qv::gui
