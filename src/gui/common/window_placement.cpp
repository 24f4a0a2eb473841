#include "gui/common/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "core/view/placement.h"

namespace qv::gui {

QRect availableDesktopFor(const QWidget* window) {
    QScreen* screen = window->parentWidget() ? window->parentWidget()->screen() : window->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

void placeWindowAt(QWidget* window, const QPoint& topLeft, int frameAllowance) {
    const QRect desktop = availableDesktopFor(window);
    const qv::Point at = qv::keepTitleBarReachable(
        qv::Point{topLeft.x(), topLeft.y()}, window->width(),
        qv::Rect{desktop.left(), desktop.top(), desktop.left() + desktop.width(),
                 desktop.top() + desktop.height()});
    const int room = desktop.y() + desktop.height() - at.y - frameAllowance;
    if (room < window->height())
        window->resize(window->width(), std::max(window->minimumHeight(), room));
    window->move(at.x, at.y);
}

}  // namespace qv::gui
