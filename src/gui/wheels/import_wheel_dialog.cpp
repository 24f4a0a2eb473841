#include "gui/wheels/import_wheel_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/app/commands.h"
#include "core/util/file_io.h"
#include "core/wheels/guarantee.h"
#include "core/wheels/wheel_text.h"
#include "gui/common/button_row.h"
#include "gui/common/save_paths.h"
#include "gui/common/user_interaction.h"
#include "gui/wheels/guarantee_check.h"
#include "gui/wheels/manual_import_dialog.h"
#include "gui/wheels/wheel_messages.h"
#include "gui/wheels/wheel_terms_fields.h"

namespace qv::gui {

ImportWheelDialog::ImportWheelDialog(UserInteraction& ui, QWidget* parent,
                                     std::function<void()> showHelp, Folders folders)
    : QDialog(parent), showHelp_(std::move(showHelp)), folders_(std::move(folders)), ui_(ui) {
    setWindowTitle(tr("Import Wheeling Table"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    description_ = new QLineEdit(tr("Description"));
    description_->setObjectName(QString::number(kDescription));
    description_->setMaxLength(static_cast<int>(qv::WheelInfo::kMaxDescriptionChars));
    description_->setMinimumWidth(fontMetrics().averageCharWidth() * 28);

    numbersToWheel_ = terms_.numbersToWheel;
    guarantee_ = terms_.guarantee;
    guaranteeIf_ = terms_.guaranteeIf;
    numbersPerTicket_ = terms_.numbersPerTicket;

    textFile_ = new QRadioButton(tr("&Text File"));
    textFile_->setObjectName(QString::number(kTextFile));
    enterManually_ = new QRadioButton(tr("&Enter Manually"));
    enterManually_->setObjectName(QString::number(kEnterManually));
    enterManually_->setChecked(true);
    auto* method = new QButtonGroup(this);
    method->addButton(textFile_);
    method->addButton(enterManually_);

    confirm_ = new QCheckBox(tr("&Confirm Guarantee  (pick 4 - 6 only)"));
    confirm_->setObjectName(QString::number(kConfirm));

    auto* fields = new QGridLayout;
    fields->addWidget(buddyLabel(tr("Wheel Description :"), description_), 0, 0);
    fields->addWidget(description_, 0, 1, 1, 4);
    terms_.addTo(fields, 1, 4);
    fields->setColumnStretch(4, 1);

    auto* methodFrame = new QFrame;
    methodFrame->setFrameShape(QFrame::StyledPanel);
    methodFrame->setFrameShadow(QFrame::Sunken);
    auto* methodLayout = new QVBoxLayout(methodFrame);
    methodLayout->addWidget(textFile_);
    methodLayout->addWidget(enterManually_);
    methodLayout->addSpacing(4);
    methodLayout->addWidget(confirm_);

    auto* nextButton = makeIdButton(kNext, tr("&Next"));
    connect(nextButton, &QPushButton::clicked, this, &ImportWheelDialog::next);
    const SideButtons buttons = makeSideButtonColumn(this, ui_, {nextButton}, kDone, kHelp, [this] {
        if (showHelp_) showHelp_();
    });

    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addSpacing(6);
    left->addWidget(methodFrame);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addSpacing(10);
    layout->addLayout(buttons.column);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(description_, numbersToWheel_);
    setTabOrder(numbersToWheel_, guarantee_);
    setTabOrder(guarantee_, guaranteeIf_);
    setTabOrder(guaranteeIf_, numbersPerTicket_);
    setTabOrder(numbersPerTicket_, textFile_);
    setTabOrder(textFile_, enterManually_);
    setTabOrder(enterManually_, confirm_);
    setTabOrder(confirm_, nextButton);
    setTabOrder(nextButton, buttons.done);
    setTabOrder(buttons.done, buttons.help);
    description_->setFocus();
}

qv::WheelInfo ImportWheelDialog::wheelFromControls() {
    const qv::GuaranteeTerms terms = terms_.terms();
    qv::WheelInfo wheel;
    wheel.description = description_->text().toStdString();
    wheel.numbersToWheel = static_cast<std::int16_t>(terms.numbersToWheel);
    wheel.guarantee = static_cast<std::int16_t>(terms.guarantee);
    wheel.guaranteeIf = static_cast<std::int16_t>(terms.guaranteeIf);
    wheel.numbersPerTicket = static_cast<std::int16_t>(terms.numbersPerTicket);
    wheel.ticketCount = 0;
    return wheel;
}

void ImportWheelDialog::next() {
    ui_.playSound(qv::EventSound::Click);
    qv::WheelInfo wheel = wheelFromControls();
    if (const std::string why = qv::impossibleTermsReason(qv::GuaranteeTerms::of(wheel));
        !why.empty()) {
        ui_.showProblem(this, tr("Import Wheeling Table"),
                        tr("No wheel can keep these terms: %1.").arg(QString::fromStdString(why)));
        return;
    }
    const auto rows = enterRows(wheel);
    if (!rows || rows->empty()) return;
    wheel.setRows(*rows);
    if (confirm_->isChecked()) confirmGuarantee(ui_, this, wheel);
    lastWheel_ = wheel;
    save(wheel);
}

std::optional<std::vector<qv::TicketType>> ImportWheelDialog::enterRows(
    const qv::WheelInfo& wheel) {
    if (textFile_->isChecked()) return readTextFile(wheel);
    ManualImportDialog entry(ui_, this, wheel.numbersPerTicket, wheel.numbersToWheel);
    if (entry.exec() != QDialog::Accepted) return std::nullopt;
    return entry.rows();
}

std::optional<std::vector<qv::TicketType>> ImportWheelDialog::readTextFile(
    const qv::WheelInfo& wheel) {
    FileRequest request = FileRequest::of(FileRequest::Mode::Open, tr("Select Text File to Import"),
                                          tr("Text Files (*.txt)"), QStringLiteral("txt"));
    const QString path = ui_.chooseFile(this, request);
    if (path.isEmpty()) return std::nullopt;
    const auto text = qv::readTextFile(QDir::toNativeSeparators(path).toStdString());
    if (!text) {
        ui_.showProblem(this, tr("Import Wheeling Table"),
                        tr("The file %1 could not be read.").arg(QDir::toNativeSeparators(path)));
        return std::nullopt;
    }
    qv::WheelTextRows read = qv::readWheelText(*text, wheel.numbersPerTicket, wheel.numbersToWheel);
    if (read.problem) {
        ui_.showMessage(this, {QMessageBox::Warning, tr("Bad Import Format"),
                               wheelTextProblemMessage(*read.problem, wheel.numbersToWheel,
                                                       qv::WheelTextSource::File),
                               false});
        return std::nullopt;
    }
    return std::move(read.rows);
}

void ImportWheelDialog::save(const qv::WheelInfo& wheel) {
    // Named after its description, where "Use Wheeling Table..." looks for wheels; the wheel
    // picker opens beside it from now on.
    saveWheelAs(
        ui_, this, tr("Import Wheeling Table"), wheel,
        folders_.saveFolder ? folders_.saveFolder() : QString(),
        [&wheel](const QString& folder, const QString& suffix) {
            return suggestedSavePath(folder, QString::fromStdString(wheel.description),
                                     QStringLiteral("wheel"), suffix);
        },
        folders_.saved);
}

void ImportWheelDialog::reject() {
    ui_.playSound(qv::EventSound::Click);
    QDialog::reject();
}

void installWheelImportCommands(UserInteraction& ui, QWidget* frame,
                                const std::function<void(int, std::function<void()>)>& registrar,
                                std::function<void()> showHelp,
                                ImportWheelDialog::Folders folders) {
    registrar(qv::cmd::kImportWheelingTable, [&ui, frame, showHelp, folders] {
        ImportWheelDialog dialog(ui, frame, showHelp, folders);
        dialog.exec();
    });
}

}  // namespace qv::gui
