#pragma once
// The words for a refused wheel text.

#include <QString>

#include "core/wheels/wheel_text.h"

namespace qv::gui {

// Why a text file or pasted text was refused, naming the character or the line.
QString wheelTextProblemMessage(const qv::WheelTextProblem& problem, int numbersToWheel,
                                qv::WheelTextSource source);

}  // namespace qv::gui
