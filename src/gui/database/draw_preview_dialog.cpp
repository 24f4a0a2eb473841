#include "gui/database/draw_preview_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace qv::gui {

namespace {

enum Column { kDate, kNumbers, kBonus, kNote, kColumnCount };

QString numbersText(const std::int16_t* numbers, std::size_t size) {
    QStringList parts;
    for (std::size_t i = 0; i < size && numbers[i] != 0; ++i) parts << QString::number(numbers[i]);
    return parts.join(QLatin1Char(' '));
}

}  // namespace

DrawPreviewDialog::DrawPreviewDialog(std::vector<qv::PreviewRow> rows, const QString& source,
                                     QWidget* parent)
    : QDialog(parent), rows_(std::move(rows)) {
    setWindowTitle(tr("Draws Found"));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(
        tr("These draws were found in %1. Tick the ones to add to the database.").arg(source),
        this);
    heading->setWordWrap(true);
    layout->addWidget(heading);

    table_ = new QTableWidget(int(rows_.size()), kColumnCount, this);
    table_->setObjectName(QStringLiteral("drawTable"));
    table_->setHorizontalHeaderLabels({tr("Date"), tr("Numbers"), tr("Bonus"), tr("Note")});
    table_->verticalHeader()->setVisible(false);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int i = 0; i < int(rows_.size()); ++i) {
        const qv::PreviewRow& row = rows_[std::size_t(i)];
        const qv::TicketType& d = row.draw;
        auto* date =
            new QTableWidgetItem(QStringLiteral("%1-%2-%3").arg(d.month).arg(d.day).arg(d.year));
        date->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        date->setCheckState(row.tickedByDefault() ? Qt::Checked : Qt::Unchecked);
        table_->setItem(i, kDate, date);
        table_->setItem(i, kNumbers,
                        new QTableWidgetItem(numbersText(d.numbers.data(), d.numbers.size())));
        table_->setItem(i, kBonus,
                        new QTableWidgetItem(numbersText(d.bonus.data(), d.bonus.size())));
        QStringList notes;
        if (row.incomplete) notes << tr("too few numbers");
        if (row.duplicate) notes << tr("already in the database");
        auto* note = new QTableWidgetItem(notes.join(QStringLiteral(", ")));
        if (!notes.isEmpty()) note->setForeground(QColor(170, 0, 0));
        table_->setItem(i, kNote, note);
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table_, 1);

    summary_ = new QLabel(this);
    layout->addWidget(summary_);

    auto* buttons = new QDialogButtonBox(this);
    insert_ = buttons->addButton(tr("&Insert"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(table_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() == kDate) updateSummary();
    });
    updateSummary();
    resize(560, 420);
}

std::vector<bool> DrawPreviewDialog::ticks() const {
    std::vector<bool> ticked(rows_.size());
    for (int i = 0; i < int(rows_.size()); ++i)
        ticked[std::size_t(i)] = table_->item(i, kDate)->checkState() == Qt::Checked;
    return ticked;
}

std::vector<qv::TicketType> DrawPreviewDialog::chosenDraws() const {
    return qv::tickedDraws(rows_, ticks());
}

void DrawPreviewDialog::setTicked(int row, bool ticked) {
    if (QTableWidgetItem* item = table_->item(row, kDate))
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

void DrawPreviewDialog::updateSummary() {
    const std::vector<bool> ticked = ticks();
    const int chosen = int(std::count(ticked.begin(), ticked.end(), true));
    summary_->setText(tr("%1 of %2 draw(s) ticked.").arg(chosen).arg(rows_.size()));
    insert_->setEnabled(chosen > 0);
}

}  // namespace qv::gui
