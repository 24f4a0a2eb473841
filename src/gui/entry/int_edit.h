#pragma once
// An edit field for a whole number with a range and a width: typing that would leave
// anything but digits, or a value outside the range, is dropped as it is typed (or pasted).

#include <QLineEdit>
#include <optional>

#include "core/entry/int_edit.h"

namespace qv::gui {

class TIntEdit : public QLineEdit {
    Q_OBJECT

public:
    TIntEdit(int id, const qv::IntEditRange& range, QWidget* parent = nullptr);

    const qv::IntEditRange& range() const { return range_; }
    // The field's value as it is read: nullopt when empty, unreadable or out of range.
    std::optional<int> value() const;
    void setValue(int v);

private:
    qv::IntEditRange range_;
};

}  // namespace qv::gui
