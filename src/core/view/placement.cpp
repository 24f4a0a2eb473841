#include "core/view/placement.h"

#include <algorithm>

namespace qv {

Rect defaultMainRect(const Rect& desktop) {
    // Three quarters of the area each way, never below 602 x 476 nor above the area itself.
    const int w = std::min(std::max(desktop.width() * 3 / 4, 602), std::max(desktop.width(), 0));
    const int h = std::min(std::max(desktop.height() * 3 / 4, 476), std::max(desktop.height(), 0));
    const int left = desktop.left + (desktop.width() - w) / 2;
    const int top = desktop.top + (desktop.height() - h) / 2;
    return Rect{left, top, left + w, top + h};
}

Rect initialMainRect(const Settings& settings, const Rect& desktop) {
    const Rect& r = settings.mainRect;
    if (settings.mainRectRead && r.width() > 0 && r.height() > 0) return r;
    return defaultMainRect(desktop);
}

WallpaperLayout wallpaperLayout(int orientation) {
    switch (orientation) {
        case 0:
            return WallpaperLayout::Stretched;
        case 2:
            return WallpaperLayout::Centered;
        default:
            return WallpaperLayout::Tiled;
    }
}

Point centredPosition(int areaWidth, int areaHeight, int pictureWidth, int pictureHeight) {
    return Point{areaWidth / 2 - pictureWidth / 2, areaHeight / 2 - pictureHeight / 2};
}

std::vector<Point> tilePositions(int areaWidth, int areaHeight, int pictureWidth,
                                 int pictureHeight) {
    std::vector<Point> tiles;
    // A zero-sized picture would never advance.
    if (pictureWidth <= 0 || pictureHeight <= 0) return tiles;
    for (int y = 0; y < areaHeight; y += pictureHeight) {
        for (int x = 0; x < areaWidth; x += pictureWidth) tiles.push_back(Point{x, y});
    }
    return tiles;
}

Point keepTitleBarReachable(Point topLeft, int windowWidth, const Rect& desktop, int grip) {
    grip = std::max(1, std::min(grip, std::max(1, windowWidth)));
    const int titleHeight = 30;
    Point p = topLeft;
    p.x = std::clamp(p.x, desktop.left + grip - windowWidth,
                     std::max(desktop.left, desktop.right - grip));
    p.y = std::clamp(p.y, desktop.top, std::max(desktop.top, desktop.bottom - titleHeight));
    return p;
}

}  // namespace qv
