#pragma once
// The My Numbers list editor: 100 boxes, checked for the numbers in the list, which keeps
// the order they were checked in.

#include <QDialog>
#include <QString>
#include <array>
#include <vector>

#include "core/options/number_list.h"

class QCheckBox;

namespace qv::gui {

class ApplicationState;

class TMyNumberList : public QDialog {
    Q_OBJECT

public:
    static constexpr int kFirstBoxId = 101;  // 101..200 for the numbers 1..100
    static constexpr int kClearAll = 204;

    // Edits `numbers` (the caller's copy) in place; `name` is shown in the caption after its
    // last "\" or "/". While the editor is open the application's editor-open flag is set.
    TMyNumberList(ApplicationState& state, std::vector<int>& numbers, const QString& name,
                  QWidget* parent = nullptr);
    ~TMyNumberList() override;

    QCheckBox* box(int number) const;
    void toggle(int number);
    void clearAll();
    void accept() override;
    void reject() override;

private:
    void showBoxes();
    void click();

    ApplicationState& state_;
    std::vector<int>& numbers_;
    qv::NumberListEditor editor_;
    std::array<QCheckBox*, 100> boxes_{};
};

}  // namespace qv::gui
