#include <gtest/gtest.h>

#include "core/app/commands.h"
#include "core/util/paths.h"
#include "core/view/placement.h"

using namespace qv;

namespace {

const int kStatisticsCommands[] = {
    cmd::kFrequencyOfWinningNumbers, cmd::kFrequencyOfBonusNumbers, cmd::kFrequencyOfPairs,
    cmd::kFrequencyOfTriples,        cmd::kSkippingHabit,           cmd::kClusterAnalysis};

}  // namespace

TEST(CommandEnabling, NothingOpen) {
    AppState state;
    for (int id : kStatisticsCommands) EXPECT_FALSE(isCommandEnabled(id, state)) << id;
    for (int id : {cmd::kOpenDatabase, cmd::kToolOpenDatabase, cmd::kUseWheelingTable,
                   cmd::kEnterTicketsManually, cmd::kOpenTicketFile, cmd::kToolOpenTicketFile,
                   cmd::kSelectList, cmd::kExit, cmd::kToolStatistics, cmd::kCreateDatabase}) {
        EXPECT_TRUE(isCommandEnabled(id, state)) << id;
    }
    EXPECT_FALSE(isCommandEnabled(cmd::kEditCurrentList, state));
}

TEST(CommandEnabling, DatabaseOpenEnablesStatisticsUntilTheirWindowOpens) {
    AppState state;
    state.databaseOpen = true;
    EXPECT_FALSE(isCommandEnabled(cmd::kOpenDatabase, state));
    EXPECT_FALSE(isCommandEnabled(cmd::kToolOpenDatabase, state));
    EXPECT_TRUE(isCommandEnabled(cmd::kCreateDatabase, state));
    for (int id : kStatisticsCommands) EXPECT_TRUE(isCommandEnabled(id, state)) << id;

    // Each window disables only its own command.
    for (int k = 0; k < kStatisticsKindCount; ++k) {
        AppState one = state;
        one.setStatisticsOpen(static_cast<StatisticsKind>(k), true);
        for (int j = 0; j < kStatisticsKindCount; ++j) {
            EXPECT_EQ(isCommandEnabled(kStatisticsCommands[j], one), j != k) << k << " " << j;
        }
        EXPECT_EQ(statisticsCommand(static_cast<StatisticsKind>(k)), kStatisticsCommands[k]);
    }
}

TEST(CommandEnabling, EitherTicketFileKindDisablesCreatingAndOpening) {
    for (int kind = 0; kind < 2; ++kind) {
        AppState state;
        (kind == 0 ? state.wheelTicketFileOpen : state.manualTicketFileOpen) = true;
        for (int id : {cmd::kUseWheelingTable, cmd::kEnterTicketsManually, cmd::kOpenTicketFile,
                       cmd::kToolOpenTicketFile}) {
            EXPECT_FALSE(isCommandEnabled(id, state)) << id;
        }
        EXPECT_TRUE(isCommandEnabled(cmd::kImportWheelingTable, state));
        EXPECT_TRUE(isCommandEnabled(cmd::kToolCreateTicketFile, state));
        EXPECT_TRUE(isCommandEnabled(cmd::kOpenDatabase, state));
    }
}

TEST(CommandEnabling, NumberListRules) {
    AppState state;
    state.numberListInUse = true;
    EXPECT_TRUE(isCommandEnabled(cmd::kSelectList, state));
    EXPECT_TRUE(isCommandEnabled(cmd::kEditCurrentList, state));
    state.numberListDialogOpen = true;
    EXPECT_FALSE(isCommandEnabled(cmd::kSelectList, state));
    EXPECT_FALSE(isCommandEnabled(cmd::kEditCurrentList, state));
    EXPECT_TRUE(isCommandEnabled(cmd::kCreateList, state));
}

TEST(MainRect, DefaultIsCentredWithTruncatedHalves) {
    EXPECT_EQ(defaultMainRect(Rect{0, 0, 1024, 768}), (Rect{211, 146, 813, 622}));
    // Odd sizes: 1023 / 2 = 511, 767 / 2 = 383.
    EXPECT_EQ(defaultMainRect(Rect{0, 0, 1023, 767}), (Rect{210, 145, 812, 621}));
    // An available area that does not start at the origin (a panel on top).
    EXPECT_EQ(defaultMainRect(Rect{0, 32, 1024, 768}), (Rect{211, 162, 813, 638}));
}

TEST(MainRect, ReadRectangleIsUsedUnlessMissingOrEmpty) {
    const Rect desktop{0, 0, 1024, 768};
    Settings s;
    s.mainRect = Rect{10, 20, 500, 400};
    EXPECT_EQ(initialMainRect(s, desktop), (Rect{211, 146, 813, 622}));  // not read
    s.mainRectRead = true;
    EXPECT_EQ(initialMainRect(s, desktop), (Rect{10, 20, 500, 400}));
    s.mainRect = Rect{500, 20, 10, 400};  // inverted
    EXPECT_EQ(initialMainRect(s, desktop), (Rect{211, 146, 813, 622}));
    s.mainRect = Rect{10, 20, 500, 20};  // no height
    EXPECT_EQ(initialMainRect(s, desktop), (Rect{211, 146, 813, 622}));
}

TEST(Wallpaper, OrientationCommandsAndLayout) {
    EXPECT_EQ(wallpaperLayout(0), WallpaperLayout::Stretched);
    EXPECT_EQ(wallpaperLayout(1), WallpaperLayout::Tiled);
    EXPECT_EQ(wallpaperLayout(2), WallpaperLayout::Centered);
    EXPECT_EQ(wallpaperLayout(7), WallpaperLayout::Tiled);
    EXPECT_EQ(wallpaperLayout(-1), WallpaperLayout::Tiled);
    EXPECT_EQ(wallpaperCommand(0), cmd::kWallpaperStretched);
    EXPECT_EQ(wallpaperCommand(2), cmd::kWallpaperCentered);
    EXPECT_EQ(wallpaperCommand(9), cmd::kWallpaperTiled);  // shown tiled, so checked tiled
    EXPECT_EQ(wallpaperOrientationFor(cmd::kWallpaperStretched), 0);
    EXPECT_EQ(wallpaperOrientationFor(cmd::kWallpaperTiled), 1);
    EXPECT_EQ(wallpaperOrientationFor(cmd::kWallpaperCentered), 2);
    EXPECT_EQ(wallpaperOrientationFor(cmd::kDeskTopSettings), -1);
}

TEST(Wallpaper, CentredPositionTruncatesEachHalf) {
    EXPECT_EQ(centredPosition(600, 400, 256, 192), (Point{172, 104}));
    // 600 / 2 - 255 / 2 = 300 - 127, where (600 - 255) / 2 would give 172.
    EXPECT_EQ(centredPosition(600, 400, 255, 191), (Point{173, 105}));
    EXPECT_EQ(centredPosition(599, 399, 255, 191), (Point{172, 104}));
    // A picture larger than the area hangs over every side.
    EXPECT_EQ(centredPosition(100, 50, 256, 192), (Point{-78, -71}));
}

TEST(Wallpaper, TilesCoverTheAreaRowByRow) {
    auto tiles = tilePositions(600, 400, 256, 192);
    ASSERT_EQ(tiles.size(), 9u);
    EXPECT_EQ(tiles[0], (Point{0, 0}));
    EXPECT_EQ(tiles[2], (Point{512, 0}));
    EXPECT_EQ(tiles[3], (Point{0, 192}));
    EXPECT_EQ(tiles[8], (Point{512, 384}));
    // An exact fit stops at the edge: no row starts at the area's height.
    EXPECT_EQ(tilePositions(512, 384, 256, 192).size(), 4u);
    EXPECT_EQ(tilePositions(513, 385, 256, 192).size(), 9u);
    // Degenerate sizes end instead of looping.
    EXPECT_TRUE(tilePositions(600, 400, 0, 192).empty());
    EXPECT_TRUE(tilePositions(600, 400, 256, -1).empty());
    EXPECT_TRUE(tilePositions(0, 0, 256, 192).empty());
}

TEST(DataPath, RelativeNamesResolveInsideTheDataDirectory) {
    EXPECT_EQ(resolveDataPath(".\\ticket.bmp", "/opt/qv/data"), "/opt/qv/data/ticket.bmp");
    EXPECT_EQ(resolveDataPath("./ticket.bmp", "/opt/qv/data/"), "/opt/qv/data/ticket.bmp");
    EXPECT_EQ(resolveDataPath("ticket.bmp", "/opt/qv/data"), "/opt/qv/data/ticket.bmp");
    EXPECT_EQ(resolveDataPath("sounds\\great.wav", "/d"), "/d/sounds/great.wav");
    EXPECT_EQ(resolveDataPath(".\\sub\\.\\\\x.bmp", "/d"), "/d/sub/x.bmp");
    // The default main wallpaper name carries quotation marks.
    EXPECT_EQ(resolveDataPath("\".\\qvtbg.bmp\"", "/d"), "/d/qvtbg.bmp");
    EXPECT_EQ(resolveDataPath("my pictures\\a b.bmp", "/d"), "/d/my pictures/a b.bmp");
}

TEST(DataPath, AbsoluteAndEmptyNames) {
    EXPECT_EQ(resolveDataPath("", "/d"), "");
    EXPECT_EQ(resolveDataPath("\"\"", "/d"), "");
    EXPECT_EQ(resolveDataPath("/home/u/a.bmp", "/d"), "/home/u/a.bmp");
    EXPECT_EQ(resolveDataPath("\\home\\u\\a.bmp", "/d"), "/home/u/a.bmp");
    EXPECT_EQ(resolveDataPath("C:\\QV\\ticket.bmp", "/d"), "C:/QV/ticket.bmp");
    EXPECT_EQ(resolveDataPath("\"", "/d"), "/d/\"");  // a lone quote is just a name
}

TEST(CommandLine, FilesAreKnownByTheirExtension) {
    EXPECT_EQ(fileKindForName("/home/u/lotto649.dat"), FileKind::Database);
    EXPECT_EQ(fileKindForName("C:\\QV\\LOTTO.DAT"), FileKind::Database);
    EXPECT_EQ(fileKindForName("my tickets.QvT"), FileKind::TicketFile);
    EXPECT_EQ(fileKindForName("dat"), FileKind::Other);
    EXPECT_EQ(fileKindForName(""), FileKind::Other);
}

TEST(CommandLine, WheelingTablesAreKnownByTheirNumbersPerTicket) {
    // ".wl" and 1 to 10, the numbers on a ticket the wheel writes.
    for (const char* wheel : {"wheel.wl6", "/w/Pick4.WL4", "ten.wl10", "one.wl1", "C:\\W\\X.wL9"})
        EXPECT_EQ(fileKindForName(wheel), FileKind::WheelingTable) << wheel;
    for (const char* other : {"wheel.wl", "zero.wl0", "eleven.wl11", "w.wl6.bak", "x.wlx", "wl6"})
        EXPECT_EQ(fileKindForName(other), FileKind::Other) << other;
}

TEST(Placement, TitleBarStaysWithinReach) {
    const Rect desktop{0, 0, 1280, 1024};
    // (position asked for, window width) -> where it goes
    const struct {
        Point at;
        int width;
        Point expected;
    } cases[] = {
        {{320, 40}, 712, {320, 40}},       // on screen: kept
        {{5000, -3}, 712, {1180, 0}},      // right of and above the desktop
        {{-700, 2000}, 712, {-612, 994}},  // only 100 pixels of the title bar left on screen
        {{-700, 500}, 50, {0, 500}},       // a narrow window stays wholly on screen
    };
    for (const auto& c : cases)
        EXPECT_EQ(keepTitleBarReachable(c.at, c.width, desktop), c.expected)
            << c.at.x << "," << c.at.y;
}
