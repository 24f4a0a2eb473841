#pragma once
// The program's settings file "quorvan.ini": 22 lines in a fixed order, each an 18-character
// label followed by its value, read by position at start-up and written at exit. The prize
// tables the user has edited follow, one line each in the same style.

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "core/records/limits.h"
#include "core/tickets/odds.h"
#include "core/util/geometry.h"
#include "core/util/io_result.h"

namespace qv {

// A wallpaper: the picture's path and how much it is lightened (0..100 percent).
struct DeskTopType {
    static constexpr std::size_t kPathChars = kMaxPathChars;
    std::string path;
    std::int16_t fade = 0;
    friend bool operator==(const DeskTopType&, const DeskTopType&) = default;
};

struct WaveFileSetting {
    std::string path;
    bool enabled = true;
    friend bool operator==(const WaveFileSetting&, const WaveFileSetting&) = default;
};

// Sound effects on or off and the three score wave files: 0 for great scores (5 or more),
// 1 for medium scores (4), 2 for lower scores (3).
struct SoundSettings {
    bool effectsOn = true;
    std::array<WaveFileSetting, 3> waveFiles{WaveFileSetting{".\\great.wav", true},
                                             WaveFileSetting{".\\good.wav", true},
                                             WaveFileSetting{".\\good.wav", true}};
    friend bool operator==(const SoundSettings&, const SoundSettings&) = default;
};

struct Settings {
    static constexpr const char* kFileName = "quorvan.ini";
    static constexpr std::size_t kPathChars = kMaxPathChars;
    static constexpr std::size_t kFontChars = 254;

    // Lines 1 and 2. When no settings file gave them, the caller centres 602 x 476 on the
    // desktop; `mainRectRead` tells whether they were read.
    Rect mainRect;
    bool mainRectRead = false;
    SoundSettings sound;                                   // lines 3, 16..18
    int wallpaperOrientation = 0;                          // line 4: 0 stretch, 1 tile, 2 centre
    DeskTopType mainWallpaper{"\".\\qvtbg.bmp\"", 0};      // lines 5, 6
    DeskTopType statisticsWallpaper{".\\ticket.bmp", 40};  // lines 7, 8
    std::string statisticsFont = "Arial";                  // line 9
    int statisticsPointSize = 12;                          // line 10
    int statisticsWeight = 0;                              // line 11
    Point ticketWindowPos{0, 40};                          // line 12
    bool ticketWindowPosRead = false;    // line 12 was read: the user has placed the window
    Point databaseWindowPos{320, 40};    // line 13
    bool databaseWindowPosRead = false;  // line 13 was read: the user has placed the window
    DeskTopType databaseBackground{".\\qvtbg.bmp", 0};  // line 14
    DeskTopType ticketBackground{".\\qvtbg.bmp", 0};    // line 15
    std::string lastDatabase;                           // line 19
    std::string lastTicketFile;                         // line 20
    bool usingNumberList = false;                       // line 21
    std::string lastNumberList;                         // line 22, only taken when line 21 is set
    // After line 22, "Prizes L/P      : <price> <prize for P> <for (P-1)+B> ... <for 0>" for
    // each game whose prizes the user has set, keyed by (L, P).
    std::map<std::pair<int, int>, PrizeTable> prizeTables;

    friend bool operator==(const Settings&, const Settings&) = default;
};

// The prize table of the game of L numbers and P on a ticket: the user's, else the default.
PrizeTable prizeTableFor(const Settings& settings, int lotto, int perTicket);

// Reads settings text over the defaults in `settings`; lines are read by position and a
// missing or short line keeps the defaults from there on.
Settings parseSettings(std::string_view text);
// The 22 lines exactly as written at exit.
std::string formatSettings(const Settings& settings);

// Reads the file at `path`. A file that cannot be read gives the defaults (CannotOpen); one
// with fewer than its 22 lines gives what they hold and the defaults for the rest (Damaged).
Result<Settings> readSettingsFile(const std::string& path);
// Writes atomically.
IoResult writeSettingsFile(const std::string& path, const Settings& settings);

// Where the settings file lives: the program directory when it is writable (a portable copy),
// otherwise the user's configuration directory. Both reading and writing use this place.
std::string settingsFilePath(const std::string& programDir, const std::string& userConfigDir);

}  // namespace qv
