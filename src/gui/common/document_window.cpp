#include "gui/common/document_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>

#include "gui/common/application_state.h"

namespace qv::gui {

namespace {

QString nativePath(const std::string& path) {
    return QDir::toNativeSeparators(QString::fromStdString(path));
}

}  // namespace

DocumentWindow::DocumentWindow(ApplicationState& state, Document& document, QWidget* parent)
    : QDialog(parent), state_(state), document_(&document) {
    setModal(false);
    document.setView(this);
    askClose_ = [this](const QString& text, const QString& caption) {
        return QMessageBox::question(this, caption, text,
                                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                     QMessageBox::Yes);
    };
}

DocumentWindow::~DocumentWindow() {
    release();
}

void DocumentWindow::release() {
    Document* document = document_;
    document_.clear();
    if (!document) return;
    if (document->view() == this) document->setView(nullptr);
    state_.closeDocument(document);
}

QPushButton* DocumentWindow::makeButton(int id, const QString& text) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::number(id));
    // Enter in the view must not press a button behind the user's back.
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, id] { runCommand(id); });
    if (id == kSaveAs) {
        saveAsButton_ = button;
    } else {
        buttons_.push_back(button);
    }
    return button;
}

void DocumentWindow::chainTabOrder(QWidget* view) {
    QWidget* previous = view;
    for (QPushButton* b : buttons_) {
        setTabOrder(previous, b);
        previous = b;
        if (b->objectName() == QString::number(kSave)) {
            setTabOrder(previous, saveAsButton_);
            previous = saveAsButton_;
        }
    }
}

ButtonRow DocumentWindow::buttonRow() const {
    return ButtonRow{buttons_, saveAsButton_, findChild<QPushButton*>(QString::number(kSave))};
}

void DocumentWindow::click(qv::EventSound sound) {
    state_.interaction().playSound(sound);
}

void DocumentWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    layOut();
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
    // The close box does nothing; "Close File" and the exit close the document.
    if (closing_) {
        event->accept();
    } else {
        event->ignore();
    }
}

bool DocumentWindow::save() {
    if (!document_) return false;
    const std::string path = document_->path();
    if (path.empty()) return saveAs();
    const qv::IoResult saved = document_->save();
    if (saved) {
        rememberPath(path);
        return true;
    }
    state_.interaction().showProblem(
        this, tr("Save"),
        cannotSaveText().arg(nativePath(path), QString::fromStdString(saved.message)) +
            tr("\n\nChoose another name to save it under."));
    return saveAs();
}

bool DocumentWindow::saveAs() {
    if (!document_) return false;
    FileRequest request = saveAsRequest();
    request.mode = FileRequest::Mode::Save;
    // A window may offer a name of its own for a document not saved yet.
    if (request.selected.isEmpty()) request.selected = nativePath(document_->path());
    const QString chosen = state_.interaction().chooseFile(this, request);
    if (chosen.isEmpty()) return false;

    const QString path = QDir::toNativeSeparators(QFileInfo(chosen).absoluteFilePath());
    const qv::IoResult saved = document_->saveAs(path.toStdString());
    if (!saved) {
        state_.interaction().showProblem(
            this, request.title, cannotSaveText().arg(path, QString::fromStdString(saved.message)));
        return false;
    }
    setWindowTitle(path);
    rememberPath(path.toStdString());
    return true;
}

bool DocumentWindow::closeFile() {
    click();
    if (isModified()) {
        const QMessageBox::StandardButton answer =
            askClose_(tr("Save File Before Closing ?"), tr("Quorvantile"));
        if (answer != QMessageBox::Yes && answer != QMessageBox::No) return false;
        // Closing after a save that did not happen would lose the changes.
        if (answer == QMessageBox::Yes && !saveBeforeClosing()) return false;
    }
    documentClosing();
    release();
    closing_ = true;
    hide();
    deleteLater();
    return true;
}

}  // namespace qv::gui
