#include "gui/entry/int_edit.h"

#include <QFontMetrics>
#include <QValidator>

namespace qv::gui {

namespace {

class RangeValidator : public QValidator {
public:
    RangeValidator(const qv::IntEditRange& range, QObject* parent)
        : QValidator(parent), range_(range) {}
    State validate(QString& input, int&) const override {
        return qv::isAcceptableTyping(input.toStdString(), range_) ? Acceptable : Invalid;
    }

private:
    qv::IntEditRange range_;
};

}  // namespace

TIntEdit::TIntEdit(int id, const qv::IntEditRange& range, QWidget* parent)
    : QLineEdit(parent), range_(range) {
    setObjectName(QString::number(id));
    setMaxLength(range.maxChars);
    setValidator(new RangeValidator(range, this));
    setAlignment(Qt::AlignRight);
    // Room for the widest value and the frame, no more.
    const QFontMetrics fm(font());
    setFixedWidth(fm.horizontalAdvance(QString(range.maxChars + 1, QLatin1Char('0'))) + 14);
}

std::optional<int> TIntEdit::value() const {
    return qv::readField(text().toStdString(), range_);
}

void TIntEdit::setValue(int v) {
    // Set directly: a stored value need not be one that could be typed.
    setText(QString::number(v));
}

}  // namespace qv::gui
