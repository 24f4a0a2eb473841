#pragma once
// Where the main frame goes and how the desktop picture is laid out.

#include <vector>

#include "core/options/settings.h"

namespace qv {

// 602 x 476 centred on the desktop rectangle, halves truncated.
Rect defaultMainRect(const Rect& desktop);
// The rectangle the frame is placed at: the one read from the settings, or the default when
// none was read or the one read is empty or inverted.
Rect initialMainRect(const Settings& settings, const Rect& desktop);

// Desktop wallpaper layout by the orientation setting; any unknown value tiles.
enum class WallpaperLayout { Stretched = 0, Tiled = 1, Centered = 2 };
WallpaperLayout wallpaperLayout(int orientation);

// Top-left corner of a centred picture (halves truncated toward zero); negative when the
// picture is larger than the area.
Point centredPosition(int areaWidth, int areaHeight, int pictureWidth, int pictureHeight);
// Top-left corners of the tiles covering the area, row by row from (0, 0). An empty
// picture gives no tiles.
std::vector<Point> tilePositions(int areaWidth, int areaHeight, int pictureWidth,
                                 int pictureHeight);

// A window's top-left corner moved just enough that its title bar can be reached on the
// desktop: its top inside the desktop, and at least `grip` pixels of its width across.
Point keepTitleBarReachable(Point topLeft, int windowWidth, const Rect& desktop, int grip = 100);

}  // namespace qv
