#pragma once
// The message boxes of the wheel dialogs, in one place so tests can answer them, and the words
// for a refused wheel text.

#include <QMessageBox>
#include <QString>
#include <functional>

#include "core/wheels/wheel_text.h"

class QWidget;

namespace qv::gui {

// A message box of the wheel dialogs. Questions are Yes/No.
struct WheelMessage {
    QMessageBox::Icon icon = QMessageBox::Warning;
    QString caption;
    QString text;
    bool question = false;
};
// Shows the message; true when a question was answered Yes.
using WheelMessenger = std::function<bool(QWidget* parent, const WheelMessage& message)>;
bool showWheelMessage(QWidget* parent, const WheelMessage& message);
// Replaces the message boxes (tests answer them); an empty function restores them.
void setWheelMessenger(WheelMessenger messenger);

// Why a text file or pasted text was refused, naming the character or the line.
QString wheelTextProblemMessage(const qv::WheelTextProblem& problem, int numbersToWheel,
                                qv::WheelTextSource source);

}  // namespace qv::gui
