#include "core/app/commands.h"

#include "core/view/placement.h"

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

int wallpaperCommand(int orientation) {
    return cmd::kWallpaperStretched + static_cast<int>(wallpaperLayout(orientation));
}

int wallpaperOrientationFor(int commandId) {
    if (commandId < cmd::kWallpaperStretched || commandId > cmd::kWallpaperCentered) return -1;
    return commandId - cmd::kWallpaperStretched;
}

}  // namespace qv
