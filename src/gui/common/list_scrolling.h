#pragma once
// Keyboard and mouse-wheel scrolling of the program's lists of draws and tickets, which keep
// their own scroll bars.

class QKeyEvent;
class QScrollBar;
class QWheelEvent;

namespace qv::gui {

// Up, Down, Page Up, Page Down, Home and End move `vertical`; Left and Right move
// `horizontal`. False for any other key, which the caller passes on.
bool scrollListByKey(const QKeyEvent* event, QScrollBar* vertical, QScrollBar* horizontal);
// Three lines a notch, as list boxes scroll; with Shift, or a sideways wheel, across.
void scrollListByWheel(const QWheelEvent* event, QScrollBar* vertical, QScrollBar* horizontal);

}  // namespace qv::gui
