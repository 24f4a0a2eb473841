#include "gui/statistics/stat_window.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "core/database/draw_database.h"
#include "core/view/statistics_view.h"
#include "gui/common/app_paths.h"
#include "gui/common/application_state.h"
#include "gui/common/command_rows.h"
#include "gui/common/faded_bitmap.h"
#include "gui/common/user_interaction.h"
#include "gui/print/printout.h"

namespace qv::gui {

// --- StatChartView --------------------------------------------------------------------------

StatChartView::StatChartView(StatWindow* owner, bool horizontalBar, bool verticalBar)
    : QWidget(owner), owner_(owner) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    auto makeBar = [this](int id, Qt::Orientation orientation) {
        auto* bar = new QScrollBar(orientation, this);
        bar->setObjectName(QString::number(id));
        bar->setFocusPolicy(Qt::NoFocus);
        connect(bar, &QAbstractSlider::valueChanged, this, [this] { update(chartArea()); });
        return bar;
    };
    if (horizontalBar) horizontal_ = makeBar(kHorizontalBarId, Qt::Horizontal);
    if (verticalBar) vertical_ = makeBar(kVerticalBarId, Qt::Vertical);
}

QRect StatChartView::chartArea() const {
    return QRect(0, 0, std::max(width() - (vertical_ ? kBarThickness : 0), 0),
                 std::max(height() - (horizontal_ ? kBarThickness : 0), 0));
}

void StatChartView::placeBars() {
    const QRect area = chartArea();
    if (vertical_) vertical_->setGeometry(area.width(), 0, kBarThickness, area.height());
    if (horizontal_) horizontal_->setGeometry(0, area.height(), area.width(), kBarThickness);
}

void StatChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    owner_->paintView(painter);
}

void StatChartView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeBars();
    if (owner_->ready_) owner_->chartChanged();
}

void StatChartView::contextMenuEvent(QContextMenuEvent* event) {
    owner_->chartMouseLeave();
    owner_->updateChecks();
    owner_->menu_->popup(event->globalPos());
}

void StatChartView::mousePressEvent(QMouseEvent* event) {
    owner_->chartMousePress(event);
}

void StatChartView::mouseMoveEvent(QMouseEvent* event) {
    owner_->chartMouseMove(event);
}

void StatChartView::mouseReleaseEvent(QMouseEvent* event) {
    owner_->chartMouseRelease(event);
}

void StatChartView::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    owner_->chartMouseLeave();
}

void StatChartView::wheelEvent(QWheelEvent* event) {
    const QPoint steps = event->angleDelta() / 40;  // three positions a notch
    QScrollBar* across = horizontal_;
    QScrollBar* down = vertical_ ? vertical_ : horizontal_;
    if (steps.y() != 0 && down) down->setValue(down->value() - steps.y());
    if (steps.x() != 0 && across) across->setValue(across->value() - steps.x());
    event->accept();
}

void StatChartView::keyPressEvent(QKeyEvent* event) {
    auto move = [](QScrollBar* bar, int by) {
        if (bar) bar->setValue(bar->value() + by);
    };
    auto page = [](QScrollBar* bar) { return bar ? bar->pageStep() : 0; };
    switch (event->key()) {
        case Qt::Key_Left:
            move(horizontal_, -1);
            break;
        case Qt::Key_Right:
            move(horizontal_, 1);
            break;
        case Qt::Key_Up:
            move(vertical_, -1);
            break;
        case Qt::Key_Down:
            move(vertical_, 1);
            break;
        case Qt::Key_PageUp:
            move(vertical_, -page(vertical_));
            break;
        case Qt::Key_PageDown:
            move(vertical_, page(vertical_));
            break;
        case Qt::Key_Home:
            if (vertical_) vertical_->setValue(0);
            if (horizontal_) horizontal_->setValue(0);
            break;
        case Qt::Key_End:
            if (vertical_)
                vertical_->setValue(vertical_->maximum());
            else if (horizontal_)
                horizontal_->setValue(horizontal_->maximum());
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    event->accept();
}

// --- StatWindow -----------------------------------------------------------------------------

StatWindow::StatWindow(ApplicationState& state, qv::StatisticsKind kind, const QString& title,
                       bool horizontalBar, bool verticalBar)
    : QMdiSubWindow(nullptr), state_(state), kind_(kind) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    setWindowIcon(applicationIcon());
    state_.setStatisticsOpen(kind_, true);
    if (const qv::DrawDatabase* db = state_.database())
        databaseName_ = QString::fromStdString(db->header().description);

    view_ = new StatChartView(this, horizontalBar, verticalBar);
    setWidget(view_);
    menu_ = new QMenu(this);
    connect(menu_, &QMenu::aboutToShow, this, &StatWindow::updateChecks);

    const qv::DeskTopType& paper = state_.settings().statisticsWallpaper;
    wallpaper_ = loadFadedBitmap(state_.dataFile(paper.path), paper.fade);

    // The usual scroller: across by the font height, down by a line of the window's own font.
    setScrollUnits(qv::fontPixelHeight(state_.settings().statisticsPointSize),
                   QFontMetrics(view_->font()).height());
}

StatWindow::~StatWindow() {
    state_.setStatisticsOpen(kind_, false);
}

QFont StatWindow::chartFont() const {
    const qv::Settings& s = state_.settings();
    const QString face = QString::fromStdString(s.statisticsFont);
    QFont font(face);
    font.setPixelSize(qv::fontPixelHeight(s.statisticsPointSize));
    const int weight = s.statisticsWeight;
    font.setWeight(weight <= 0 ? QFont::Normal
                               : static_cast<QFont::Weight>(std::min(weight, 1000)));
    // The Windows faces are seldom installed; the hint picks a like one in their place.
    if (face.contains(QLatin1String("Courier"), Qt::CaseInsensitive)) {
        font.setStyleHint(QFont::TypeWriter);
    } else if (face.contains(QLatin1String("Sans"), Qt::CaseInsensitive) ||
               face.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0) {
        font.setStyleHint(QFont::SansSerif);
    } else if (face.contains(QLatin1String("Serif"), Qt::CaseInsensitive) ||
               face.contains(QLatin1String("Times"), Qt::CaseInsensitive)) {
        font.setStyleHint(QFont::Serif);
    }
    return font;
}

int StatWindow::charWidth() const {
    return std::max(QFontMetrics(chartFont()).horizontalAdvance(QLatin1Char('W')), 1);
}

int StatWindow::charHeight() const {
    return std::max(QFontMetrics(chartFont()).height(), 1);
}

int StatWindow::textWidth(const QString& text) const {
    return QFontMetrics(chartFont()).horizontalAdvance(text);
}

QPoint StatWindow::scrollOffset() const {
    const QScrollBar* h = view_->horizontalBar();
    const QScrollBar* v = view_->verticalBar();
    return QPoint(h ? h->value() * xUnit_ : 0, v ? v->value() * yUnit_ : 0);
}

void StatWindow::setScrollUnits(int x, int y) {
    xUnit_ = std::max(x, 1);
    yUnit_ = std::max(y, 1);
}

QAction* StatWindow::addMenuCommand(int id, const QString& text, bool checkable) {
    QAction* action = menu_->addAction(text);
    action->setObjectName(QString::number(id));
    action->setData(id);
    action->setCheckable(checkable);
    connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
    actions_.insert(id, action);
    return action;
}

void StatWindow::addFontCommands() {
    addMenuCommand(kUseArial, tr("Use Arial"), true);
    addMenuCommand(kUseCourier, tr("Use Courier"), true);
    addMenuCommand(kUseMSSerif, tr("Use MS Serif"), true);
    addMenuCommand(kUseTimesNewRoman, tr("Use Times New Roman"), true);
    addMenuCommand(kBold, tr("&Bold"), true);
    addMenuCommand(kIncreasePointSize, tr("&Increase Point Size"));
    addMenuCommand(kDecreasePointSize, tr("&Decrease Point Size"));
}

void StatWindow::addPrinterCommands() {
    addMenuCommand(kPrinterSetup, tr("Printer &Setup..."));
    addMenuCommand(kPrint, tr("&Print"));
}

void StatWindow::updateChecks() {
    const qv::Settings& s = state_.settings();
    const std::optional<qv::StatisticsFace> face = qv::faceOf(s.statisticsFont);
    for (int id = kUseArial; id <= kUseTimesNewRoman; ++id) {
        if (QAction* a = menuAction(id)) a->setChecked(face && id == kUseArial + int(*face));
    }
    if (QAction* a = menuAction(kBold)) a->setChecked(s.statisticsWeight == qv::kBoldWeight);
}

void StatWindow::runCommand(int id) {
    const bool known =
        runCommandRow<StatWindow>(*this,
                                  {
                                      {kIncreasePointSize, &StatWindow::cmIncreasePointSize},
                                      {kDecreasePointSize, &StatWindow::cmDecreasePointSize},
                                      {kUseArial, &StatWindow::cmUseArial},
                                      {kUseCourier, &StatWindow::cmUseCourier},
                                      {kUseMSSerif, &StatWindow::cmUseMSSerif},
                                      {kUseTimesNewRoman, &StatWindow::cmUseTimesNewRoman},
                                      {kBold, &StatWindow::cmBold},
                                      {kPrinterSetup, &StatWindow::cmPrinterSetup},
                                      {kPrint, &StatWindow::cmPrint},
                                  },
                                  id);
    if (!known) runChartCommand(id);
    // A click on a checkable item flips it by itself; the marks always follow the state.
    updateChecks();
}

QList<StatWindow*> StatWindow::statisticsWindows() const {
    QList<StatWindow*> windows;
    if (QMdiArea* area = mdiArea()) windows = area->findChildren<StatWindow*>();
    if (!windows.contains(this)) windows << const_cast<StatWindow*>(this);
    return windows;
}

void StatWindow::fontChangedEverywhere() {
    // All windows share the font: each repaints with it at once, none keeps stale marks.
    for (StatWindow* w : statisticsWindows()) {
        w->updateChecks();
        w->statisticsFontChanged();
    }
}

void StatWindow::cmIncreasePointSize() {
    state_.updateSettings([](qv::Settings& settings) {
        settings.statisticsPointSize = qv::increasedFontHeight(settings.statisticsPointSize);
    });
    fontChangedEverywhere();
}

void StatWindow::cmDecreasePointSize() {
    state_.updateSettings([](qv::Settings& settings) {
        settings.statisticsPointSize = qv::decreasedFontHeight(settings.statisticsPointSize);
    });
    fontChangedEverywhere();
}

void StatWindow::setFace(qv::StatisticsFace face) {
    state_.updateSettings(
        [face](qv::Settings& settings) { settings.statisticsFont = qv::faceName(face); });
    fontChangedEverywhere();
}

void StatWindow::cmUseArial() {
    setFace(qv::StatisticsFace::Arial);
}

void StatWindow::cmUseCourier() {
    setFace(qv::StatisticsFace::Courier);
}

void StatWindow::cmUseMSSerif() {
    setFace(qv::StatisticsFace::MSSerif);
}

void StatWindow::cmUseTimesNewRoman() {
    setFace(qv::StatisticsFace::TimesNewRoman);
}

void StatWindow::cmBold() {
    state_.updateSettings([](qv::Settings& settings) {
        settings.statisticsWeight = qv::toggledBoldWeight(settings.statisticsWeight);
    });
    fontChangedEverywhere();
}

void StatWindow::cmPrinterSetup() {
    runPrinterSetup(state_.printer(), this);
}

void StatWindow::cmPrint() {
    if (std::unique_ptr<Printout> printout = makePrintout())
        printOnPrinter(state_, this, *printout);
}

std::unique_ptr<Printout> StatWindow::makePrintout() const {
    return nullptr;
}

void StatWindow::statisticsFontChanged() {
    chartChanged();
}

void StatWindow::chartChanged() {
    ready_ = true;
    const QSize size = chartSize();
    const QRect area = view_->chartArea();
    if (QScrollBar* h = view_->horizontalBar()) {
        h->setRange(0, qv::scrollRange(size.width(), area.width(), xUnit_));
        h->setPageStep(std::max(area.width() / xUnit_, 1));
    }
    if (QScrollBar* v = view_->verticalBar()) {
        v->setRange(0, qv::scrollRange(size.height(), area.height(), yUnit_));
        v->setPageStep(std::max(area.height() / yUnit_, 1));
    }
    view_->update();
}

ChartPainter StatWindow::chartPainter(QPainter& painter) const {
    if (!textLog_) return ChartPainter(painter);
    QList<PaintedText>* log = textLog_;
    return ChartPainter(painter,
                        [log](const QString& text, const QRect& box, const QColor& colour) {
                            log->append(PaintedText{text, box, colour});
                        });
}

int StatWindow::drawText(QPainter& painter, const QString& text, int left, int top,
                         const QColor& colour) {
    return chartPainter(painter).text(text, left, top, colour);
}

void StatWindow::drawCentred(QPainter& painter, const QString& text, int left, int width, int top,
                             const QColor& colour) {
    chartPainter(painter).centred(text, left, width, top, colour);
}

void StatWindow::paintView(QPainter& painter) {
    if (textLog_) textLog_->clear();
    const QRect area = view_->chartArea();
    painter.save();
    painter.setClipRect(area);
    painter.fillRect(area, view_->palette().color(QPalette::Base));
    const QPoint offset = scrollOffset();
    painter.translate(-offset);
    const QRect visible = area.translated(offset);
    if (paintsWallpaper() && !wallpaper_.isNull()) {
        // Tiles from the chart's origin, so they scroll with it; only those in view.
        const int tw = wallpaper_.width();
        const int th = wallpaper_.height();
        const QPoint first((visible.left() / tw) * tw, (visible.top() / th) * th);
        paintTiled(painter, wallpaper_, QRect(first, visible.bottomRight()));
    }
    painter.setFont(chartFont());
    painter.setBackgroundMode(Qt::TransparentMode);
    paintChart(painter, visible);
    painter.restore();

    paintOverlay(painter);
    if (view_->horizontalBar() && view_->verticalBar()) {
        painter.fillRect(QRect(area.width(), area.height(), StatChartView::kBarThickness,
                               StatChartView::kBarThickness),
                         QColor(192, 192, 192));
    }
}

}  // namespace qv::gui
