#include "core/app/commands.h"

namespace qv {

int menuCommandFor(int commandId) {
    switch (commandId) {
        case cmd::kToolCreateTicketFile:
            return cmd::kUseWheelingTable;
        case cmd::kToolOpenTicketFile:
            return cmd::kOpenTicketFile;
        case cmd::kToolCreateDatabase:
            return cmd::kCreateDatabase;
        case cmd::kToolOpenDatabase:
            return cmd::kOpenDatabase;
        case cmd::kToolEnterNewWinners:
            return cmd::kEnterNewWinners;
        case cmd::kToolStatistics:
            return cmd::kFrequencyOfWinningNumbers;
        case cmd::kToolNumberLists:
            return cmd::kCreateList;
        case cmd::kToolStatisticsOptions:
            return cmd::kStatisticsOptions;
        case cmd::kToolImportWheelingTable:
            return cmd::kImportWheelingTable;
        case cmd::kToolHelp:
            return cmd::kHelpIndex;
        default:
            return commandId;
    }
}

int statisticsCommand(StatisticsKind kind) {
    switch (kind) {
        case StatisticsKind::NumberFrequency:
            return cmd::kFrequencyOfWinningNumbers;
        case StatisticsKind::BonusFrequency:
            return cmd::kFrequencyOfBonusNumbers;
        case StatisticsKind::Pairs:
            return cmd::kFrequencyOfPairs;
        case StatisticsKind::Triples:
            return cmd::kFrequencyOfTriples;
        case StatisticsKind::SkippingHabit:
            return cmd::kSkippingHabit;
        case StatisticsKind::ClusterAnalysis:
            return cmd::kClusterAnalysis;
    }
    return 0;
}

namespace {

bool statisticsEnabled(const AppState& state, StatisticsKind kind) {
    return state.databaseOpen && !state.isStatisticsOpen(kind);
}

}  // namespace

bool isCommandEnabled(int commandId, const AppState& state) {
    switch (commandId) {
        case cmd::kUseWheelingTable:
        case cmd::kEnterTicketsManually:
        case cmd::kOpenTicketFile:
        case cmd::kToolOpenTicketFile:
            return !state.ticketFileOpen();
        case cmd::kOpenDatabase:
        case cmd::kToolOpenDatabase:
            return !state.databaseOpen;
        case cmd::kFrequencyOfWinningNumbers:
            return statisticsEnabled(state, StatisticsKind::NumberFrequency);
        case cmd::kFrequencyOfBonusNumbers:
            return statisticsEnabled(state, StatisticsKind::BonusFrequency);
        case cmd::kFrequencyOfPairs:
            return statisticsEnabled(state, StatisticsKind::Pairs);
        case cmd::kFrequencyOfTriples:
            return statisticsEnabled(state, StatisticsKind::Triples);
        case cmd::kSkippingHabit:
            return statisticsEnabled(state, StatisticsKind::SkippingHabit);
        case cmd::kClusterAnalysis:
            return statisticsEnabled(state, StatisticsKind::ClusterAnalysis);
        case cmd::kSelectList:
            return !state.numberListDialogOpen;
        case cmd::kEditCurrentList:
            return state.numberListInUse && !state.numberListDialogOpen;
        default:
            return true;
    }
}

Rect defaultMainRect(const Rect& desktop) {
    const int cx = desktop.left + desktop.width() / 2;
    const int cy = desktop.top + desktop.height() / 2;
    return Rect{cx - 301, cy - 238, cx + 301, cy + 238};
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

int wallpaperCommand(int orientation) {
    return cmd::kWallpaperStretched + static_cast<int>(wallpaperLayout(orientation));
}

int wallpaperOrientationFor(int commandId) {
    if (commandId < cmd::kWallpaperStretched || commandId > cmd::kWallpaperCentered) return -1;
    return commandId - cmd::kWallpaperStretched;
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

namespace {

bool endsWithNoCase(std::string_view name, std::string_view suffix) {
    if (name.size() < suffix.size()) return false;
    name = name.substr(name.size() - suffix.size());
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        char c = name[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != suffix[i]) return false;
    }
    return true;
}

bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

bool isDrivePath(std::string_view p) {
    return p.size() >= 2 && p[1] == ':' &&
           ((p[0] >= 'A' && p[0] <= 'Z') || (p[0] >= 'a' && p[0] <= 'z'));
}

}  // namespace

FileKind fileKindForName(std::string_view name) {
    if (endsWithNoCase(name, ".dat")) return FileKind::Database;
    if (endsWithNoCase(name, ".qvt")) return FileKind::TicketFile;
    return FileKind::Other;
}

std::string resolveDataPath(std::string_view stored, std::string_view dataDir) {
    if (stored.size() >= 2 && stored.front() == '"' && stored.back() == '"') {
        stored = stored.substr(1, stored.size() - 2);
    }
    if (stored.empty()) return {};

    const bool absolute = isSeparator(stored.front()) || isDrivePath(stored);
    std::string result;
    if (absolute) {
        for (char c : stored) result += isSeparator(c) ? '/' : c;
        return result;
    }

    result.assign(dataDir);
    while (result.size() > 1 && isSeparator(result.back())) result.pop_back();
    // Relative names are joined segment by segment, leaving out "." and empty segments.
    std::size_t start = 0;
    while (start <= stored.size()) {
        std::size_t end = start;
        while (end < stored.size() && !isSeparator(stored[end])) ++end;
        std::string_view segment = stored.substr(start, end - start);
        if (!segment.empty() && segment != ".") {
            if (!result.empty() && !isSeparator(result.back())) result += '/';
            result += segment;
        }
        start = end + 1;
    }
    return result;
}

}  // namespace qv
