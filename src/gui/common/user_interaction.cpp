#include "gui/common/user_interaction.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QProcess>
#include <QUrl>

#include "core/options/settings.h"
#include "core/util/text.h"
#include "gui/common/sound_player.h"

namespace qv::gui {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("FileDialogs", text);
}

}  // namespace

void UserInteraction::showProblem(QWidget* parent, const QString& caption, const QString& text) {
    showMessage(parent, {QMessageBox::Warning, caption, text, false});
}

bool UserInteraction::askYesNo(QWidget* parent, const QString& caption, const QString& text,
                               bool yesByDefault) {
    return showMessage(parent, {QMessageBox::Question, caption, text, true, yesByDefault});
}

void UserInteraction::showNotAvailableYet(QWidget* parent) {
    showProblem(
        parent, QCoreApplication::translate("qv::gui::Commands", "Quorvantile"),
        QCoreApplication::translate("qv::gui::Commands", "This command is not available yet."));
}

QString UserInteraction::chooseBitmapFile(QWidget* parent, const QString& current) {
    FileRequest request = FileRequest::of(FileRequest::Mode::Open, tr("Select Bitmap File"),
                                          tr("Bitmap (*.bmp)"), QStringLiteral("bmp"));
    request.selected = current;
    const QString chosen = chooseFile(parent, request);
    if (chosen.isEmpty()) return {};
    if (qv::utf8Length(chosen.toStdString()) > qv::DeskTopType::kPathChars) {
        showProblem(parent, request.title,
                    tr("The name of this file is too long to be kept in the settings. Choose a "
                       "file with a shorter path."));
        return {};
    }
    return chosen;
}

QString DesktopInteraction::chooseFile(QWidget* parent, const FileRequest& request) {
    QString startDir;
    if (!request.selected.isEmpty()) startDir = QFileInfo(request.selected).absolutePath();
    QFileDialog dialog(parent, request.title, startDir, request.filter);
    const bool save = request.mode == FileRequest::Mode::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (save && !request.confirmOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (save && !request.selected.isEmpty()) dialog.selectFile(request.selected);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return QDir::toNativeSeparators(
        QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath());
}

bool DesktopInteraction::showMessage(QWidget* parent, const UserMessage& message) {
    QMessageBox box(message.icon, message.caption, message.text,
                    message.question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    parent);
    if (message.question) {
        box.setDefaultButton(message.yesByDefault ? QMessageBox::Yes : QMessageBox::No);
        // A window manager cuts a caption wider than its box: the box is made wide enough for
        // the caption and the title bar's buttons.
        if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
            const int wanted = box.fontMetrics().horizontalAdvance(message.caption) * 5 / 4 + 160;
            grid->addItem(new QSpacerItem(wanted, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                          grid->rowCount(), 0, 1, grid->columnCount());
        }
    }
    return box.exec() == QMessageBox::Yes;
}

void DesktopInteraction::playSound(qv::EventSound sound) {
    sounds_.playEvent(sound);
}

bool DesktopInteraction::startProgram(const QString& program) {
    return QProcess::startDetached(program, QStringList());
}

bool DesktopInteraction::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

}  // namespace qv::gui
