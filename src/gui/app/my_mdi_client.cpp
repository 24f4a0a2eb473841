#include "gui/app/my_mdi_client.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>

#include "core/util/paths.h"
#include "core/view/placement.h"

namespace qv::gui {

namespace {
// The wallpaper's own ground colour, so a centred picture sits on a matching desktop.
const QColor kDesktopColour(22, 38, 54);
}  // namespace

TMyMDIClient::TMyMDIClient(QWidget* parent) : QMdiArea(parent) {
    setBackground(kDesktopColour);
    setWallpaper(QImage(QStringLiteral(":/app/images/wallpaper_999.png")));
}

void TMyMDIClient::setWallpaper(const QImage& image) {
    wallpaper_ = image;
    pixmap_ = QPixmap::fromImage(image);
    viewport()->update();
}

void TMyMDIClient::setOrientation(int orientation) {
    orientation_ = orientation;
    viewport()->update();
}

void TMyMDIClient::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.fillRect(event->rect(), background());
    if (pixmap_.isNull()) return;

    const int w = viewport()->width();
    const int h = viewport()->height();
    switch (qv::wallpaperLayout(orientation_)) {
        case qv::WallpaperLayout::Stretched:
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawPixmap(QRect(0, 0, w, h), pixmap_);
            break;
        case qv::WallpaperLayout::Centered: {
            const qv::Point at = qv::centredPosition(w, h, pixmap_.width(), pixmap_.height());
            painter.drawPixmap(at.x, at.y, pixmap_);
            break;
        }
        case qv::WallpaperLayout::Tiled:
            for (const qv::Point& at : qv::tilePositions(w, h, pixmap_.width(), pixmap_.height())) {
                const QRect tile(at.x, at.y, pixmap_.width(), pixmap_.height());
                if (tile.intersects(event->rect())) painter.drawPixmap(tile.topLeft(), pixmap_);
            }
            break;
    }
}

void TMyMDIClient::contextMenuEvent(QContextMenuEvent* event) {
    // Child windows keep their own menus; only the bare desktop offers this one.
    const QPoint inViewport = viewport()->mapFromGlobal(event->globalPos());
    if (!desktopMenu_ || viewport()->childAt(inViewport)) {
        event->ignore();
        return;
    }
    desktopMenu_->popup(event->globalPos());
    event->accept();
}

}  // namespace qv::gui
