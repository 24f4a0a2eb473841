#pragma once
// The common base of the statistics windows: an MDI child that paints its chart over the
// tiled, faded statistics wallpaper, scrolls it, and offers the shared statistics font,
// Printer Setup and Print from a right-button menu. While a window is open, the command that
// opens its kind stays disabled.

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QList>
#include <QMdiSubWindow>
#include <QRect>
#include <QString>
#include <memory>

#include "core/app/commands.h"
#include "core/view/statistics_view.h"
#include "gui/common/chart_painter.h"

class QMenu;
class QScrollBar;

namespace qv::gui {

class ApplicationState;
class Printout;
class StatWindow;

// The client area of a statistics window: the chart and its scroll bars.
class StatChartView : public QWidget {
    Q_OBJECT

public:
    static constexpr int kVerticalBarId = 150;
    static constexpr int kHorizontalBarId = 160;
    static constexpr int kBarThickness = 15;

    StatChartView(StatWindow* owner, bool horizontalBar, bool verticalBar);

    QScrollBar* horizontalBar() const { return horizontal_; }
    QScrollBar* verticalBar() const { return vertical_; }
    // The part the chart is painted in: everything but the scroll bars.
    QRect chartArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void placeBars();

    StatWindow* owner_;
    QScrollBar* horizontal_ = nullptr;
    QScrollBar* vertical_ = nullptr;
};

class StatWindow : public QMdiSubWindow {
    Q_OBJECT

public:
    // Context-menu commands, also the actions' object names.
    static constexpr int kPrinterSetup = 401;
    static constexpr int kPrint = 402;
    static constexpr int kIncreasePointSize = 501;
    static constexpr int kDecreasePointSize = 502;
    static constexpr int kUseArial = 503;
    static constexpr int kUseCourier = 504;
    static constexpr int kUseMSSerif = 505;
    static constexpr int kUseTimesNewRoman = 506;
    static constexpr int kBold = 510;

    ~StatWindow() override;

    qv::StatisticsKind kind() const { return kind_; }
    StatChartView* view() const { return view_; }
    QMenu* contextMenu() const { return menu_; }
    // A context-menu item by command id; nullptr when this window has none.
    QAction* menuAction(int id) const { return actions_.value(id); }
    // Runs a context-menu command as choosing it does.
    void runCommand(int id);

    // The shared statistics font as the settings hold it now.
    QFont chartFont() const;
    // Width and height of "W" in that font.
    int charWidth() const;
    int charHeight() const;
    // The faded statistics wallpaper, loaded when the window opened; null when it could not
    // be loaded, and the window then shows its plain background.
    const QImage& wallpaper() const { return wallpaper_; }
    // Scroll units: pixels per position of the two bars.
    int xUnit() const { return xUnit_; }
    int yUnit() const { return yUnit_; }
    // The scrolled-off part of the chart, in pixels.
    QPoint scrollOffset() const;

    // Every text a paint draws, in chart coordinates; tests read what the window shows.
    struct PaintedText {
        QString text;
        QRect box;
        QColor colour;
    };
    void setTextLog(QList<PaintedText>* log) { textLog_ = log; }

    // The font commands; each changes the shared settings and repaints every statistics
    // window at once.
    virtual void cmIncreasePointSize();
    virtual void cmDecreasePointSize();
    virtual void cmUseArial();
    virtual void cmUseCourier();
    virtual void cmUseMSSerif();
    virtual void cmUseTimesNewRoman();
    virtual void cmBold();
    virtual void cmPrinterSetup();
    // Prints what the window shows on the application's printer.
    virtual void cmPrint();
    // The printout of the chart as the window shows it now.
    virtual std::unique_ptr<Printout> makePrintout() const;
    // The description of the database the chart was counted from, for the printouts.
    const QString& databaseName() const { return databaseName_; }

    // After the shared font changed: the scroll ranges follow and the window repaints.
    virtual void statisticsFontChanged();
    // Scroll ranges from the chart's size, then a repaint.
    void chartChanged();

protected:
    StatWindow(ApplicationState& state, qv::StatisticsKind kind, const QString& title,
               bool horizontalBar, bool verticalBar);

    ApplicationState& state() const { return state_; }

    // Menu building: an item with its id; the font items 503..506, 510, 501, 502; the
    // printer items 401 and 402.
    QAction* addMenuCommand(int id, const QString& text, bool checkable = false);
    void addFontCommands();
    void addPrinterCommands();
    // Puts every check mark where the state is: the face and bold items where the shared
    // font is; subclasses add their own items.
    virtual void updateChecks();
    // The window's own commands.
    virtual void runChartCommand(int) {}

    void setScrollUnits(int x, int y);

    // Paints the chart with the painter in chart coordinates (scrolled); `visible` is the
    // part of the chart in view. The statistics font is selected.
    virtual void paintChart(QPainter& painter, const QRect& visible) = 0;
    // The size of the whole chart in the current font.
    virtual QSize chartSize() const = 0;
    virtual bool paintsWallpaper() const { return true; }
    // After the chart, in view coordinates (the cluster window's selection).
    virtual void paintOverlay(QPainter&) {}

    virtual void chartMousePress(QMouseEvent*) {}
    virtual void chartMouseMove(QMouseEvent*) {}
    virtual void chartMouseRelease(QMouseEvent*) {}
    // The pointer left the chart, or a menu or dialog took it.
    virtual void chartMouseLeave() {}

    // The painter's texts go to the text log while one is set.
    ChartPainter chartPainter(QPainter& painter) const;
    // Text with its top-left corner at (left, top); returns its width.
    int drawText(QPainter& painter, const QString& text, int left, int top, const QColor& colour);
    // Text centred in the band from `left`, `width` wide (halves truncated), top at `top`.
    void drawCentred(QPainter& painter, const QString& text, int left, int width, int top,
                     const QColor& colour);
    int textWidth(const QString& text) const;

private:
    friend class StatChartView;
    void paintView(QPainter& painter);
    void setFace(qv::StatisticsFace face);
    void fontChangedEverywhere();
    // Every statistics window of this MDI area, this one included.
    QList<StatWindow*> statisticsWindows() const;

    ApplicationState& state_;
    qv::StatisticsKind kind_;
    QString databaseName_;
    StatChartView* view_ = nullptr;
    QMenu* menu_ = nullptr;
    QHash<int, QAction*> actions_;
    QImage wallpaper_;
    int xUnit_ = 1;
    int yUnit_ = 1;
    QList<PaintedText>* textLog_ = nullptr;
    bool ready_ = false;  // the subclass is built: the chart can be measured
};

}  // namespace qv::gui
