#include "gui/database/data_ticket_window.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

#include "core/database/draw_database.h"
#include "core/entry/past_performance.h"
#include "core/tickets/ticket_file.h"
#include "gui/common/faded_bitmap.h"

namespace qv::gui {

TMyDataTicketWindow::TMyDataTicketWindow(const qv::DrawDatabase* database, QWidget* parent)
    : TScrolledListWindow(parent), database_(database) {
    auto add = [this](int id, const QString& text) { addMenuCommand(id, text); };
    add(kChangeBackground, tr("Change &Background..."));
    add(kIncreaseFade, tr("&Increase Fade"));
    add(kDecreaseFade, tr("&Decrease Fade"));
    menu_->addSeparator();
    add(kSortEntries, tr("&Sort Entries"));
    menu_->addSeparator();
    add(kChangeAttributes, tr("Change &Attributes..."));
    menu_->addSeparator();
    add(kImportAndInsert, tr("&Import and Insert ..."));
    add(kUndoLastImport, tr("&Undo Last Import"));
    setUndoAvailable(false);

    measure();
}

qv::DatabaseTexts TMyDataTicketWindow::texts() {
    qv::DatabaseTexts t;
    t.dateHeading = tr("Date").toStdString();
    t.numbersHeading = tr("Numbers On Ticket").toStdString();
    t.bonusHeading = tr("Bonus").toStdString();
    t.levelHeading = tr("%d/%d  ").toStdString();
    t.levelBonusMark = tr("+B ").toStdString();
    t.rowDate = tr("%d-%d-%d").toStdString();
    t.hitsCell = tr("%4d").toStdString();
    t.bonusHitsCell = tr(", %2d").toStdString();
    t.wheelNote = tr("Indicates the condition of the wheel was met for that draw.").toStdString();
    t.doubleClickNote = tr("Double click any entry for past performance.").toStdString();
    return t;
}

void TMyDataTicketWindow::setTicketFile(const qv::TicketFile* tickets) {
    tickets_ = tickets;
    update();
}

void TMyDataTicketWindow::loadBackground(const QString& path, int fade) {
    background_ = path.isEmpty() ? QImage() : loadFadedBitmap(path, fade);
    update();
}

void TMyDataTicketWindow::entriesChanged() {
    const std::size_t count = database_ ? database_->entryCount() : 0;
    // Measured above the horizontal bar, so that the closing notes can be scrolled into view.
    const int maximum = qv::verticalScrollMaximum(count, listHeight(), rowHeight_);
    vertical_->setRange(0, maximum);
    vertical_->setPageStep(std::max(1, listHeight() / rowHeight_ - 1));
    update();
}

int TMyDataTicketWindow::firstEntry() const {
    return vertical_->value();
}

void TMyDataTicketWindow::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    paintTiled(painter, background_, rect());
    // The square where the two scroll bars meet belongs to the frame, not to the list.
    const int t = qv::kScrollBarThickness;
    painter.fillRect(QRect(width() - t, height() - t, t, t), palette().window());
    painter.setClipRect(QRect(0, 0, width() - t, height() - t));
    if (!database_ || database_->entryCount() == 0) return;

    const QFontMetrics fm(font());
    const qv::TextWidth width = [&fm](std::string_view s) {
        return fm.horizontalAdvance(QString::fromUtf8(s.data(), qsizetype(s.size())));
    };
    const qv::DatabaseTexts texts = TMyDataTicketWindow::texts();
    const qv::ListColumns columns =
        qv::listColumns(database_->entry(0), cw_, horizontal_->value(), texts, width);

    painter.setBackgroundMode(Qt::TransparentMode);
    const QColor green = textColor();
    const QColor red(255, 0, 0);
    auto draw = [&](const std::vector<qv::TextItem>& items, int y) {
        for (const qv::TextItem& item : items) {
            painter.setPen(item.red ? red : green);
            painter.drawText(item.x, y + fm.ascent(), QString::fromStdString(item.text));
        }
    };

    const auto lines = qv::visibleLines(
        database_->entryCount(), static_cast<std::size_t>(firstEntry()), height(), rowHeight_);
    for (const qv::ListLine& line : lines) {
        switch (line.kind) {
            case qv::ListLineKind::Header:
                draw(qv::headerItems(columns, texts, width), line.y);
                break;
            case qv::ListLineKind::Entry:
                draw(qv::rowItems(database_->entry(line.entry), columns, cw_, texts, width,
                                  tickets_),
                     line.y);
                break;
            case qv::ListLineKind::WheelNote:
                draw(qv::wheelNoteItems(columns, texts), line.y);
                break;
            case qv::ListLineKind::DoubleClickNote:
                draw(qv::doubleClickNoteItems(columns, texts), line.y);
                break;
        }
    }
}

void TMyDataTicketWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !database_) return;
    // Only the dates and numbers, not the margin or the result columns.
    if (!qv::isPastPerformanceClick(horizontal_->value(), cw_, event->position().toPoint().x()))
        return;
    const auto entry = qv::entryAt(event->position().toPoint().y(), rowHeight_,
                                   static_cast<std::size_t>(firstEntry()), database_->entryCount());
    if (entry) emit entryDoubleClicked(static_cast<int>(*entry));
}

void TMyDataTicketWindow::setUndoAvailable(bool available) {
    for (QAction* a : menu_->actions())
        if (a->data().toInt() == kUndoLastImport) a->setEnabled(available);
}

}  // namespace qv::gui
