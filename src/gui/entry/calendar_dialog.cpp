#include "gui/entry/calendar_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

#include "gui/common/button_row.h"
#include "gui/common/sound_player.h"

namespace qv::gui {

qv::CalendarTexts CalendarDialog::texts() {
    qv::CalendarTexts t;
    const char* const days[] = {QT_TR_NOOP("Sunday"),   QT_TR_NOOP("Monday"),
                                QT_TR_NOOP("Tuesday"),  QT_TR_NOOP("Wednesday"),
                                QT_TR_NOOP("Thursday"), QT_TR_NOOP("Friday"),
                                QT_TR_NOOP("Saturday")};
    const char* const months[] = {
        QT_TR_NOOP("January"), QT_TR_NOOP("February"), QT_TR_NOOP("March"),
        QT_TR_NOOP("April"),   QT_TR_NOOP("May"),      QT_TR_NOOP("June"),
        QT_TR_NOOP("July"),    QT_TR_NOOP("August"),   QT_TR_NOOP("September"),
        QT_TR_NOOP("October"), QT_TR_NOOP("November"), QT_TR_NOOP("December")};
    for (std::size_t i = 0; i < 7; ++i) t.dayNames[i] = tr(days[i]).toStdString();
    for (std::size_t i = 0; i < 12; ++i) t.monthNames[i] = tr(months[i]).toStdString();
    t.dateLine = tr("%s, %s %d, %d").toStdString();
    return t;
}

CalendarDialog::CalendarDialog(QWidget* parent, qv::CalendarDate& date, int firstYear, int lastYear)
    : QDialog(parent), picker_(date, firstYear, lastYear), texts_(texts()) {
    setWindowTitle(tr("Select Date"));

    dateLine_ = new QLabel;
    dateLine_->setObjectName(QString::number(kDateLine));
    dateLine_->setAlignment(Qt::AlignCenter);
    QFont bold = dateLine_->font();
    bold.setBold(true);
    dateLine_->setFont(bold);

    month_ = new QComboBox;
    month_->setObjectName(QString::number(kMonth));
    for (const std::string& name : texts_.monthNames) month_->addItem(QString::fromStdString(name));
    year_ = new QSpinBox;
    year_->setObjectName(QString::number(kYear));
    year_->setRange(picker_.firstYear(), picker_.lastYear());
    year_->setAlignment(Qt::AlignRight);
    // The year changes as it is typed, as the field and its up-down did.
    year_->setKeyboardTracking(true);

    auto* selectors = new QHBoxLayout;
    selectors->addWidget(month_, 1);
    selectors->addWidget(year_);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(2);
    const char* const headings[] = {QT_TR_NOOP("Sun"), QT_TR_NOOP("Mon"), QT_TR_NOOP("Tue"),
                                    QT_TR_NOOP("Wed"), QT_TR_NOOP("Thu"), QT_TR_NOOP("Fri"),
                                    QT_TR_NOOP("Sat")};
    const int cellWidth = fontMetrics().horizontalAdvance(QStringLiteral("Wed")) + 14;
    for (int c = 0; c < qv::MonthGrid::kColumns; ++c) {
        auto* h = new QLabel(tr(headings[c]));
        h->setAlignment(Qt::AlignCenter);
        h->setStyleSheet(QStringLiteral("color: palette(dark); font-weight: bold;"));
        grid->addWidget(h, 0, c);
    }
    for (int i = 0; i < qv::MonthGrid::kCells; ++i) {
        auto* cell = new QLabel;
        cell->setObjectName(QString::number(kFirstCell + i));
        cell->setAlignment(Qt::AlignCenter);
        cell->setMinimumSize(cellWidth, fontMetrics().height() + 8);
        cells_[std::size_t(i)] = cell;
        grid->addWidget(cell, 1 + i / qv::MonthGrid::kColumns, i % qv::MonthGrid::kColumns);
    }

    const auto [buttons, ok, cancel] = makeOkCancelButtons(this, tr("OK"), tr("Cancel"));
    ok->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dateLine_);
    layout->addLayout(selectors);
    layout->addSpacing(4);
    layout->addLayout(grid);
    layout->addSpacing(4);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(month_, &QComboBox::currentIndexChanged, this, [this](int index) {
        picker_.setMonth(index + 1);
        refresh();
    });
    connect(year_, &QSpinBox::valueChanged, this, [this](int year) {
        picker_.setYear(year);
        refresh();
    });
    refresh();
}

QLabel* CalendarDialog::cell(int index) const {
    if (index < 0 || index >= qv::MonthGrid::kCells) return nullptr;
    return cells_[std::size_t(index)];
}

void CalendarDialog::refresh() {
    const qv::CalendarDate& date = picker_.date();
    {
        const QSignalBlocker blockYear(year_);
        const QSignalBlocker blockMonth(month_);
        year_->setValue(date.year);
        month_->setCurrentIndex(date.month - 1);
    }
    dateLine_->setText(QString::fromStdString(qv::calendarDateLine(date, texts_)));
    const qv::MonthGrid& grid = picker_.grid();
    for (int i = 0; i < qv::MonthGrid::kCells; ++i) {
        QLabel* cell = cells_[std::size_t(i)];
        const int day = grid.days[std::size_t(i)];
        cell->setText(day ? QString::number(day) : QString());
        if (i == grid.selectedCell && day) {
            cell->setStyleSheet(
                QStringLiteral("color: %1; background: white;").arg(selectedTextColor().name()));
        } else {
            cell->setStyleSheet(QString());
        }
    }
}

void CalendarDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        for (int i = 0; i < qv::MonthGrid::kCells; ++i) {
            QLabel* cell = cells_[std::size_t(i)];
            const QRect r(cell->mapTo(this, QPoint(0, 0)), cell->size());
            if (!r.contains(at)) continue;
            if (picker_.pickCell(i)) refresh();
            break;
        }
    }
    QDialog::mousePressEvent(event);
}

void CalendarDialog::reject() {
    picker_.cancel();
    QDialog::reject();
}

}  // namespace qv::gui
