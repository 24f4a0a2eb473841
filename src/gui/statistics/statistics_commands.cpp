#include "gui/statistics/statistics_commands.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <memory>

#include "core/view/statistics_view.h"
#include "gui/common/application_state.h"
#include "gui/common/busy_dialog.h"
#include "gui/statistics/cluster_window.h"
#include "gui/statistics/frequency_window.h"
#include "gui/statistics/pairs_window.h"
#include "gui/statistics/skipping_window.h"
#include "gui/statistics/statistics_options.h"
#include "gui/statistics/triples_window.h"

namespace qv::gui {

namespace {

constexpr qv::StatisticsKind kKinds[] = {
    qv::StatisticsKind::NumberFrequency, qv::StatisticsKind::BonusFrequency,
    qv::StatisticsKind::Pairs,           qv::StatisticsKind::Triples,
    qv::StatisticsKind::SkippingHabit,   qv::StatisticsKind::ClusterAnalysis,
};

StatWindow* makeWindow(ApplicationState& state, QMdiArea* area, qv::StatisticsKind kind,
                       qv::ProgressReporter* progress) {
    switch (kind) {
        case qv::StatisticsKind::NumberFrequency:
            return new FrequencyWindow(state, false);
        case qv::StatisticsKind::BonusFrequency:
            return new FrequencyWindow(state, true);
        case qv::StatisticsKind::Pairs:
            return new PairsWindow(state);
        case qv::StatisticsKind::Triples: {
            std::unique_ptr<BusyDialog> busy;
            if (!progress) {
                busy = std::make_unique<BusyDialog>(area->window());
                progress = busy.get();
            }
            return new TriplesWindow(state, progress);
        }
        case qv::StatisticsKind::SkippingHabit:
            return new SkippingWindow(state);
        case qv::StatisticsKind::ClusterAnalysis:
            return new ClusterWindow(state);
    }
    return nullptr;
}

// The width of the work area left of the database window when that window covers its right
// part (it stands above the main window): a new chart there is not hidden behind it.
int uncoveredWidth(const ApplicationState& state, const QMdiArea* area) {
    const QSize size = area->viewport()->size();
    const Document* document = state.document(DocumentSlot::Database);
    const QWidget* database = document && document->view() ? document->view()->widget() : nullptr;
    if (!database || !database->isVisible() || !area->isVisible()) return size.width();
    const QRect work(area->viewport()->mapToGlobal(QPoint(0, 0)), size);
    const QRect covered = database->frameGeometry();
    if (!covered.intersects(work)) return size.width();
    const int left = covered.left() - work.left();
    // Only a cover from the right that leaves a chart's worth of room on the left.
    return left >= size.width() / 3 && covered.right() >= work.right() ? left : size.width();
}

}  // namespace

StatWindow* openStatisticsWindow(ApplicationState& state, QMdiArea* area, qv::StatisticsKind kind,
                                 qv::ProgressReporter* progress) {
    if (!area || !state.database()) return nullptr;
    if (state.flags().isStatisticsOpen(kind)) {
        // The window already open comes to the front, so the command is seen to do something.
        for (StatWindow* open : area->findChildren<StatWindow*>()) {
            if (open->kind() != kind) continue;
            if (open->isMinimized()) open->showNormal();
            area->setActiveSubWindow(open);
            open->raise();
            return open;
        }
        return nullptr;
    }
    int othersOpen = 0;
    for (qv::StatisticsKind other : kKinds)
        othersOpen += other != kind && state.flags().isStatisticsOpen(other) ? 1 : 0;

    StatWindow* window = makeWindow(state, area, kind, progress);
    if (!window) return nullptr;
    area->addSubWindow(window);
    const QSize size = area->viewport()->size();
    const qv::Rect r =
        qv::statisticsWindowRect(uncoveredWidth(state, area), size.height(), othersOpen);
    window->setGeometry(r.left, r.top, r.width(), r.height());
    window->show();
    area->setActiveSubWindow(window);
    window->raise();
    return window;
}

void installStatisticsCommands(ApplicationState& state, QMdiArea* area,
                               const CommandRegistrar& setHandler, std::function<void()> showHelp) {
    setHandler(qv::cmd::kStatisticsOptions,
               [&state, area, showHelp] { runStatisticsOptions(state, area->window(), showHelp); });
    for (qv::StatisticsKind kind : kKinds) {
        setHandler(qv::statisticsCommand(kind),
                   [&state, area, kind] { openStatisticsWindow(state, area, kind); });
    }
}

}  // namespace qv::gui
