#pragma once
// "Select Date": a month calendar that edits a date in place; Cancel puts it back.

#include <QDialog>
#include <array>

#include "core/entry/calendar.h"

class QComboBox;
class QLabel;
class QSpinBox;

namespace qv::gui {

class CalendarDialog : public QDialog {
    Q_OBJECT

public:
    // Control ids, also the controls' object names.
    static constexpr int kYear = 102;  // the year field with its up-down
    static constexpr int kMonth = 103;
    static constexpr int kDateLine = 110;
    static constexpr int kFirstCell = 500;  // 500..541, six rows of seven days, Sunday first
    static constexpr int kOk = 1;
    static constexpr int kCancel = 2;

    // Edits `date` live; the year control offers firstYear..lastYear.
    CalendarDialog(QWidget* parent, qv::CalendarDate& date, int firstYear, int lastYear);

    const qv::CalendarPicker& picker() const { return picker_; }
    QLabel* cell(int index) const;
    // The colours of the day picked: red on white.
    static QColor selectedTextColor() { return QColor(255, 0, 0); }

    void reject() override;

    // The translated day and month names and the date line's format.
    static qv::CalendarTexts texts();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void refresh();

    qv::CalendarPicker picker_;
    qv::CalendarTexts texts_;
    QLabel* dateLine_ = nullptr;
    QComboBox* month_ = nullptr;
    QSpinBox* year_ = nullptr;
    std::array<QLabel*, qv::MonthGrid::kCells> cells_{};
};

}  // namespace qv::gui
