#pragma once
// Confirming a wheel's guarantee from the import dialog: the search runs on a worker thread
// while the progress dialog shows its percentage and takes the Cancel; questions and messages
// appear on the window's thread.

#include "core/wheels/guarantee.h"
#include "gui/common/user_interaction.h"

class QWidget;

namespace qv::gui {

// Runs the guarantee check on the wheel, growing it when the user says so, and shows every
// message of the check, the verdict last.
qv::GuaranteeResult confirmGuarantee(UserInteraction& ui, QWidget* parent, qv::WheelInfo& wheel);

}  // namespace qv::gui
