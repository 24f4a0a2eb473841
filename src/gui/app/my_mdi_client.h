#pragma once
// The frame's MDI area, painting the built-in desktop picture behind the child windows.

#include <QImage>
#include <QMdiArea>
#include <QPixmap>

class QMenu;

namespace qv::gui {

class TMyMDIClient : public QMdiArea {
    Q_OBJECT
public:
    explicit TMyMDIClient(QWidget* parent = nullptr);

    // Loaded from the built-in picture at construction.
    void setWallpaper(const QImage& image);
    QImage wallpaper() const { return wallpaper_; }
    // 0 stretched, 1 tiled, 2 centred; any other value tiles.
    void setOrientation(int orientation);
    int orientation() const { return orientation_; }
    // Shown on a right click on the empty desktop.
    void setDesktopMenu(QMenu* menu) { desktopMenu_ = menu; }
    QMenu* desktopMenu() const { return desktopMenu_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QImage wallpaper_;
    QPixmap pixmap_;
    int orientation_ = 0;
    QMenu* desktopMenu_ = nullptr;
};

}  // namespace qv::gui
