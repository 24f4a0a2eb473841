#pragma once
// Entering a draw: its winning numbers on the number boxes, up to three bonus numbers and
// its date. "Add To Database" inserts the draw into the open database and keeps the dialog
// open for the next one; "&OK" makes it the current winning numbers.

#include <QDialog>
#include <random>

#include "core/entry/draw_entry.h"

class QLabel;
class QPushButton;
class QSpinBox;

namespace qv::gui {

class ApplicationState;
class NumberGrid;
class TIntEdit;

class EnterWinnersDialog : public QDialog {
    Q_OBJECT

public:
    // Control ids, also the controls' object names.
    static constexpr int kClearAll = 204;
    static constexpr int kRandom = 501;
    static constexpr int kBonusNumbers = 507;
    static constexpr int kDate = 508;
    static constexpr int kAddToDatabase = 209;
    static constexpr int kMonth = 206;
    static constexpr int kDay = 207;
    static constexpr int kYear = 208;
    static constexpr int kNumbersInLotto = 210;
    static constexpr int kDraw = 211;  // the draw as it stands, numbers and bonus numbers
    static constexpr int kOk = 1;
    static constexpr int kCancel = 2;
    // The years the date picker offers.
    static constexpr int kFirstPickerYear = 0;
    static constexpr int kLastPickerYear = 3000;

    // K numbers drawn out of N; the date starts as `today`.
    EnterWinnersDialog(ApplicationState& state, const qv::EntryGame& game, const qv::Date& today,
                       QWidget* parent = nullptr);

    const qv::DrawEntry& entry() const { return entry_; }
    NumberGrid* boxes() const { return boxes_; }

    // The buttons, by id.
    void runCommand(int id);
    void accept() override;

private:
    void showEntry();
    void writeDateFields();
    void readDateFields();
    void clickNumber(int n);
    void addToDatabase();
    void pickDate();
    void pickBonusNumbers();

    ApplicationState& state_;
    qv::DrawEntry entry_;
    std::mt19937 random_;
    NumberGrid* boxes_ = nullptr;
    TIntEdit* month_ = nullptr;
    TIntEdit* day_ = nullptr;
    TIntEdit* year_ = nullptr;
    QSpinBox* lotto_ = nullptr;
    QLabel* drawLine_ = nullptr;
    QPushButton* addButton_ = nullptr;
};

// Command 150 (and the tool bar's 16668): the dialog for the game of the open database, or
// of the open ticket file, or 6 of 49, on today's date, run modally.
void enterWinnersCommand(ApplicationState& state, QWidget* parent);

}  // namespace qv::gui
