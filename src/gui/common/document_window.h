#pragma once
// The window of an open document, the database or a ticket file: a view over the document
// with a row of buttons under it ("&As" under "&Save"), that saves the document, saves it
// under another name and closes it. It closes only through its "Close File" or at exit;
// closing it closes the document.

#include <QDialog>
#include <QMessageBox>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "core/options/sound_options.h"
#include "core/util/io_result.h"
#include "gui/common/button_row.h"
#include "gui/common/document.h"
#include "gui/common/user_interaction.h"

class QPushButton;

namespace qv::gui {

class ApplicationState;

class DocumentWindow : public QDialog, public DocumentView {
    Q_OBJECT

public:
    // The buttons every document window has, also their object names.
    static constexpr int kSave = 107;
    static constexpr int kSaveAs = 112;
    static constexpr int kCloseFile = 106;
    // The placement rules measure the outer window; this is what a caption and its borders
    // add to the inside.
    static constexpr int kFrameAllowance = 25;
    // Between the view and the buttons, and between the buttons.
    static constexpr int kButtonGap = 6;

    ApplicationState& state() const { return state_; }

    ~DocumentWindow() override;

    // DocumentView. Saves under the document's name, or Save As when it has none or it cannot
    // be written there; false when nothing was saved.
    bool save() override;
    QPoint windowPosition() const override { return pos(); }
    QWidget* widget() override { return this; }

    bool isModified() const { return document_ && document_->isModified(); }

    bool saveAs();
    // Asks to save a modified document; false when the user kept it open.
    bool closeFile();
    // The buttons and the view's menu commands, by id.
    virtual void runCommand(int id) = 0;

    // The close question, replaceable so tests can answer.
    using Question =
        std::function<QMessageBox::StandardButton(const QString& text, const QString& caption)>;
    void setCloseQuestion(Question question) { askClose_ = std::move(question); }

    // Escape does nothing.
    void reject() override {}

protected:
    // Shows `document`, which stays open while the window is.
    DocumentWindow(ApplicationState& state, Document& document, QWidget* parent);

    // The Save As dialog's title, filter and suffix.
    virtual FileRequest saveAsRequest() const = 0;
    // Why a save failed, with the path as %1 and the system's reason as %2.
    virtual QString cannotSaveText() const = 0;
    // The name the next start opens the document under.
    virtual void rememberPath(const std::string& path) = 0;
    // The save "Save File Before Closing ?" asks for.
    virtual bool saveBeforeClosing() { return save(); }
    // The document closes: the window's position is remembered. The application closes the
    // document after this.
    virtual void documentClosing() = 0;
    virtual void layOut() = 0;

    // The buttons in the order they stand, "&As" going under "&Save".
    QPushButton* makeButton(int id, const QString& text);
    // The tab order from `view` along the buttons, "&As" right after "&Save".
    void chainTabOrder(QWidget* view);
    ButtonRow buttonRow() const;
    void click(qv::EventSound sound = qv::EventSound::Click);

    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    ApplicationState& state_;
    std::vector<QPushButton*> buttons_;
    QPushButton* saveAsButton_ = nullptr;

private:
    // Unregisters from the document and closes it.
    void release();

    QPointer<Document> document_;
    Question askClose_;
    bool closing_ = false;
};

}  // namespace qv::gui
