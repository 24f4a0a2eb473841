#pragma once
// The words for a refused wheel text; saving a wheel the user names.

#include <QString>
#include <functional>

#include "core/records/wheel_record.h"
#include "core/wheels/wheel_text.h"

class QWidget;

namespace qv::gui {

class UserInteraction;

// Why a text file or pasted text was refused, naming the character or the line.
QString wheelTextProblemMessage(const qv::WheelTextProblem& problem, int numbersToWheel,
                                qv::WheelTextSource source);

// "Save Wheel File As": the user confirms the name `offer` gives for the folder (`folder`,
// or the home folder when that cannot be written) and the wheel file's suffix; the wheel is
// saved there and `saved` hears of the path. A failure is shown under `caption`.
void saveWheelAs(UserInteraction& ui, QWidget* parent, const QString& caption,
                 const qv::WheelInfo& wheel, QString folder,
                 const std::function<QString(const QString& folder, const QString& suffix)>& offer,
                 const std::function<void(const QString&)>& saved);

}  // namespace qv::gui
