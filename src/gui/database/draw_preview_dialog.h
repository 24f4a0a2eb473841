#pragma once
// Shows the draws a paste or an import found before any is inserted: each with a tick box,
// short and repeated draws unticked and marked. "Insert" adds the ticked ones.

#include <QDialog>
#include <vector>

#include "core/database/draw_preview.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace qv::gui {

class DrawPreviewDialog : public QDialog {
    Q_OBJECT

public:
    DrawPreviewDialog(std::vector<qv::PreviewRow> rows, const QString& source, QWidget* parent);

    // The draws ticked when the dialog closed with "Insert".
    std::vector<qv::TicketType> chosenDraws() const;
    // Tick of row i, as the user left it.
    std::vector<bool> ticks() const;
    void setTicked(int row, bool ticked);
    QTableWidget* table() const { return table_; }
    QPushButton* insertButton() const { return insert_; }

private:
    void updateSummary();

    std::vector<qv::PreviewRow> rows_;
    QTableWidget* table_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* insert_ = nullptr;
};

}  // namespace qv::gui
