#include "gui/lists/number_list_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/application_state.h"
#include "gui/common/button_row.h"
#include "gui/common/sound_player.h"

namespace qv::gui {

TMyNumberList::TMyNumberList(ApplicationState& state, std::vector<int>& numbers,
                             const QString& name, QWidget* parent)
    : QDialog(parent), state_(state), numbers_(numbers), editor_(numbers) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowTitle(QString::fromStdString(
        qv::numberListCaption(name.toStdString(), tr("Edit Numbers for %s").toStdString())));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    for (int n = 1; n <= 100; ++n) {
        auto* b = new QCheckBox(QString::number(n), this);
        b->setObjectName(QString::number(kFirstBoxId + n - 1));
        b->setFocusPolicy(Qt::TabFocus);
        connect(b, &QCheckBox::clicked, this, [this, n] { toggle(n); });
        grid->addWidget(b, (n - 1) / 10, (n - 1) % 10);
        boxes_[static_cast<std::size_t>(n - 1)] = b;
    }

    auto button = [this](int id, const QString& text) { return makeIdButton(id, text, this); };
    QPushButton* ok = button(1, tr("&OK"));
    QPushButton* cancel = button(2, tr("&Cancel"));
    QPushButton* clear = button(kClearAll, tr("Clear &All"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(clear, &QPushButton::clicked, this, &TMyNumberList::clearAll);
    auto* column = new QVBoxLayout;
    column->setSpacing(6);
    column->addWidget(ok);
    column->addWidget(cancel);
    column->addSpacing(10);
    column->addWidget(clear);
    column->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 12);
    layout->setSpacing(14);
    layout->addLayout(grid);
    layout->addLayout(column);

    state_.setNumberListState(state_.flags().numberListInUse, true);
    showBoxes();
}

TMyNumberList::~TMyNumberList() {
    state_.setNumberListState(state_.flags().numberListInUse, false);
}

QCheckBox* TMyNumberList::box(int number) const {
    if (number < 1 || number > 100) return nullptr;
    return boxes_[static_cast<std::size_t>(number - 1)];
}

void TMyNumberList::click() {
    if (SoundPlayer* player = state_.soundPlayer()) player->playEvent(qv::EventSound::Click);
}

void TMyNumberList::showBoxes() {
    for (int n = 1; n <= 100; ++n) box(n)->setChecked(editor_.isChecked(n));
}

void TMyNumberList::toggle(int number) {
    click();
    editor_.toggle(number);
    showBoxes();
}

void TMyNumberList::clearAll() {
    editor_.clearAll();
    showBoxes();
}

void TMyNumberList::accept() {
    click();
    numbers_ = editor_.numbers();
    state_.setNumberListState(state_.flags().numberListInUse, false);
    QDialog::accept();
}

void TMyNumberList::reject() {
    click();
    state_.setNumberListState(state_.flags().numberListInUse, false);
    QDialog::reject();
}

}  // namespace qv::gui
