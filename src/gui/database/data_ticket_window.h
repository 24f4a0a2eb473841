#pragma once
// The scrolling list of draws inside the database window, with the open ticket file's
// results per draw, its faded background picture and its context menu.

#include <QImage>
#include <QRect>
#include <QScrollBar>
#include <QWidget>

#include "core/view/database_view.h"

class QMenu;

namespace qv {
class DrawDatabase;
struct TicketFile;
}  // namespace qv

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

class TMyDataTicketWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kVerticalBarId = 150;
    static constexpr int kHorizontalBarId = 160;
    // Context menu commands, also the actions' object names.
    static constexpr int kChangeBackground = 401;
    static constexpr int kIncreaseFade = 402;
    static constexpr int kDecreaseFade = 403;
    static constexpr int kSortEntries = 501;
    static constexpr int kChangeAttributes = 601;
    static constexpr int kImportAndInsert = 701;
    static constexpr int kUndoLastImport = 702;

    // The text colour of the list.
    static QColor textColor() { return QColor(50, 100, 0); }

    TMyDataTicketWindow(const qv::DrawDatabase* database, QWidget* parent);

    // The results of this ticket file show per draw; nullptr shows none.
    void setTicketFile(const qv::TicketFile* tickets);
    const qv::TicketFile* ticketFile() const { return tickets_; }
    // Reads the picture again from the file with this fade and repaints.
    void loadBackground(const QString& path, int fade);
    const QImage& background() const { return background_; }
    // After the entries changed: the scroll range follows the count, then a repaint.
    void entriesChanged();

    int charWidth() const { return cw_; }
    int lineHeight() const { return lh_; }
    TMyScrollBar* verticalBar() const { return vertical_; }
    TMyScrollBar* horizontalBar() const { return horizontal_; }
    QMenu* contextMenu() const { return menu_; }
    // "Undo Last Import" is offered only while the last paste or import can be taken back.
    void setUndoAvailable(bool available);
    // Index of the first listed entry.
    int firstEntry() const;
    // The texts the list shows, translated.
    static qv::DatabaseTexts texts();

signals:
    // A command of the context menu (kChangeBackground ... kUndoLastImport).
    void commandChosen(int id);
    void entryDoubleClicked(int entry);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void measure();
    void layOutBars();
    // Height the rows use: everything above the horizontal bar.
    int listHeight() const;

    const qv::DrawDatabase* database_;
    const qv::TicketFile* tickets_ = nullptr;
    TMyScrollBar* vertical_ = nullptr;
    TMyScrollBar* horizontal_ = nullptr;
    QMenu* menu_ = nullptr;
    QImage background_;
    int cw_ = 8;
    int lh_ = 16;
};

}  // namespace qv::gui
