#pragma once
// Background pictures of the database, ticket and statistics windows: read from their file
// and lightened by the fade level, then tiled behind the window's contents.

#include <QImage>
#include <QRect>
#include <QString>

class QPainter;

namespace qv::gui {

// Reads the picture at `path` and fades its colour table by `level` percent. A picture
// without a colour table (true colour) comes back unfaded; a missing, unreadable or
// non-picture file gives a null image. Always call it again from the file for a new level:
// fading an already faded picture would lighten it twice.
QImage loadFadedBitmap(const QString& path, int level);

// Covers `area` with full-size copies of `picture`, row by row from the area's top-left
// corner; nothing is painted outside `area`. A null picture paints nothing.
void paintTiled(QPainter& painter, const QImage& picture, const QRect& area);

}  // namespace qv::gui
