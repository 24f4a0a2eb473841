#include "gui/wheels/wheel_messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "core/wheels/wheel_info.h"
#include "gui/common/user_interaction.h"

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
                        ? tr("The pasted text contains illegal char %1 on line %2.")
                        : tr("This file contains illegal char %1 on line %2."))
                .arg(QString::fromStdString(qv::readableCharacter(problem.character)))
                .arg(problem.line);
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

void saveWheelAs(UserInteraction& ui, QWidget* parent, const QString& caption,
                 const qv::WheelInfo& wheel, QString folder,
                 const std::function<QString(const QString& folder, const QString& suffix)>& offer,
                 const std::function<void(const QString&)>& saved) {
    FileRequest request =
        FileRequest::of(FileRequest::Mode::Save, tr("Save Wheel File As"),
                        tr("Quorvantile Wheel File (*.wl%1)").arg(wheel.numbersPerTicket),
                        QStringLiteral("wl%1").arg(wheel.numbersPerTicket));
    // The installed library may be read-only.
    if (!QFileInfo(folder).isWritable()) folder = QDir::homePath();
    request.selected = offer(folder, request.defaultSuffix);
    const QString path = ui.chooseFile(parent, request);
    if (path.isEmpty()) return;
    const qv::IoResult written =
        qv::saveWheelFile(QDir::toNativeSeparators(path).toStdString(), wheel);
    if (!written) {
        ui.showProblem(
            parent, caption,
            tr("The wheel %1 could not be written:\n%2")
                .arg(QDir::toNativeSeparators(path), QString::fromStdString(written.message)));
        return;
    }
    if (saved) saved(path);
}

}  // namespace qv::gui
