#include "gui/common/file_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "core/options/settings.h"
#include "core/util/text.h"

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

QString tr(const char* text) {
    return QCoreApplication::translate("FileDialogs", text);
}

}  // namespace

QString chooseFile(QWidget* parent, const FileRequest& request) {
    if (const FileChooser& hook = fileChooserHook()) return hook(parent, request);

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

QString chooseBitmapFile(QWidget* parent, const QString& current) {
    FileRequest request;
    request.mode = FileRequest::Mode::Open;
    request.title = tr("Select Bitmap File");
    request.filter = tr("Bitmap (*.bmp)");
    request.defaultSuffix = QStringLiteral("bmp");
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

void showNotAvailableYet(QWidget* parent) {
    showProblem(
        parent, QCoreApplication::translate("qv::gui::Commands", "Quorvantile"),
        QCoreApplication::translate("qv::gui::Commands", "This command is not available yet."));
}

}  // namespace qv::gui
