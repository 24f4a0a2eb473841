#pragma once
// What the program asks of the user and of the desktop: choosing a file, a message or a
// question, a sound, another program or a web page. The application state holds the one in
// use; window tests put a fake in its place that notes each request and answers it.

#include <QMessageBox>
#include <QString>
#include <utility>

#include "core/options/sound_options.h"

class QUrl;
class QWidget;

namespace qv::gui {

class SoundPlayer;

struct FileRequest {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    QString title;
    QString filter;
    QString defaultSuffix;
    QString selected;  // the name filled in, or the file whose directory to start in
    // Saving: the dialog asks before an existing file is chosen. Off for callers that ask
    // their own question about an existing file.
    bool confirmOverwrite = true;
    // A request for a file of `filter`, given `suffix` when the user types none.
    static FileRequest of(Mode mode, QString title, QString filter, QString suffix) {
        FileRequest request;
        request.mode = mode;
        request.title = std::move(title);
        request.filter = std::move(filter);
        request.defaultSuffix = std::move(suffix);
        return request;
    }
};

// A message box with an icon; a question is answered Yes or No.
struct UserMessage {
    QMessageBox::Icon icon = QMessageBox::Warning;
    QString caption;
    QString text;
    bool question = false;
    // Which answer Enter gives to a question.
    bool yesByDefault = true;
};

class UserInteraction {
public:
    virtual ~UserInteraction() = default;

    // The chosen file's full native path, or an empty string when the user cancelled.
    // Opening asks for an existing file.
    virtual QString chooseFile(QWidget* parent, const FileRequest& request) = 0;
    // Shows the message; true when a question was answered Yes.
    virtual bool showMessage(QWidget* parent, const UserMessage& message) = 0;
    virtual void playSound(qv::EventSound sound) = 0;
    // Starts a program of its own, not waited for; false when it could not be started.
    virtual bool startProgram(const QString& program) = 0;
    // Opens an address in the desktop's browser; false when none could be started.
    virtual bool openUrl(const QUrl& url) = 0;

    // A failure the user must know of: a warning with an OK button.
    void showProblem(QWidget* parent, const QString& caption, const QString& text);
    // A Yes/No question; Enter answers Yes unless `yesByDefault` is false.
    bool askYesNo(QWidget* parent, const QString& caption, const QString& text,
                  bool yesByDefault = true);
    // "This command is not available yet.", for a command whose window has not been built.
    void showNotAvailableYet(QWidget* parent);
    // "&New Logo" and the windows' "Change &Background...": an existing bitmap file, starting
    // beside `current`. A path too long for the settings file is refused with a message, as
    // it would be cut short there.
    QString chooseBitmapFile(QWidget* parent, const QString& current = QString());
};

// The real thing: file dialogs, message boxes, the sound player, the desktop's programs.
class DesktopInteraction : public UserInteraction {
public:
    explicit DesktopInteraction(SoundPlayer& sounds) : sounds_(sounds) {}

    QString chooseFile(QWidget* parent, const FileRequest& request) override;
    bool showMessage(QWidget* parent, const UserMessage& message) override;
    void playSound(qv::EventSound sound) override;
    bool startProgram(const QString& program) override;
    bool openUrl(const QUrl& url) override;

private:
    SoundPlayer& sounds_;
};

}  // namespace qv::gui
