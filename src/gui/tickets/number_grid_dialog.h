#pragma once
// What every number-picking dialog shares: the 100 boxes, "Numbers In Lotto", "&Random",
// "&Hot", "&Cold", "My Numbers" and "Clear &All", over a choice whose rules live in core. The
// dialogs differ in where the choice comes from and what OK does.

#include <QDialog>
#include <QString>
#include <random>
#include <vector>

#include "core/options/sound_options.h"
#include "core/tickets/number_choice.h"

class QBoxLayout;
class QLabel;
class QPushButton;
class QSpinBox;
class QVBoxLayout;

namespace qv::gui {

class ApplicationState;
class NumberGrid;

class NumberGridDialog : public QDialog {
    Q_OBJECT

public:
    // Control ids, also the controls' object names.
    static constexpr int kOk = 1;
    static constexpr int kCancel = 2;
    static constexpr int kRandom = 501;
    static constexpr int kHot = 502;
    static constexpr int kCold = 503;
    static constexpr int kMyNumbers = 504;
    static constexpr int kClearAll = 204;
    static constexpr int kNumbersInLotto = 205;

    NumberGrid* grid() const { return grid_; }
    QSpinBox* lottoField() const { return lottoField_; }
    // The boxes, the caption and the numbers in the lotto as the rules have them.
    void refresh();

    // The picks, as their buttons run them.
    void randomPick();
    void hotColdPick(qv::PickKind kind, bool next = false);
    void myNumbersPick(bool next = false);
    void clearAll();
    void clickNumber(int number);

protected:
    NumberGridDialog(ApplicationState& state, QWidget* parent);

    virtual qv::NumberChoice& choice() = 0;
    // The caption; empty keeps the dialog's title.
    virtual QString caption() = 0;
    virtual qv::BoxClick doClick(int number) { return choice().click(number); }
    virtual void doClearAll() { choice().clearAll(); }
    virtual std::vector<int> doRandom(std::mt19937& generator);
    virtual qv::NumberChoice::Picked doHotCold(qv::PickKind kind, const qv::PickList& list,
                                               bool next);
    virtual qv::NumberChoice::Picked doMyNumbers(const std::vector<int>& list, bool next);
    virtual bool doSetNumbersInLotto(int numbers) { return choice().setNumbersInLotto(numbers); }

    // A button in the column on the right, in the order added.
    QPushButton* addButton(int id, const QString& text);
    // A row of two buttons side by side ("&Hot" and its "Next").
    void addButtonPair(QPushButton* left, QPushButton* right);
    // The column on the right, and the row under the boxes that holds the fields.
    QVBoxLayout* buttonColumn() const { return buttons_; }
    QBoxLayout* fieldRow() const { return fields_; }
    // Top of the dialog, above the boxes.
    QVBoxLayout* topArea() const { return top_; }
    QPushButton* makeButton(int id, const QString& text);
    void playSound(qv::EventSound sound = qv::EventSound::Click);
    ApplicationState& state() const { return state_; }
    // The title shown until the choice first changes.
    void setTitle(const QString& title) { title_ = title; }
    const QString& title() const { return title_; }
    // Hot, Cold and My Numbers are offered only with their source.
    void enablePicks();

    QPushButton* hotButton_ = nullptr;
    QPushButton* coldButton_ = nullptr;
    QPushButton* myNumbersButton_ = nullptr;

private:
    void playChosen(std::size_t count);

    ApplicationState& state_;
    QString title_;
    NumberGrid* grid_ = nullptr;
    QSpinBox* lottoField_ = nullptr;
    QVBoxLayout* buttons_ = nullptr;
    QBoxLayout* fields_ = nullptr;
    QVBoxLayout* top_ = nullptr;
    std::mt19937 random_;
};

// A number and its label, as the fields under the boxes show them.
QSpinBox* makeNumberField(int id, int lo, int hi, QWidget* parent);

}  // namespace qv::gui
