#include "gui/database/create_database_dialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

#include "core/database/draw_database.h"
#include "gui/app/my_mdi_frame.h"
#include "gui/options/sound_player.h"

namespace qv::gui {

namespace {

FileChooser& fileChooserHook() {
    static FileChooser hook;
    return hook;
}

MessageSink& messageSinkHook() {
    static MessageSink hook;
    return hook;
}

QSpinBox* makeSpin(int id, int maximum, int value) {
    auto* spin = new QSpinBox;
    spin->setObjectName(QString::number(id));
    spin->setRange(1, maximum);
    spin->setValue(value);
    spin->setAlignment(Qt::AlignRight);
    return spin;
}

}  // namespace

CreateDataBaseDialog::CreateDataBaseDialog(QWidget* parent, qv::DataHeader& header,
                                           std::string& link)
    : QDialog(parent), header_(header), link_(link) {
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

    auto* buttons = new QDialogButtonBox;
    auto* ok = buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    auto* cancel = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    ok->setObjectName(QString::number(kOk));
    cancel->setObjectName(QString::number(kCancel));
    ok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    cancel->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    connect(buttons, &QDialogButtonBox::accepted, this, &CreateDataBaseDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CreateDataBaseDialog::reject);

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
    if (SoundPlayer* player = SoundPlayer::instance()) player->playEvent(SoundPlayer::kClick);
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

void createDatabaseCommand(TMyMDIFrame* frame) {
    if (!frame) return;
    qv::DataHeader header;  // no description, 49 numbers, 6 on a ticket, no entries
    std::string link;
    {
        CreateDataBaseDialog dialog(frame, header, link);
        dialog.setWindowTitle(CreateDataBaseDialog::tr("Attributes for new database"));
        if (dialog.exec() != QDialog::Accepted) return;
    }

    FileRequest request;
    request.mode = FileRequest::Mode::Save;
    request.title = CreateDataBaseDialog::tr("Select Database");
    request.filter = CreateDataBaseDialog::tr("DataBase Files (*.dat)");
    request.defaultSuffix = QStringLiteral("dat");
    const QString path = chooseFile(frame, request);
    if (path.isEmpty()) return;

    const std::string error = qv::createDatabaseFile(QDir::toNativeSeparators(path).toStdString(),
                                                     header, frame->statisticsSettings(), link);
    if (!error.empty()) {
        showProblem(frame, CreateDataBaseDialog::tr("Create DataBase"),
                    CreateDataBaseDialog::tr("The database %1 could not be written:\n%2")
                        .arg(QDir::toNativeSeparators(path), QString::fromStdString(error)));
    }
}

// --- File choices and messages -----------------------------------------------------------

QString chooseFile(QWidget* parent, const FileRequest& request) {
    if (const FileChooser& hook = fileChooserHook()) return hook(parent, request);

    QString startDir;
    if (!request.selected.isEmpty()) startDir = QFileInfo(request.selected).absolutePath();
    QFileDialog dialog(parent, request.title, startDir, request.filter);
    const bool save = request.mode == FileRequest::Mode::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (save && !request.selected.isEmpty()) dialog.selectFile(request.selected);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return QDir::toNativeSeparators(
        QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath());
}

void setFileChooser(FileChooser chooser) {
    fileChooserHook() = std::move(chooser);
}

void showProblem(QWidget* parent, const QString& caption, const QString& text) {
    if (const MessageSink& hook = messageSinkHook()) {
        hook(parent, caption, text);
        return;
    }
    QMessageBox::warning(parent, caption, text);
}

void setMessageSink(MessageSink sink) {
    messageSinkHook() = std::move(sink);
}

}  // namespace qv::gui
