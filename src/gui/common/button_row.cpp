#include "gui/common/button_row.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/common/user_interaction.h"

namespace qv::gui {

int widestButton(const ButtonRow& row) {
    int widest = 0;
    for (const QPushButton* b : row.buttons) widest = std::max(widest, b->sizeHint().width());
    return widest;
}

void layOutButtonRow(const ButtonRow& row, int x, int y, int belowY, int room, int maxWidth,
                     int gap) {
    if (row.buttons.empty()) return;
    const int count = static_cast<int>(row.buttons.size());
    const int height = row.buttons.front()->sizeHint().height();
    const int width = std::max(40, std::min(maxWidth, (room - gap * (count - 1)) / count));
    for (int i = 0; i < count; ++i) {
        QPushButton* b = row.buttons[static_cast<std::size_t>(i)];
        b->setGeometry(x + i * (width + gap), y, width, height);
        if (b == row.above && row.under) row.under->setGeometry(b->x(), belowY, width, height);
    }
}

OkCancelButtons makeOkCancelButtons(QDialog* dialog, const QString& okText,
                                    const QString& cancelText, Qt::Orientation orientation) {
    OkCancelButtons made;
    made.box = new QDialogButtonBox(orientation);
    made.ok = made.box->addButton(okText, QDialogButtonBox::AcceptRole);
    made.cancel = made.box->addButton(cancelText, QDialogButtonBox::RejectRole);
    made.ok->setObjectName(QStringLiteral("1"));
    made.cancel->setObjectName(QStringLiteral("2"));
    made.ok->setIcon(dialog->style()->standardIcon(QStyle::SP_DialogOkButton));
    made.cancel->setIcon(dialog->style()->standardIcon(QStyle::SP_DialogCancelButton));
    QObject::connect(made.box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(made.box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return made;
}

QPushButton* makeIdButton(int id, const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::number(id));
    b->setAutoDefault(false);
    return b;
}

SideButtons makeSideButtonColumn(QDialog* dialog, UserInteraction& ui,
                                 std::initializer_list<QPushButton*> top, int doneId, int helpId,
                                 std::function<void()> showHelp) {
    SideButtons made;
    made.done = makeIdButton(doneId, QDialog::tr("&Done"));
    made.help = makeIdButton(helpId, QDialog::tr("&Help"));
    QObject::connect(made.done, &QPushButton::clicked, dialog, &QDialog::reject);
    QObject::connect(made.help, &QPushButton::clicked, dialog,
                     [&ui, showHelp = std::move(showHelp)] {
                         ui.playSound(qv::EventSound::Click);
                         if (showHelp) showHelp();
                     });
    made.column = new QVBoxLayout;
    for (QPushButton* b : top) made.column->addWidget(b);
    if (top.size() > 0) (*top.begin())->setDefault(true);
    made.column->addWidget(made.done);
    made.column->addStretch(1);
    made.column->addWidget(made.help);
    return made;
}

}  // namespace qv::gui
