#pragma once
// The open draw database as a document: the draws, the header, the statistics options and the
// update link, with the import that can still be taken back.

#include <string>
#include <vector>

#include "core/database/draw_database.h"
#include "core/database/import_undo.h"
#include "gui/common/document.h"

namespace qv::gui {

class DatabaseDocument : public Document {
    Q_OBJECT

public:
    explicit DatabaseDocument(qv::DrawDatabase database, QObject* parent = nullptr);

    DocumentSlot slot() const override { return DocumentSlot::Database; }
    std::string path() const override { return database_.fileName(); }
    bool isModified() const override { return database_.isModified(); }
    const qv::DrawDatabase& database() const { return database_; }

    // Inserts the draws by date, as many as the database holds; those added can be taken
    // back with undoLastImport() until the database changes in another way.
    qv::InsertOutcome insertDraws(const std::vector<qv::TicketType>& draws);
    bool canUndoImport() const { return undo_.available(); }
    // Removes exactly the draws the last insert added; returns how many (0: nothing to undo).
    std::size_t undoLastImport();
    // Restores newest-first order; no modification. False when the user cancelled.
    bool sort(qv::ProgressReporter* progress);
    // New attributes (description, numbers in lotto and on a ticket) and update link.
    void setAttributes(const qv::DataHeader& header, const std::string& link);
    // Installs edited copies of the header and the entries.
    void replace(const qv::DataHeader& header, std::vector<qv::TicketType> entries);
    // The statistics options kept with the database: a modification, no change of contents.
    void setStatistics(const qv::StatisticsSettings& statistics);

signals:
    // The draws changed (inserted, removed, sorted or replaced); `changed` follows.
    void entriesChanged();
    void importUndoChanged(bool available);

protected:
    qv::IoResult write() override { return database_.save(); }
    qv::IoResult writeAs(const std::string& path) override { return database_.saveAs(path); }

private:
    // An edit of the draws other than an insert: the last import can no longer be undone.
    template <class Edit>
    void editEntries(Edit&& change);
    void setUndo(bool available);

    qv::DrawDatabase database_;
    qv::ImportUndo undo_;
};

}  // namespace qv::gui
