#include "gui/tickets/ticket_commands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <optional>
#include <span>

#include "core/app/commands.h"
#include "core/database/draw_database.h"
#include "core/wheels/wheel_tickets.h"
#include "gui/common/app_paths.h"
#include "gui/common/application_state.h"
#include "gui/common/user_interaction.h"
#include "gui/options/file_selection_dialog.h"
#include "gui/tickets/enter_numbers_dialog.h"
#include "gui/tickets/manual_enter_numbers_dialog.h"
#include "gui/tickets/ticket_file_dialog.h"

namespace qv::gui {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("qv::gui::TicketCommands", text);
}

// The name the next start opens; empty for none (a file not saved yet).
void rememberTicketFile(ApplicationState& state, const std::string& path) {
    state.updateSettings([&](qv::Settings& settings) { settings.lastTicketFile = path; });
}

// The window of a ticket file, which becomes the open ticket file.
TicketFileDialog* showTicketFile(ApplicationState& state, QWidget* parent, qv::TicketFile file) {
    TicketDocument& document = state.openTicketFile(std::move(file));
    TicketFileDialog* dialog = nullptr;
    if (document.file().isWheel()) {
        dialog = new WheelTicketFileDialog(state, document, parent);
    } else {
        dialog = new ManualTicketFileDialog(state, document, parent);
    }
    dialog->open();
    return dialog;
}

}  // namespace

TicketFileDialog* openTicketFileWindow(ApplicationState& state, QWidget* parent,
                                       const QString& path, qv::IoResult* outcome) {
    // One ticket file at a time; the menu command is disabled while one is open.
    if (state.flags().ticketFileOpen() || state.ticketDocument()) {
        if (outcome)
            *outcome = qv::IoResult::failure(qv::IoStatus::CannotOpen, "A ticket file is open.");
        return nullptr;
    }
    qv::TicketFile file;
    qv::IoResult read = qv::IoResult::failure(qv::IoStatus::CannotOpen, "No file was named.");
    // Absolute, so that it is found again whatever the directory at the next start.
    const QString absolute =
        path.isEmpty() ? QString() : QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    if (!absolute.isEmpty() && QFileInfo(absolute).isFile())
        read = qv::loadTicketFile(absolute.toStdString(), file);
    if (outcome) *outcome = read;
    if (!read) {
        rememberTicketFile(state, {});
        return nullptr;
    }
    rememberTicketFile(state, absolute.toStdString());
    return showTicketFile(state, parent, std::move(file));
}

TicketFileDialog* useWheelingTable(ApplicationState& state, QWidget* parent,
                                   const QString& wheelPath) {
    if (state.ticketDocument()) return nullptr;
    QString path = wheelPath;
    if (path.isEmpty()) {
        std::optional<int> gamePerTicket;
        if (const qv::DrawDatabase* database = state.database())
            gamePerTicket = database->header().numbersOnTicket;
        path =
            FileSelection::getWheelFile(state, parent, wheelLibraryFor(state.environment().dataDir),
                                        qv::wheelPickerIndex(gamePerTicket));
    }
    if (path.isEmpty()) return nullptr;
    qv::WheelInfo wheel;
    if (const qv::IoResult loaded = qv::loadWheelFile(path.toStdString(), wheel); !loaded) {
        state.interaction().showProblem(
            parent, tr("Use Wheeling Table"),
            loaded.status == qv::IoStatus::WrongKind
                ? QString::fromStdString(loaded.message)
                : tr("The wheel %1 could not be read.").arg(QDir::toNativeSeparators(path)));
        return nullptr;
    }
    qv::NumbersUsed numbers{};
    const int quota = qv::numbersToChoose(wheel);
    EnterNumbersDialog grid(state, quota,
                            std::span<std::int16_t>(numbers.data(), std::size_t(quota)), parent);
    if (grid.exec() != QDialog::Accepted) return nullptr;
    // A new file has no name yet.
    rememberTicketFile(state, {});
    return showTicketFile(state, parent, qv::newWheelTicketFile(std::move(wheel), numbers));
}

TicketFileDialog* enterTicketsManually(ApplicationState& state, QWidget* parent) {
    if (state.ticketDocument()) return nullptr;
    qv::TicketFile file = qv::newManualTicketFile();
    if (const qv::DrawDatabase* database = state.database()) {
        file.numbersInLotto = database->header().numbersInLotto;
        file.numbersPerTicket = database->header().numbersOnTicket;
    }
    {
        ManualEnterNumbersDialog grid(state, file, parent);
        if (grid.exec() == QDialog::Accepted) grid.entry().applyTo(file);
    }
    // Whatever the grid left, none on Cancel, the file is open from now on.
    file.modified = true;
    rememberTicketFile(state, {});
    return showTicketFile(state, parent, std::move(file));
}

void installTicketCommands(ApplicationState& state, QWidget* parent,
                           const TicketCommandRegistrar& setHandler) {
    setHandler(qv::cmd::kUseWheelingTable, [&state, parent] { useWheelingTable(state, parent); });
    setHandler(qv::cmd::kEnterTicketsManually,
               [&state, parent] { enterTicketsManually(state, parent); });
}

}  // namespace qv::gui
