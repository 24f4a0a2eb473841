#pragma once
// What the frame needs from an open database or ticket file window at exit.

#include <QPoint>

namespace qv::gui {

enum class DocumentSlot { Database, WheelTicketFile, ManualTicketFile };

// Implemented by the document windows (DocumentWindow: the database window and the two
// ticket-file windows). A window registers itself with ApplicationState::setDocument when its
// file is open and unregisters (nullptr) before it goes away.
class OpenDocument {
public:
    virtual ~OpenDocument() = default;
    virtual bool isModified() const = 0;
    // Saves the file; false when it could not be saved (the window has told the user).
    virtual bool save() = 0;
    // Top-left corner of the window, remembered in the settings at exit.
    virtual QPoint windowPosition() const = 0;
};

}  // namespace qv::gui
