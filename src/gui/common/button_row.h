#pragma once
// The row of buttons under the database and ticket lists, with "As" under "Save".

#include <vector>

class QPushButton;

namespace qv::gui {

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

}  // namespace qv::gui
