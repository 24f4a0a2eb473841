#pragma once
// The files the program has open, the draw database and the ticket file, as documents: each
// holds its data, its file name and its modified flag, is owned by ApplicationState, and
// signals its changes. The windows that show them are views: they edit through the document
// and follow its signals.

#include <QObject>
#include <QPoint>
#include <string>

#include "core/util/io_result.h"

class QWidget;

namespace qv::gui {

enum class DocumentSlot { Database, WheelTicketFile, ManualTicketFile };

// What the main frame needs at exit from the window showing a document.
class DocumentView {
public:
    virtual ~DocumentView() = default;
    // Saves the document, asking for another name when it has none or cannot be written
    // there; false when nothing was saved (the window has told the user).
    virtual bool save() = 0;
    // Top-left corner of the window, remembered in the settings at exit.
    virtual QPoint windowPosition() const = 0;
    // The window itself, for commands that place other windows beside it.
    virtual QWidget* widget() = 0;
};

class Document : public QObject {
    Q_OBJECT

public:
    virtual DocumentSlot slot() const = 0;
    // The file name; empty for a document never saved.
    virtual std::string path() const = 0;
    virtual bool isModified() const = 0;

    // Writes under path(); the modified flag is cleared only on success.
    qv::IoResult save();
    // As save, to `path`, which becomes the document's name on success.
    qv::IoResult saveAs(const std::string& path);

    // The window showing the document; it registers itself when it shows the document and
    // unregisters before it goes.
    DocumentView* view() const { return view_; }
    void setView(DocumentView* view) { view_ = view; }

signals:
    // The contents changed (after every edit).
    void changed();
    void modifiedChanged(bool modified);

protected:
    explicit Document(QObject* parent) : QObject(parent) {}

    virtual qv::IoResult write() = 0;
    virtual qv::IoResult writeAs(const std::string& path) = 0;
    // Runs an edit of the data, then tells of it: `changed`, and `modifiedChanged` when the
    // flag turned.
    template <class Edit>
    void edit(Edit&& change) {
        const bool before = isModified();
        change();
        edited(before);
    }
    // Tells of an edit made: `changed`, and `modifiedChanged` when the flag is no longer
    // `wasModified`.
    void edited(bool wasModified);

private:
    qv::IoResult written(const qv::IoResult& result, bool wasModified);

    DocumentView* view_ = nullptr;
};

}  // namespace qv::gui
