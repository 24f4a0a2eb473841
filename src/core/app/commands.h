#pragma once
// The main frame's command ids and the application-wide flags that decide which commands
// are enabled.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

namespace cmd {
// File menu.
inline constexpr int kUseWheelingTable = 101;
inline constexpr int kEnterTicketsManually = 103;
inline constexpr int kOpenTicketFile = 106;
inline constexpr int kImportWheelingTable = 102;
inline constexpr int kGenerateWheelingTable = 119;
inline constexpr int kExit = 24310;
// Winning Numbers menu and its Statistics submenu.
inline constexpr int kEnterNewWinners = 150;
inline constexpr int kFrequencyOfWinningNumbers = 204;
inline constexpr int kFrequencyOfBonusNumbers = 109;
inline constexpr int kFrequencyOfPairs = 110;
inline constexpr int kFrequencyOfTriples = 118;
inline constexpr int kSkippingHabit = 111;
inline constexpr int kClusterAnalysis = 112;
// Database menu.
inline constexpr int kCreateDatabase = 105;
inline constexpr int kOpenDatabase = 107;
// My Numbers menu.
inline constexpr int kCreateList = 170;
inline constexpr int kSelectList = 171;
inline constexpr int kEditCurrentList = 172;
// Options menu.
inline constexpr int kStatisticsOptions = 108;
inline constexpr int kSoundEffects = 130;
inline constexpr int kWallpaperStretched = 114;
inline constexpr int kWallpaperTiled = 115;
inline constexpr int kWallpaperCentered = 116;
inline constexpr int kDeskTopSettings = 117;
// Help menu.
inline constexpr int kHelpIndex = 160;
inline constexpr int kOnlineManual = 165;
inline constexpr int kAbout = 162;

// Tool bar. The four menu buttons show a popup instead of running a command.
inline constexpr int kToolCreateTicketFile = 16664;  // menu button
inline constexpr int kToolOpenTicketFile = 16665;
inline constexpr int kToolCreateDatabase = 16666;
inline constexpr int kToolOpenDatabase = 16667;
inline constexpr int kToolEnterNewWinners = 16668;
inline constexpr int kToolStatistics = 16669;   // menu button
inline constexpr int kToolNumberLists = 16670;  // menu button
inline constexpr int kToolStatisticsOptions = 16671;
inline constexpr int kToolImportWheelingTable = 16672;
inline constexpr int kToolHelp = 16673;  // menu button
}  // namespace cmd

// A tool-bar button runs the same command as its menu item; other ids map to themselves.
int menuCommandFor(int commandId);

enum class StatisticsKind {
    NumberFrequency,
    BonusFrequency,
    Pairs,
    Triples,
    SkippingHabit,
    ClusterAnalysis,
};
inline constexpr int kStatisticsKindCount = 6;

// The command that opens a statistics window of the given kind.
int statisticsCommand(StatisticsKind kind);

// Application-wide flags the command enabling looks at.
struct AppState {
    bool databaseOpen = false;
    bool wheelTicketFileOpen = false;
    bool manualTicketFileOpen = false;
    std::array<bool, kStatisticsKindCount> statisticsOpen{};
    bool numberListInUse = false;
    bool numberListDialogOpen = false;

    bool ticketFileOpen() const { return wheelTicketFileOpen || manualTicketFileOpen; }
    bool isStatisticsOpen(StatisticsKind kind) const {
        return statisticsOpen[static_cast<std::size_t>(kind)];
    }
    void setStatisticsOpen(StatisticsKind kind, bool open) {
        statisticsOpen[static_cast<std::size_t>(kind)] = open;
    }
    friend bool operator==(const AppState&, const AppState&) = default;
};

// Whether a menu item or tool-bar button is enabled; a command without a rule always is.
bool isCommandEnabled(int commandId, const AppState& state);

// The orientation command whose menu item carries the check mark.
int wallpaperCommand(int orientation);
// The orientation a command 114..116 selects, or -1 for any other command.
int wallpaperOrientationFor(int commandId);

}  // namespace qv
