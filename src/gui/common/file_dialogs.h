#pragma once
// The program's file choices and failure messages, in one place so tests can answer them.

#include <QString>
#include <functional>

class QWidget;

namespace qv::gui {

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
};

// The chosen file's full native path, or an empty string when the user cancelled. Opening
// asks for an existing file.
using FileChooser = std::function<QString(QWidget* parent, const FileRequest& request)>;
QString chooseFile(QWidget* parent, const FileRequest& request);
// Replaces the file dialog; an empty function restores it.
void setFileChooser(FileChooser chooser);

// The file a save dialog offers: `name` made safe for a file name (characters a file name
// cannot hold become "-"; `fallback` when nothing is left) with `suffix`, in `folder` (the
// home folder when empty or gone).
QString suggestedSavePath(const QString& folder, const QString& name, const QString& fallback,
                          const QString& suffix);
// The folder of a file path, or an empty string for none.
QString folderOf(const QString& path);

// A failure the user must know of.
using MessageSink =
    std::function<void(QWidget* parent, const QString& caption, const QString& text)>;
void showProblem(QWidget* parent, const QString& caption, const QString& text);
// Replaces the message box; an empty function restores it.
void setMessageSink(MessageSink sink);
// A question answered Yes or No (No is the default); true for Yes.
using QuestionSink =
    std::function<bool(QWidget* parent, const QString& caption, const QString& text)>;
bool askYesNo(QWidget* parent, const QString& caption, const QString& text);
// Replaces the question box; an empty function restores it.
void setQuestionSink(QuestionSink sink);
// "This command is not available yet.", for a command whose window has not been built.
void showNotAvailableYet(QWidget* parent);

// "&New Logo" and the windows' "Change &Background...": an existing bitmap file, starting
// beside `current`. A path too long for the settings file is refused with a message, as it
// would be cut short there.
QString chooseBitmapFile(QWidget* parent, const QString& current = QString());

}  // namespace qv::gui
