#include "gui/common/faded_bitmap.h"

#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <vector>

#include "core/options/fade.h"
#include "core/util/paths.h"
#include "core/view/placement.h"

namespace qv::gui {

QImage loadFadedBitmap(const QString& path, int level) {
    if (path.isEmpty()) return {};
    QImageReader reader(path);
    // The pictures are tiled as stored; a rotation tag must not change that.
    reader.setAutoTransform(false);
    QImage image = reader.read();
    if (image.isNull() || image.colorCount() == 0) return image;

    const QList<QRgb> table = image.colorTable();
    std::vector<std::uint32_t> colours(table.cbegin(), table.cend());
    qv::fadeColorTable(colours, level);
    image.setColorTable(QList<QRgb>(colours.cbegin(), colours.cend()));
    return image;
}

void paintTiled(QPainter& painter, const QImage& picture, const QRect& area) {
    if (picture.isNull() || area.isEmpty()) return;
    // One conversion for all the tiles rather than one per tile.
    const QPixmap tile = QPixmap::fromImage(picture);
    const QRect visible =
        painter.hasClipping() ? painter.clipBoundingRect().toAlignedRect() & area : area;
    painter.save();
    // The last row and column are cut at the area's edge rather than spilling past it.
    painter.setClipRect(area, Qt::IntersectClip);
    for (const qv::Point& at :
         qv::tilePositions(area.width(), area.height(), tile.width(), tile.height())) {
        const QRect target(area.left() + at.x, area.top() + at.y, tile.width(), tile.height());
        if (target.intersects(visible)) painter.drawPixmap(target.topLeft(), tile);
    }
    painter.restore();
}

}  // namespace qv::gui
