#pragma once
// The open ticket file as a document: manual tickets or a wheel applied to chosen numbers.

#include <functional>
#include <string>
#include <vector>

#include "core/tickets/ticket_file.h"
#include "gui/common/document.h"

namespace qv::gui {

class TicketDocument : public Document {
    Q_OBJECT

public:
    explicit TicketDocument(qv::TicketFile file, QObject* parent = nullptr);

    DocumentSlot slot() const override {
        return file_.isWheel() ? DocumentSlot::WheelTicketFile : DocumentSlot::ManualTicketFile;
    }
    std::string path() const override { return file_.path; }
    bool isModified() const override { return file_.modified; }
    const qv::TicketFile& file() const { return file_; }

    // Changes the tickets through `change`; the file is modified from then on.
    void edit(const std::function<void(qv::TicketFile&)>& change);
    // Applies the wheel to the chosen numbers, as a wheel file is shown; no modification.
    void applyWheel() { file_.applyWheel(); }

    // The tickets and the wheel's rows for the ticket window, which orders each ticket's
    // numbers and arranges the tickets for showing; that is no change of the file.
    std::vector<qv::TicketType>* shownTickets() { return &file_.tickets; }
    std::vector<qv::TicketType>* shownRows() {
        return file_.isWheel() ? &file_.wheel.rows : nullptr;
    }

protected:
    qv::IoResult write() override { return file_.save(); }
    qv::IoResult writeAs(const std::string& path) override { return file_.saveAs(path); }

private:
    qv::TicketFile file_;
};

}  // namespace qv::gui
