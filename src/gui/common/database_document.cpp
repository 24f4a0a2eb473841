#include "gui/common/database_document.h"

namespace qv::gui {

DatabaseDocument::DatabaseDocument(qv::DrawDatabase database, QObject* parent)
    : Document(parent), database_(std::move(database)) {}

template <class Edit>
void DatabaseDocument::editEntries(Edit&& change) {
    edit([&] {
        change();
        undo_.forget();
        emit entriesChanged();
    });
    setUndo(false);
}

void DatabaseDocument::setUndo(bool available) {
    emit importUndoChanged(available);
}

qv::InsertOutcome DatabaseDocument::insertDraws(const std::vector<qv::TicketType>& draws) {
    const bool before = isModified();
    const qv::InsertOutcome outcome = database_.insertAll(draws);
    // Nothing added is no change, and the import before can still be taken back.
    if (outcome.added == 0) return outcome;
    undo_.imported(database_, outcome);
    emit entriesChanged();
    edited(before);
    setUndo(true);
    return outcome;
}

std::size_t DatabaseDocument::undoLastImport() {
    if (!undo_.available()) return 0;
    std::size_t removed = 0;
    editEntries([&] { removed = undo_.undo(database_); });
    return removed;
}

bool DatabaseDocument::sort(qv::ProgressReporter* progress) {
    bool finished = false;
    editEntries([&] { finished = database_.sort(progress); });
    return finished;
}

void DatabaseDocument::setAttributes(const qv::DataHeader& header, const std::string& link) {
    // The draws stay where they are: the last import can still be taken back.
    edit([&] {
        database_.setHeader(header);
        database_.setUpdateLink(link);
        database_.setModified(true);
    });
}

void DatabaseDocument::replace(const qv::DataHeader& header, std::vector<qv::TicketType> entries) {
    editEntries([&] { database_.replace(header, std::move(entries)); });
}

void DatabaseDocument::setStatistics(const qv::StatisticsSettings& statistics) {
    const bool before = isModified();
    database_.setStatistics(statistics);
    if (isModified() != before) emit modifiedChanged(isModified());
}

}  // namespace qv::gui
