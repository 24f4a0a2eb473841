#pragma once
// The row of buttons under the database and ticket lists, with "As" under "Save"; the OK and
// Cancel of the dialogs; the column of buttons on the right of the wheel dialogs.

#include <QString>
#include <Qt>
#include <functional>
#include <initializer_list>
#include <vector>

class QDialog;
class QDialogButtonBox;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace qv::gui {

class UserInteraction;

struct ButtonRow {
    std::vector<QPushButton*> buttons;  // left to right
    QPushButton* under = nullptr;       // goes below `above`
    QPushButton* above = nullptr;
};

// The widest natural width of the row's buttons: they keep it however wide the window grows.
int widestButton(const ButtonRow& row);
// Lays the row out from `x` at `y` (the button below at `belowY`): each button as wide as the
// room shared out, but never wider than `maxWidth` nor narrower than 40 pixels.
void layOutButtonRow(const ButtonRow& row, int x, int y, int belowY, int room, int maxWidth,
                     int gap);

struct OkCancelButtons {
    QDialogButtonBox* box = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

// OK and Cancel (object names "1" and "2") with their tick and cross, wired to the dialog's
// accept() and reject().
OkCancelButtons makeOkCancelButtons(QDialog* dialog, const QString& okText,
                                    const QString& cancelText,
                                    Qt::Orientation orientation = Qt::Horizontal);

// A push button named by its control id, which the focus does not make the default button.
QPushButton* makeIdButton(int id, const QString& text, QWidget* parent = nullptr);

struct SideButtons {
    QVBoxLayout* column = nullptr;
    QPushButton* done = nullptr;
    QPushButton* help = nullptr;
};

// The column on the right of the wheel dialogs: `top` from the top down (the first is the
// default button), "&Done" (id `doneId`) that rejects the dialog, a stretch, then "&Help" (id
// `helpId`) that plays the click and calls `showHelp`.
SideButtons makeSideButtonColumn(QDialog* dialog, UserInteraction& ui,
                                 std::initializer_list<QPushButton*> top, int doneId, int helpId,
                                 std::function<void()> showHelp);

}  // namespace qv::gui
