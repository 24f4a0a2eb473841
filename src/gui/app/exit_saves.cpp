#include "gui/app/exit_saves.h"

#include <QCoreApplication>

#include "gui/common/application_state.h"

namespace qv::gui {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("qv::gui::TMyMDIFrame", text);
}

}  // namespace

bool offerSavesAtExit(ApplicationState& state, QWidget* parent) {
    const QString caption = tr("Modifications made to file.");
    using Corner = qv::Point qv::Settings::*;
    using Placed = bool qv::Settings::*;
    auto offerSave = [&](DocumentSlot slot, const QString& question, Corner at, Placed placed) {
        const Document* document = state.document(slot);
        DocumentView* view = document ? document->view() : nullptr;
        if (!view) return true;
        if (document->isModified() && state.interaction().askYesNo(parent, caption, question) &&
            !view->save())
            return false;
        const QPoint corner = view->windowPosition();
        state.updateSettings([&](qv::Settings& settings) {
            settings.*at = qv::Point{corner.x(), corner.y()};
            settings.*placed = true;
        });
        return true;
    };
    if (!offerSave(DocumentSlot::Database, tr("Save database file before exit ?"),
                   &qv::Settings::databaseWindowPos, &qv::Settings::databaseWindowPosRead))
        return false;
    for (DocumentSlot slot : {DocumentSlot::WheelTicketFile, DocumentSlot::ManualTicketFile}) {
        if (!offerSave(slot, tr("Save ticket file before exit ?"), &qv::Settings::ticketWindowPos,
                       &qv::Settings::ticketWindowPosRead))
            return false;
    }
    return true;
}

}  // namespace qv::gui
