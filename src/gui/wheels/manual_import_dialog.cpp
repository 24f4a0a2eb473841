#include "gui/wheels/manual_import_dialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/wheels/wheel_info.h"
#include "gui/common/button_row.h"
#include "gui/common/number_grid.h"
#include "gui/common/user_interaction.h"
#include "gui/wheels/wheel_messages.h"

namespace qv::gui {

ManualImportDialog::ManualImportDialog(UserInteraction& ui, QWidget* parent, int numbersPerTicket,
                                       int numbersToWheel)
    : QDialog(parent), ui_(ui), entry_(numbersPerTicket, numbersToWheel) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    grid_ = new NumberGrid;
    connect(grid_, &NumberGrid::numberClicked, this, &ManualImportDialog::numberClicked);

    list_ = new QPlainTextEdit;
    list_->setObjectName(QString::number(kList));
    list_->setReadOnly(true);
    list_->setLineWrapMode(QPlainTextEdit::NoWrap);
    list_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00 00 00 00 00 00 ")) +
                           40);
    auto* listLabel = new QLabel(tr("Combinations Entered :"));
    listLabel->setBuddy(list_);

    auto* addButton = makeIdButton(kAdd, tr("&Add"));
    auto* pasteButton = makeIdButton(kPaste, tr("&Paste"));
    auto* doneButton = makeIdButton(kDone, tr("&Done"));
    auto* cancelButton = makeIdButton(kCancel, tr("&Cancel"));
    addButton->setDefault(true);
    connect(addButton, &QPushButton::clicked, this, &ManualImportDialog::add);
    connect(pasteButton, &QPushButton::clicked, this, &ManualImportDialog::paste);
    connect(doneButton, &QPushButton::clicked, this, &ManualImportDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &ManualImportDialog::reject);

    auto* side = new QVBoxLayout;
    side->addWidget(listLabel);
    side->addWidget(list_, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(grid_);
    top->addSpacing(12);
    top->addLayout(side);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addButton);
    buttons->addWidget(pasteButton);
    buttons->addStretch(1);
    buttons->addWidget(doneButton);
    buttons->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    refresh();
}

void ManualImportDialog::numberClicked(int number) {
    ui_.playSound(qv::EventSound::Click);
    entry_.click(number);
    refresh();
}

void ManualImportDialog::add() {
    ui_.playSound(qv::EventSound::Click);
    if (entry_.add() == qv::ManualImport::AddResult::WheelFull)
        ui_.showMessage(this,
                        {QMessageBox::Warning, tr("Enter Numbers"),
                         tr("A wheel holds at most %1 rows.").arg(qv::WheelInfo::kMaxRows), false});
    refresh();
}

void ManualImportDialog::paste() {
    ui_.playSound(qv::EventSound::Click);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText()) return;
    if (const auto problem = entry_.paste(data->text().toStdString())) {
        ui_.showMessage(this, {QMessageBox::Warning, tr("Bad Import Format"),
                               wheelTextProblemMessage(*problem, entry_.numbersToWheel(),
                                                       qv::WheelTextSource::Paste),
                               false});
    }
    refresh();
}

void ManualImportDialog::accept() {
    ui_.playSound(qv::EventSound::Click);
    QDialog::accept();
}

void ManualImportDialog::reject() {
    ui_.playSound(qv::EventSound::Click);
    QDialog::reject();
}

void ManualImportDialog::refresh() {
    grid_->display(entry_.choice().boxes());
    const qv::ManualImport::Caption caption = entry_.captionState();
    switch (caption.kind) {
        case qv::ManualImport::Caption::Kind::Start:
            setWindowTitle(tr("Enter Numbers"));
            break;
        case qv::ManualImport::Caption::Kind::Full:
            setWindowTitle(tr("Select Add Ticket Button"));
            break;
        case qv::ManualImport::Caption::Kind::Left:
            setWindowTitle(caption.count == 1 ? tr("Choose 1 More Number")
                                              : tr("Choose %1 More Numbers").arg(caption.count));
            break;
        case qv::ManualImport::Caption::Kind::AfterAdd:
            setWindowTitle(tr("Select %1 more numbers").arg(caption.count));
            break;
    }
    const auto& lines = entry_.listing();
    for (; listed_ < static_cast<int>(lines.size()); ++listed_)
        list_->appendPlainText(QString::fromStdString(lines[static_cast<std::size_t>(listed_)]));
}

}  // namespace qv::gui
