#include "gui/entry/modify_entries_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "core/database/draw_database.h"
#include "gui/common/application_state.h"
#include "gui/common/button_row.h"
#include "gui/common/command_rows.h"
#include "gui/common/user_interaction.h"
#include "gui/database/database_dialog.h"
#include "gui/entry/int_edit.h"

namespace qv::gui {

ModifyEntriesDialog::ModifyEntriesDialog(ApplicationState& state, DatabaseDocument& document,
                                         QWidget* window, qv::ModifyEntries& edit)
    : QDialog(window), state_(state), document_(document), ui_(state.interaction()), edit_(edit) {
    setWindowTitle(tr("Modify DataBase Entries"));

    entries_ = new QComboBox;
    entries_->setObjectName(QString::number(kEntries));
    const std::string lineFormat = tr("%d-%d-%d").toStdString();
    for (const std::string& line : edit_.lines(lineFormat))
        entries_->addItem(QString::fromStdString(line));
    entries_->setMinimumContentsLength(11);
    auto* dateBox = new QGroupBox(tr("Date:"));
    auto* dateLayout = new QHBoxLayout(dateBox);
    dateLayout->addWidget(entries_);
    dateLayout->addStretch(1);

    auto* numbersBox = new QGroupBox(tr("Numbers:"));
    auto* numbersLayout = new QHBoxLayout(numbersBox);
    numbersLayout->setSpacing(4);
    for (std::size_t i = 0; i < qv::ModifyEntries::kFields; ++i) {
        const bool isBonus = i >= qv::ModifyEntries::kNumberFields;
        const int id = isBonus ? kFirstBonus + int(i - qv::ModifyEntries::kNumberFields)
                               : kFirstNumber + int(i);
        if (i == qv::ModifyEntries::kNumberFields) {
            auto* plus = new QLabel(QStringLiteral("+"));
            QFont bold = plus->font();
            bold.setBold(true);
            plus->setFont(bold);
            numbersLayout->addSpacing(6);
            numbersLayout->addWidget(plus);
            numbersLayout->addSpacing(6);
        }
        fields_[i] = new TIntEdit(id, qv::kNumberField);
        numbersLayout->addWidget(fields_[i]);
    }

    auto makeButton = [this](int id, const QString& text) {
        auto* b = makeIdButton(id, text);
        connect(b, &QPushButton::clicked, this, [this, id] { runCommand(id); });
        return b;
    };
    QPushButton* ok = makeButton(kOk, tr("&OK"));
    QPushButton* updateButton = makeButton(kUpdate, tr("&Update"));
    QPushButton* deleteButton = makeButton(kDelete, tr("&Delete"));
    QPushButton* cancel = makeButton(kCancel, tr("&Cancel"));
    QPushButton* attributes = makeButton(kAttributes, tr("Database Attributes >>"));
    ok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    cancel->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(updateButton);
    buttons->addWidget(deleteButton);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    buttons->addWidget(attributes);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dateBox);
    layout->addWidget(numbersBox);
    layout->addSpacing(4);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(entries_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0) return;
        edit_.select(std::size_t(index));
        showSelected();
    });
    if (const auto selected = edit_.selected()) entries_->setCurrentIndex(int(*selected));
    showSelected();
    entries_->setFocus();
}

TIntEdit* ModifyEntriesDialog::field(int id) const {
    for (TIntEdit* f : fields_)
        if (f->objectName() == QString::number(id)) return f;
    return nullptr;
}

void ModifyEntriesDialog::showSelected() {
    const auto values = edit_.shownValues();
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        fields_[i]->clear();
        if (values) fields_[i]->setValue((*values)[i]);
    }
}

void ModifyEntriesDialog::runCommand(int id) {
    runCommandRow<ModifyEntriesDialog>(*this,
                                       {
                                           {kOk, &ModifyEntriesDialog::accept},
                                           {kCancel, &ModifyEntriesDialog::reject},
                                           {kUpdate, &ModifyEntriesDialog::update},
                                           {kDelete, &ModifyEntriesDialog::deleteSelected},
                                           {kAttributes, &ModifyEntriesDialog::editAttributes},
                                       },
                                       id);
}

void ModifyEntriesDialog::update() {
    ui_.playSound(qv::EventSound::Click);
    qv::ModifyEntries::Texts texts;
    for (std::size_t i = 0; i < fields_.size(); ++i) texts[i] = fields_[i]->text().toStdString();
    const qv::ModifyEntries::Values values = qv::ModifyEntries::valuesFromTexts(texts);
    if (const auto problem = edit_.problemWith(values)) {
        ui_.showProblem(
            this, windowTitle(),
            QString::fromStdString(qv::numberProblemText(*problem, edit_.selectedName())));
        return;
    }
    if (!edit_.update(values)) return;
    // The fields show what was stored: a refused value shows the place's old one again.
    showSelected();
}

void ModifyEntriesDialog::deleteSelected() {
    ui_.playSound(qv::EventSound::Click);
    const auto selected = edit_.selected();
    if (!selected || !edit_.removeSelected()) return;
    {
        const QSignalBlocker block(entries_);
        entries_->removeItem(int(*selected));
        if (const auto now = edit_.selected()) entries_->setCurrentIndex(int(*now));
    }
    showSelected();
}

void ModifyEntriesDialog::editAttributes() {
    editDatabaseAttributes(state_, document_, parentWidget());
    edit_.adoptAttributes(document_.database().header());
}

void ModifyEntriesDialog::accept() {
    ui_.playSound(qv::EventSound::Click);
    QDialog::accept();
}

void modifyEntriesCommand(ApplicationState& state, QWidget* window) {
    DatabaseDocument* document = state.databaseDocument();
    if (!document) return;
    const qv::DrawDatabase& database = document->database();
    qv::ModifyEntries edit(database.header(), database.entries());
    ModifyEntriesDialog dialog(state, *document, window, edit);
    if (dialog.exec() != QDialog::Accepted || !edit.isChanged()) return;
    const int lottoBefore = database.header().numbersInLotto;
    document->replace(edit.header(), edit.entries());
    reportNumbersInLotto(state, *document, lottoBefore, QString());
}

}  // namespace qv::gui
