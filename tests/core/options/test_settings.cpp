#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/options/settings.h"
#include "core/util/file_io.h"
#include "test_support.h"

using namespace qv;

namespace {

// The defaults as the program writes them.
const std::vector<std::string> kDefaultLines = {
    "Top, Left       : 0,0",
    "Bottom, Right   : 0,0",
    "Sound is        : 1",
    "Wallpaper Orient: 0",
    "Wallpaper BMP   : \".\\qvtbg.bmp\"",
    "Wallpaper Fade  : 0",
    "Statistics BMP  : .\\ticket.bmp",
    "Statistics Fade : 40",
    "Statistics Font : Arial",
    "Statistics Pt Sz: 12",
    "Statistics Wt   : 0",
    "TicketX, TicketY: 0,40",
    "DBaseX, DBaseY  : 320,40",
    "DBase BMP Fade  : .\\qvtbg.bmp 0",
    "File BMP Fade   : .\\qvtbg.bmp 0",
    "Wave File (0)   : .\\great.wav 1",
    "Wave File (1)   : .\\good.wav 1",
    "Wave File (2)   : .\\good.wav 1",
    "Last DataBase   : ",
    "Last Ticket File: ",
    "Using NumberList: 0",
    "Last NumberList : ",
};

std::string join(const std::vector<std::string>& lines, const char* end = "\n") {
    std::string s;
    for (const auto& l : lines) s += l + end;
    return s;
}

// The default file with some lines (numbered from 1) replaced, read back.
Settings parseWith(const std::map<int, std::string>& changes) {
    auto lines = kDefaultLines;
    for (const auto& [n, text] : changes) lines.at(n - 1) = text;
    return parseSettings(join(lines));
}

Settings sampleSettings() {
    Settings s;
    s.mainRect = Rect{-8, 12, 1930, 1090};
    s.mainRectRead = true;
    s.sound.effectsOn = false;
    s.sound.waveFiles = {WaveFileSetting{"/snd/great score.wav", false}, WaveFileSetting{"", true},
                         WaveFileSetting{"C:\\My Sounds\\three 3.wav", false}};
    s.wallpaperOrientation = 2;
    s.mainWallpaper = {"/home/ann/sea side.bmp", 100};
    s.statisticsWallpaper = {"", 0};
    s.statisticsFont = "DejaVu Sans Mono";
    s.statisticsPointSize = -2147483647 - 1;
    s.statisticsWeight = 2147483647;
    s.ticketWindowPos = {-100, 0};
    s.databaseWindowPos = {5000, -3};
    s.databaseWindowPosRead = true;  // as after reading a file
    s.ticketWindowPosRead = true;
    s.databaseBackground = {"/home/a b/c d.bmp", 100};
    s.ticketBackground = {"/tmp/Ünïcödé  two blanks.bmp", 55};
    s.lastDatabase = "/home/ann/lotto 6 49.dat";
    s.lastTicketFile = "/home/ann/t.qvt";
    s.usingNumberList = true;
    s.lastNumberList = "/home/ann/my favourites.lst";
    s.prizeTables[{49, 6}] = PrizeTable{2.5, {1e9, 125000.75, 2000, 90, 80, 10, 9.99, 5, 0.01, 0, 0, 0, 0}};
    s.prizeTables[{20, 4}] = PrizeTable{1, {1000, 50, 20, 3, 2, 0, 1, 0, 0}};
    return s;
}

}  // namespace

TEST(Settings, WriteAndReadBack) {
    EXPECT_EQ(formatSettings(Settings{}), join(kDefaultLines));

    Settings s = sampleSettings();
    std::string text = formatSettings(s);
    EXPECT_NE(text.find("\nDBase BMP Fade  : /home/a b/c d.bmp 100\n"), std::string::npos);
    EXPECT_NE(text.find("\nWave File (1)   :  1\n"), std::string::npos);
    EXPECT_EQ(parseSettings(text), s);
    std::vector<std::string> lines;
    for (std::size_t a = 0, b; (b = text.find('\n', a)) != std::string::npos; a = b + 1)
        lines.push_back(text.substr(a, b - a));
    EXPECT_EQ(parseSettings(join(lines, "\r\n")), s);
    EXPECT_EQ(parseSettings(join(lines, "\r")), s);
    text.pop_back();  // no line end after the last name: its last character stays
    EXPECT_EQ(parseSettings(text), s);

    auto dir = std::filesystem::temp_directory_path() / ("qv_settings_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    std::string path = (dir / "quorvan.ini").string();
    EXPECT_TRUE(writeSettingsFile(path, s).ok());
    const Result<Settings> read = readSettingsFile(path);
    EXPECT_TRUE(read.ok());
    EXPECT_EQ(*read, s);
    const Result<Settings> missing = readSettingsFile((dir / "missing.ini").string());
    EXPECT_EQ(missing.status, IoStatus::CannotOpen);
    EXPECT_EQ(missing.reason, "No such file or directory");
    EXPECT_EQ(*missing, Settings{});
    const IoResult unwritable = writeSettingsFile((dir / "no" / "quorvan.ini").string(), s);
    EXPECT_EQ(unwritable.status, IoStatus::CannotWrite);
    EXPECT_EQ(unwritable.reason, "No such file or directory");
    std::filesystem::remove_all(dir);
}

TEST(Settings, AFileCutShortIsReportedAndKeepsWhatItHolds) {
    Settings s;
    s.statisticsFont = "Courier";  // line 9
    s.usingNumberList = true;       // line 21
    s.lastNumberList = "mine.lst";  // line 22
    std::vector<std::string> lines;
    const std::string text = formatSettings(s);
    for (std::size_t a = 0, b; (b = text.find('\n', a)) != std::string::npos; a = b + 1)
        lines.push_back(text.substr(a, b - a));
    ASSERT_GE(lines.size(), 22u);
    lines.resize(22);
    test::TempDir dir;
    const std::string path = dir.file("quorvan.ini");
    struct Case {
        std::size_t keep;   // the first lines kept whole
        bool shortLine;     // then a line too short for its label
        IoStatus status;
        std::string font;
    };
    const Case cases[] = {
        {22, false, IoStatus::Ok, "Courier"},
        {21, false, IoStatus::Damaged, "Courier"},
        {21, true, IoStatus::Damaged, "Courier"},
        {9, false, IoStatus::Damaged, "Courier"},
        {8, true, IoStatus::Damaged, "Arial"},
        {0, false, IoStatus::Damaged, "Arial"},
    };
    for (const Case& c : cases) {
        std::string cut;
        for (std::size_t i = 0; i < c.keep; ++i) cut += lines[i] + "\n";
        if (c.shortLine) {
            cut += "short\n";
            if (c.keep + 1 < lines.size()) cut += lines[c.keep + 1] + "\n";
        }
        ASSERT_TRUE(writeFileAtomic(path, cut).ok());
        const Result<Settings> read = readSettingsFile(path);
        EXPECT_EQ(read.status, c.status) << c.keep;
        EXPECT_EQ(read->statisticsFont, c.font) << c.keep;
        EXPECT_EQ(read->lastNumberList, c.keep == 22 ? "mine.lst" : "") << c.keep;
        if (c.status == IoStatus::Damaged) {
            EXPECT_EQ(read.message, "Only " + std::to_string(c.keep) + " of the 22 lines of " +
                                        path + " could be read; the others keep their defaults.");
        }
    }
}

// A prize line is taken whole or not at all; the tables it does not name keep their defaults.
TEST(Settings, PrizeLinesFollowTheFixedLines) {
    const std::string good = "Prizes 20/4     : 1 1000 50 20 3 2 0 1 0 0";
    EXPECT_NE(formatSettings(sampleSettings()).find(
                  "\nPrizes 20/4     : 1 1000 50 20 3 2 0 1 0 0\nPrizes 49/6     : 2.5 1000000000 "
                  "125000.75 2000 90 80 10 9.99 5 0.01 0 0 0 0\n"),
              std::string::npos);
    const struct {
        std::string line;
        bool taken;
    } cases[] = {
        {good, true},
        {"Prizes 20/4     : 1 1000 50 20 3 2 0 1 0", false},        // a prize short
        {"Prizes 20/4     : 1 1000 50 20 3 2 0 1 0 0 7", false},    // one too many
        {"Prizes 20/4     : 1 1000 -50 20 3 2 0 1 0 0", false},     // negative
        {"Prizes 20/4     : 1 1000 nan 20 3 2 0 1 0 0", false},
        {"Prizes 20/4     : 1 1e13 50 20 3 2 0 1 0 0", false},      // beyond any prize
        {"Prizes 20/4     : 1 1000 50 20 3 2 0 1 0 x", false},
        {"Prizes 3/4      : 1 1000 50 20 3 2 0 1 0 0", false},      // a game that cannot be
        {"Prizes 20/11    : 1 1000 50 20 3 2 0 1 0 0", false},
        {"Prizes 20/4x    : 1 1000 50 20 3 2 0 1 0 0", false},
        {"Prizes 20/4    : 1 1000 50 20 3 2 0 1 0 0", false},       // label out of place
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const Settings s = parseSettings(join(kDefaultLines) + c.line + "\n");
        EXPECT_EQ(s.prizeTables.size(), c.taken ? 1u : 0u);
        EXPECT_EQ(prizeTableFor(s, 20, 4).prizes[0], c.taken ? 1000 : 0);
    }
    // Before line 23 a prize line is not one.
    EXPECT_TRUE(parseSettings(good + "\n").prizeTables.empty());
    EXPECT_EQ(prizeTableFor(Settings{}, 49, 6), defaultPrizeTable(49, 6));
}

TEST(Settings, ShortLineKeepsDefaultsFromThere) {
    Settings s = parseSettings(
        "Top, Left       : 10,20\nBottom, Right   : 30,40\n"
        "Sound is        : 0\n");
    Settings expected;
    expected.mainRect = Rect{20, 10, 40, 30};
    expected.mainRectRead = true;
    expected.sound.effectsOn = false;
    EXPECT_EQ(s, expected);

    s = parseWith({{6, "Wallpaper Fade  : 70"},
                   {7, "Statistics BMP "},
                   {8, "Statistics Fade : 90"},
                   {9, "Statistics Font : Courier"}});
    EXPECT_EQ(s.mainWallpaper.fade, 70);
    EXPECT_EQ(s.statisticsWallpaper, (DeskTopType{".\\ticket.bmp", 40}));
    EXPECT_EQ(s.statisticsFont, "Arial");
    EXPECT_EQ(s.statisticsPointSize, 12);
    // 17 characters are enough.
    EXPECT_EQ(parseWith({{5, "Wallpaper BMP   :"}}).mainWallpaper.path, "");
}

TEST(Settings, ValuesReadFromTheirLines) {
    // Names split at the last blank; a line that cannot be split keeps its defaults.
    Settings s = parseWith({{14, "DBase BMP Fade  : /home/a b/c d.bmp 100"},
                            {15, "File BMP Fade   : pic.bmp 250"},
                            {16, "Wave File (0)   : /snd/x y.wav 0   "},
                            {17, "Wave File (1)   : /snd/no-flag.wav"},
                            {18, "Wave File (2)   : C:\\My Sounds\\a.wav"}});
    EXPECT_EQ(s.databaseBackground, (DeskTopType{"/home/a b/c d.bmp", 100}));
    EXPECT_EQ(s.ticketBackground, (DeskTopType{"pic.bmp", 100}));
    EXPECT_EQ(s.sound.waveFiles[0], (WaveFileSetting{"/snd/x y.wav", false}));
    EXPECT_EQ(s.sound.waveFiles[1], Settings{}.sound.waveFiles[1]);
    EXPECT_EQ(s.sound.waveFiles[2], Settings{}.sound.waveFiles[2]);

    // Number lines check their label; text lines take what follows position 18.
    s = parseWith({{3, "Sound is        : 256"},
                   {4, "Wallpaper Orient:-1 and more"},
                   {8, "Statistics Fade : -5"},
                   {9, "Whatever It Says: Courier New"},
                   {10, "Statistics Pt  z: 30"},
                   {11, "Statistics Wt   : -99999999999"},
                   {12, "TicketX, TicketY: 9 ,9"},
                   {13, "DBaseX, DBaseY  : +11, -12"}});
    EXPECT_TRUE(s.sound.effectsOn);
    EXPECT_EQ(s.wallpaperOrientation, -1);
    EXPECT_EQ(s.statisticsWallpaper.fade, 0);
    EXPECT_EQ(s.statisticsFont, "Courier New");
    EXPECT_EQ(s.statisticsPointSize, 12);
    EXPECT_EQ(s.statisticsWeight, -2147483647 - 1);
    EXPECT_EQ(s.ticketWindowPos, (Point{0, 40}));
    EXPECT_EQ(s.databaseWindowPos, (Point{11, -12}));
    EXPECT_FALSE(parseWith({{2, "Bottom, Right   : 7"}}).mainRectRead);

    // Last files and the number list.
    s = parseWith({{19, "Last DataBase   : "},
                   {20, "Last Ticket File: x"},
                   {22, "Last NumberList : /fav.lst"}});
    EXPECT_EQ(s.lastDatabase, "");
    EXPECT_EQ(s.lastTicketFile, "");
    EXPECT_FALSE(s.usingNumberList);
    EXPECT_EQ(s.lastNumberList, "");
    s = parseWith({{21, "Using NumberList: 7"}, {22, "Last NumberList : /fav.lst"}});
    EXPECT_TRUE(s.usingNumberList);
    EXPECT_EQ(s.lastNumberList, "/fav.lst");
    EXPECT_FALSE(parseWith({{21, "Using NumberList: 1"}}).usingNumberList);
}

TEST(Settings, LongValuesAndLineBreaksStayOnTheirLines) {
    std::string longPath = "/" + std::string(400, 'p');
    std::string wide;
    for (int i = 0; i < 300; ++i) wide += "\xC3\xA9";  // clipped by characters, not bytes
    Settings s = parseWith({{5, "Wallpaper BMP   : " + longPath},
                            {7, "Statistics BMP  : " + wide},
                            {9, "Statistics Font : " + std::string(300, 'f')},
                            {14, "DBase BMP Fade  : " + longPath + " 30"}});
    EXPECT_EQ(s.mainWallpaper, (DeskTopType{longPath.substr(0, 259), 0}));
    EXPECT_EQ(s.statisticsWallpaper, (DeskTopType{wide.substr(0, 2 * 259), 40}));
    EXPECT_EQ(s.statisticsFont, std::string(254, 'f'));
    EXPECT_EQ(s.statisticsPointSize, 12);
    EXPECT_EQ(s.databaseBackground, (DeskTopType{longPath.substr(0, 259), 30}));

    s = Settings{};
    s.lastDatabase = "/tmp/a\nUsing NumberList: 1";
    s.statisticsFont = "Bad\r\nFont";
    std::string text = formatSettings(s);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 22);
    Settings back = parseSettings(text);
    EXPECT_EQ(back.lastDatabase, "/tmp/a Using NumberList: 1");
    EXPECT_EQ(back.statisticsFont, "Bad  Font");
    EXPECT_FALSE(back.usingNumberList);
}

TEST(Settings, FileLivesInTheProgramDirectoryWhenWritable) {
    namespace fs = std::filesystem;
    fs::path base = fs::temp_directory_path() / ("qv_settings_dir_" + std::to_string(getpid()));
    fs::path config = base / "config" / "quorvantile";
    fs::create_directories(base / "program");
    EXPECT_EQ(settingsFilePath((base / "program").string(), config.string()),
              (base / "program" / "quorvan.ini").string());
    EXPECT_FALSE(fs::exists(config));
    EXPECT_EQ(settingsFilePath((base / "gone").string(), config.string()),
              (config / "quorvan.ini").string());
    EXPECT_TRUE(fs::is_directory(config));
    fs::remove_all(base);
}
