#include "gui/database/create_database_dialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

#include "core/database/draw_database.h"
#include "gui/common/application_state.h"
#include "gui/common/button_row.h"
#include "gui/common/user_interaction.h"

namespace qv::gui {

namespace {

QSpinBox* makeSpin(int id, int maximum, int value) {
    auto* spin = new QSpinBox;
    spin->setObjectName(QString::number(id));
    spin->setRange(1, maximum);
    spin->setValue(value);
    spin->setAlignment(Qt::AlignRight);
    return spin;
}

}  // namespace

CreateDataBaseDialog::CreateDataBaseDialog(UserInteraction& ui, QWidget* parent,
                                           qv::DataHeader& header, std::string& link)
    : QDialog(parent), ui_(ui), header_(header), link_(link) {
    const qv::DatabaseAttributes start(header, link);

    numbersOnTicket_ = makeSpin(kNumbersOnTicket, qv::DatabaseAttributes::kMaxNumbersOnTicket,
                                start.numbersOnTicket());
    numbersInLotto_ = makeSpin(kNumbersInLotto, qv::DatabaseAttributes::kMaxNumbersInLotto,
                               start.numbersInLotto());

    description_ = new QLineEdit(QString::fromStdString(start.description()));
    description_->setObjectName(QString::number(kDescription));
    description_->setMaxLength(int(qv::DatabaseAttributes::kMaxDescriptionChars));
    description_->setMinimumWidth(fontMetrics().averageCharWidth() * 36);

    linkEdit_ = new QLineEdit(QString::fromStdString(start.link()));
    linkEdit_->setObjectName(QString::number(kLink));
    linkEdit_->setMaxLength(int(qv::DatabaseAttributes::kMaxLinkChars));

    auto* grid = new QGridLayout;
    auto addRow = [&](int row, const QString& text, QWidget* field, bool wide) {
        auto* label = new QLabel(text);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        if (wide) {
            grid->addWidget(field, row, 1, 1, 2);
        } else {
            grid->addWidget(field, row, 1);
        }
    };
    addRow(0, tr("Numbers on each ticket :"), numbersOnTicket_, false);
    addRow(1, tr("Numbers used in lotto :"), numbersInLotto_, false);
    addRow(2, tr("Description :"), description_, true);
    addRow(3, tr("URL to access updates :"), linkEdit_, true);
    grid->setColumnStretch(2, 1);

    const auto [buttons, ok, cancel] = makeOkCancelButtons(this, tr("&OK"), tr("&Cancel"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(numbersOnTicket_, numbersInLotto_);
    setTabOrder(numbersInLotto_, description_);
    setTabOrder(description_, linkEdit_);
    setTabOrder(linkEdit_, ok);
    setTabOrder(ok, cancel);
    ok->setDefault(true);
    numbersOnTicket_->setFocus();
}

void CreateDataBaseDialog::click() {
    ui_.playSound(qv::EventSound::Click);
}

void CreateDataBaseDialog::accept() {
    click();
    // A value typed but not yet confirmed still counts, within the control's range.
    numbersOnTicket_->interpretText();
    numbersInLotto_->interpretText();
    qv::DatabaseAttributes values;
    values.setNumbersOnTicket(numbersOnTicket_->value());
    values.setNumbersInLotto(numbersInLotto_->value());
    values.setDescription(description_->text().toStdString());
    values.setLink(linkEdit_->text().toStdString());
    values.applyTo(header_, link_);
    QDialog::accept();
}

void CreateDataBaseDialog::reject() {
    click();
    QDialog::reject();
}

void createDatabaseCommand(const ApplicationState& state, QWidget* frame) {
    qv::DataHeader header;  // no description, 49 numbers, 6 on a ticket, no entries
    std::string link;
    {
        CreateDataBaseDialog dialog(state.interaction(), frame, header, link);
        dialog.setWindowTitle(CreateDataBaseDialog::tr("Attributes for new database"));
        if (dialog.exec() != QDialog::Accepted) return;
    }

    FileRequest request;
    request.mode = FileRequest::Mode::Save;
    request.title = CreateDataBaseDialog::tr("Select Database");
    request.filter = CreateDataBaseDialog::tr("DataBase Files (*.dat)");
    request.defaultSuffix = QStringLiteral("dat");
    const QString path = state.interaction().chooseFile(frame, request);
    if (path.isEmpty()) return;

    const qv::IoResult written = qv::createDatabaseFile(
        QDir::toNativeSeparators(path).toStdString(), header, state.statisticsSettings(), link);
    if (!written) {
        state.interaction().showProblem(
            frame, CreateDataBaseDialog::tr("Create DataBase"),
            CreateDataBaseDialog::tr("The database %1 could not be written:\n%2")
                .arg(QDir::toNativeSeparators(path), QString::fromStdString(written.message)));
    }
}

}  // namespace qv::gui
