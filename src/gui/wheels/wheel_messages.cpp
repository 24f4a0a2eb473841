#include "gui/wheels/wheel_messages.h"

#include <QCoreApplication>

#include "core/wheels/wheel_info.h"

namespace qv::gui {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("qv::gui::WheelMessages", text);
}

}  // namespace

QString wheelTextProblemMessage(const qv::WheelTextProblem& problem, int numbersToWheel,
                                qv::WheelTextSource source) {
    using Kind = qv::WheelTextProblem::Kind;
    switch (problem.kind) {
        case Kind::IllegalChar:
            return (source == qv::WheelTextSource::Paste
                        ? tr("The pasted text contains illegal char '%1'")
                        : tr("This file contains illegal char '%1'"))
                .arg(QString::fromStdString(problem.character));
        case Kind::LineTooLong:
            return tr("Line %1 is longer than %2 characters.")
                .arg(problem.line)
                .arg(qv::kMaxWheelTextLine);
        case Kind::OutOfRange:
            return tr("Line %1 holds %2, which is not a position from 1 to %3.")
                .arg(problem.line)
                .arg(problem.value)
                .arg(numbersToWheel);
        case Kind::Repeated:
            return tr("Line %1 holds the position %2 twice.").arg(problem.line).arg(problem.value);
        case Kind::TooManyRows:
            return tr("A wheel holds at most %1 rows; line %2 is one too many.")
                .arg(qv::WheelInfo::kMaxRows)
                .arg(problem.line);
    }
    return {};
}

}  // namespace qv::gui
