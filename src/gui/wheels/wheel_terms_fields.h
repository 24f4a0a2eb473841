#pragma once
// The fields that state a wheel's terms, as the import and generate dialogs show them:
// "Numbers To Wheel:", "Prize Guarantee :" G "if" I, and "Numbers Per Ticket:".

#include <QCoreApplication>
#include <QString>

#include "core/wheels/guarantee.h"

class QGridLayout;
class QLabel;
class QSpinBox;
class QWidget;

namespace qv::gui {

// A spin box whose object name is its control id.
QSpinBox* makeIdSpin(int id, int minimum, int maximum, int value);
// A label that moves the focus to `buddy` with its mnemonic.
QLabel* buddyLabel(const QString& text, QWidget* buddy);

class WheelTermsFields {
    Q_DECLARE_TR_FUNCTIONS(qv::gui::WheelTermsFields)

public:
    // Control ids, also the spin boxes' object names.
    static constexpr int kNumbersToWheel = 11;
    static constexpr int kGuarantee = 12;
    static constexpr int kGuaranteeIf = 13;
    static constexpr int kNumbersPerTicket = 14;

    // 10 numbers, "3 if 6", 6 per ticket; N from 1 to 100, G and I from 1 and P from 4 up to
    // the numbers a ticket holds.
    WheelTermsFields();

    // The three rows from `row` on, labels in column 0 and fields in column 1; the guarantee's
    // row spans `span` columns. Returns the row after them.
    int addTo(QGridLayout* grid, int row, int span);
    // The terms the fields hold, text being typed included.
    qv::GuaranteeTerms terms() const;

    QSpinBox* numbersToWheel = nullptr;
    QSpinBox* guarantee = nullptr;
    QSpinBox* guaranteeIf = nullptr;
    QSpinBox* numbersPerTicket = nullptr;
};

// The control ids the import and generate dialogs share: the terms' fields, "&Done" and
// "&Help".
struct WheelDialogIds {
    static constexpr int kNumbersToWheel = WheelTermsFields::kNumbersToWheel;
    static constexpr int kGuarantee = WheelTermsFields::kGuarantee;
    static constexpr int kGuaranteeIf = WheelTermsFields::kGuaranteeIf;
    static constexpr int kNumbersPerTicket = WheelTermsFields::kNumbersPerTicket;
    static constexpr int kDone = 511;
    static constexpr int kHelp = 998;
};

}  // namespace qv::gui
