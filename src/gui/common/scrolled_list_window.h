#pragma once
// The program's scrolling lists of draws and tickets: their own scroll bars that repaint
// exactly what scrolled, a character width and row height measured from the font, keyboard
// and wheel scrolling, and a context menu of numbered commands.

#include <QRect>
#include <QScrollBar>
#include <QWidget>

class QMenu;
class QAction;

namespace qv::gui {

// A scroll bar that repaints part of its parent whenever its position changes, by the user
// or by the program.
class TMyScrollBar : public QScrollBar {
    Q_OBJECT

public:
    TMyScrollBar(int id, Qt::Orientation orientation, QWidget* parent);

    void setRepaintRect(const QRect& rect) { repaintRect_ = rect; }
    QRect repaintRect() const { return repaintRect_; }
    void setPosition(int position) { setValue(position); }

private:
    QRect repaintRect_;
};

class TScrolledListWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kVerticalBarId = 150;
    static constexpr int kHorizontalBarId = 160;

    int charWidth() const { return cw_; }
    TMyScrollBar* verticalBar() const { return vertical_; }
    TMyScrollBar* horizontalBar() const { return horizontal_; }
    QMenu* contextMenu() const { return menu_; }

signals:
    // A command of the context menu, by its id.
    void commandChosen(int id);

protected:
    explicit TScrolledListWindow(QWidget* parent);

    // A context-menu item whose id is also its object name.
    QAction* addMenuCommand(int id, const QString& text);
    // The row height for a font of this height.
    virtual int rowHeightFor(int fontHeight) const = 0;
    // The rows' count or the room for them changed: the vertical range follows.
    virtual void updateScrollRange() = 0;
    // Just before the context menu shows.
    virtual void aboutToShowMenu() {}

    // Measures the font (call at the end of the subclass's constructor), then lays out.
    void measure();
    // Height the rows use: everything above the horizontal bar.
    int listHeight() const;

    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;

    TMyScrollBar* vertical_ = nullptr;
    TMyScrollBar* horizontal_ = nullptr;
    QMenu* menu_ = nullptr;
    int cw_ = 8;
    int rowHeight_ = 16;

private:
    void layOutBars();
};

}  // namespace qv::gui
