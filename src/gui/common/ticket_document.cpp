#include "gui/common/ticket_document.h"

namespace qv::gui {

TicketDocument::TicketDocument(qv::TicketFile file, QObject* parent)
    : Document(parent), file_(std::move(file)) {}

void TicketDocument::edit(const std::function<void(qv::TicketFile&)>& change) {
    Document::edit([&] {
        change(file_);
        file_.modified = true;
    });
}

}  // namespace qv::gui
