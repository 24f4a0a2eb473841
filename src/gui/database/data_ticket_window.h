#pragma once
// The scrolling list of draws inside the database window, with the open ticket file's
// results per draw, its faded background picture and its context menu.

#include <QImage>

#include "core/view/database_view.h"
#include "gui/common/scrolled_list_window.h"

namespace qv {
class DrawDatabase;
struct TicketFile;
}  // namespace qv

namespace qv::gui {

class TMyDataTicketWindow : public TScrolledListWindow {
    Q_OBJECT

public:
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

    int lineHeight() const { return rowHeight_; }
    // "Undo Last Import" is offered only while the last paste or import can be taken back.
    void setUndoAvailable(bool available);
    // Index of the first listed entry.
    int firstEntry() const;
    // The texts the list shows, translated.
    static qv::DatabaseTexts texts();

signals:
    void entryDoubleClicked(int entry);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    int rowHeightFor(int fontHeight) const override { return qv::listLineHeight(fontHeight); }
    void updateScrollRange() override { entriesChanged(); }

private:
    const qv::DrawDatabase* database_;
    const qv::TicketFile* tickets_ = nullptr;
    QImage background_;
};

}  // namespace qv::gui
