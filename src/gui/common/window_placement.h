#pragma once
// Where the database and ticket windows go on the desktop.

#include <QPoint>
#include <QRect>

class QWidget;

namespace qv::gui {

// The desktop area of the screen the window's parent (or the window) is on.
QRect availableDesktopFor(const QWidget* window);
// Moves the window's outer corner to `topLeft`, kept where its title bar can be reached, and
// makes it shorter rather than let the window manager push it up over the main window.
// `frameAllowance` is what a caption and borders add to the inside.
void placeWindowAt(QWidget* window, const QPoint& topLeft, int frameAllowance);

}  // namespace qv::gui
