#include "gui/tickets/ticket_file_dialog.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "core/database/draw_database.h"
#include "core/tickets/ticket_editing.h"
#include "core/view/placement.h"
#include "core/view/ticket_view.h"
#include "core/wheels/wheel_tickets.h"
#include "gui/common/app_paths.h"
#include "gui/common/application_state.h"
#include "gui/common/save_paths.h"
#include "gui/common/sound_player.h"
#include "gui/common/user_interaction.h"
#include "gui/common/window_placement.h"
#include "gui/options/file_selection_dialog.h"
#include "gui/print/ticket_print_options_dialog.h"
#include "gui/print/ticket_printout.h"
#include "gui/tickets/enter_numbers_dialog.h"
#include "gui/tickets/manual_enter_numbers_dialog.h"
#include "gui/tickets/modify_manual_tickets_dialog.h"
#include "gui/tickets/odds_dialog.h"
#include "gui/tickets/ticket_window.h"

namespace qv::gui {

namespace {

QString nativePath(const std::string& path) {
    return QDir::toNativeSeparators(QString::fromStdString(path));
}

}  // namespace

TicketFileDialog::TicketFileDialog(ApplicationState& state, TicketDocument& document,
                                   QWidget* parent)
    : DocumentWindow(state, document, parent), document_(document) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    window_ = new TMyTicketWindow(state_, this);
    window_->setObjectName(QString::number(kTicketWindow));
    connect(window_, &TMyTicketWindow::oddsRequested, this, &TicketFileDialog::showOdds);
}

TicketFileDialog::~TicketFileDialog() = default;

void TicketFileDialog::finishButtons() {
    makeButton(kOdds, tr("Odds..."));
    makeButton(kPrintOptions, tr("Print &Options"));
    makeButton(kSave, tr("&Save"));
    makeButton(kCloseFile, tr("&Close File"));
    makeButton(kSaveAs, tr("&As"));
    chainTabOrder(window_);
    const int widest = widestButton(buttonRow());
    const int row = int(buttons_.size()) * (widest + kButtonGap) + 30;
    setMinimumSize(std::max(360, row), 320);
    resize(std::max(kWidth, row), 560);
}

void TicketFileDialog::open() {
    placeFromSettings();
    show();
}

void TicketFileDialog::placeFromSettings() {
    const QRect desktop = availableDesktopFor(this);
    const int outer = qv::ticketDialogHeight(desktop.y() + desktop.height());
    resize(width(), std::max(minimumHeight(), outer - kFrameAllowance));
    qv::Point wanted = state_.settings().ticketWindowPos;
    // Never placed by the user: below the main window's tool bar, a step right of where a
    // database window goes the first time.
    if (!state_.settings().ticketWindowPosRead) {
        if (const auto first = state_.firstWindowPosition())
            wanted = qv::Point{first->x() + 24, first->y() + 24};
    }
    placeWindowAt(this, QPoint(wanted.x, wanted.y), kFrameAllowance);
}

void TicketFileDialog::layOut() {
    if (buttons_.empty()) return;
    const int w = width();
    const int h = height() + kFrameAllowance;
    const int buttonHeight = buttons_.front()->sizeHint().height();
    const qv::TicketDialogLayout l =
        qv::ticketDialogLayout(isWheel(), w, h, buttonHeight, kButtonGap);
    window_->setGeometry(l.window.x, l.window.y, l.window.width, l.window.height);
    // The buttons keep their natural width however wide the window grows.
    const ButtonRow row = buttonRow();
    layOutButtonRow(row, l.window.x, l.buttonsY, l.asButtonY, l.window.width, widestButton(row),
                    kButtonGap);
}

void TicketFileDialog::runCommand(int id) {
    switch (id) {
        case kPrintOptions:
            click(qv::EventSound::Print);
            printOptions();
            break;
        case kSave:
            click();
            save();
            break;
        case kSaveAs:
            click();
            saveAs();
            break;
        case kCloseFile:
            closeFile();
            break;
        case kBonusNumbers:
            bonusNumbers();
            break;
        case kOdds:
            showOdds();
            break;
        default:
            break;
    }
}

void TicketFileDialog::showOdds() {
    auto* odds = new OddsDialog(state_, file(), this);
    odds->setAttribute(Qt::WA_DeleteOnClose);
    odds->show();
    if (odds->count() && file().isWheel()) odds->countProfile();
}

FileRequest TicketFileDialog::saveAsRequest() const {
    FileRequest request;
    request.title = saveAsTitle();
    request.filter = tr("Ticket Files (*.qvt)");
    request.defaultSuffix = QStringLiteral("qvt");
    // A new file is offered under its wheel's description, beside the ticket file opened last.
    if (file().path.empty())
        request.selected = suggestedSavePath(
            folderOf(QString::fromStdString(state_.settings().lastTicketFile)),
            file().isWheel() ? QString::fromStdString(file().wheel.description) : QString(),
            QStringLiteral("tickets"), QStringLiteral("qvt"));
    return request;
}

QString TicketFileDialog::cannotSaveText() const {
    return tr("The ticket file could not be saved as %1:\n%2");
}

void TicketFileDialog::rememberPath(const std::string& path) {
    state_.updateSettings([&](qv::Settings& settings) { settings.lastTicketFile = path; });
}

bool TicketFileDialog::saveBeforeClosing() {
    click();
    return save();
}

void TicketFileDialog::documentClosing() {
    const qv::Point at{pos().x(), pos().y()};
    state_.updateSettings([&](qv::Settings& settings) {
        settings.ticketWindowPos = at;
        settings.ticketWindowPosRead = true;
        settings.lastTicketFile.clear();
    });
}

void TicketFileDialog::printOptions() {
    auto make = [this](qv::print::PageRange range) {
        return makeTicketPrintout(nativePath(file().path), file(), window_->labels(),
                                  state_.winningNumbers(), range);
    };
    MyTicketFilePrintOptionsDialog dialog(state_, make, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const std::unique_ptr<Printout> printout = make(dialog.range());
    printOnPrinter(state_, this, *printout);
}

void TicketFileDialog::bonusNumbers() {
    click(qv::EventSound::PickNumbers);
    EnterBonusNumbersDialog dialog(state_, file().tickets, window_->labels(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    document_.edit([&](qv::TicketFile& file) { qv::replaceBonusNumbers(file, dialog.tickets()); });
    window_->ticketsChanged();
}

// --- Manual ticket files ---------------------------------------------------------------------

ManualTicketFileDialog::ManualTicketFileDialog(ApplicationState& state, TicketDocument& document,
                                               QWidget* parent)
    : TicketFileDialog(state, document, parent) {
    setWindowTitle(file().path.empty() ? tr("Manual Ticket Dialog") : nativePath(file().path));
    window_->setTickets(document_.shownTickets(), nullptr);
    makeButton(kAddTicket, tr("&Add Ticket"));
    makeButton(kUpdateTickets, tr("&Update Tickets"));
    makeButton(kBonusNumbers, tr("&Bonus Numbers"));
    finishButtons();
}

QString ManualTicketFileDialog::saveAsTitle() const {
    return tr("Save Ticket File As");
}

void ManualTicketFileDialog::runCommand(int id) {
    switch (id) {
        case kAddTicket:
            addTickets();
            break;
        case kUpdateTickets:
            updateTickets();
            break;
        default:
            TicketFileDialog::runCommand(id);
    }
}

void ManualTicketFileDialog::addTickets() {
    click();
    // The grid works on the game of the open database.
    qv::TicketFile working = file();
    if (const qv::DrawDatabase* database = state_.database()) {
        working.numbersInLotto = database->header().numbersInLotto;
        working.numbersPerTicket = database->header().numbersOnTicket;
    }
    ManualEnterNumbersDialog grid(state_, working, this);
    if (grid.exec() != QDialog::Accepted || !grid.entry().applyTo(working)) return;
    document_.edit([&](qv::TicketFile& file) {
        file.tickets = std::move(working.tickets);
        file.numbersPerTicket = working.numbersPerTicket;
        file.numbersInLotto = working.numbersInLotto;
    });
    window_->attach();
}

void ManualTicketFileDialog::updateTickets() {
    click();
    ModifyManualTicketsDialog editor(state_, file().tickets, window_->labels(),
                                     file().numbersInLotto, this);
    if (editor.exec() != QDialog::Accepted) return;
    const bool countChanged = editor.model().count() != file().tickets.size();
    document_.edit(
        [&](qv::TicketFile& file) { qv::replaceManualTickets(file, editor.model().tickets()); });
    if (countChanged) {
        window_->attach();
    } else {
        window_->ticketsChanged();
    }
}

// --- Wheel ticket files ----------------------------------------------------------------------

WheelTicketFileDialog::WheelTicketFileDialog(ApplicationState& state, TicketDocument& document,
                                             QWidget* parent)
    : TicketFileDialog(state, document, parent) {
    setWindowTitle(file().path.empty() ? tr("Wheel Ticket Dialog") : nativePath(file().path));
    description_ = new QLabel(this);
    description_->setObjectName(QString::number(kDescriptionLine));
    numbers_ = new QLabel(this);
    numbers_->setObjectName(QString::number(kNumbersLine));
    QFont bold = description_->font();
    bold.setBold(true);
    description_->setFont(bold);
    document_.applyWheel();
    showLines();
    window_->setTickets(document_.shownTickets(), document_.shownRows());
    makeButton(kModifyNumbers, tr("&Modify Numbers"));
    makeButton(kChangeWheel, tr("Change &Wheel"));
    makeButton(kBonusNumbers, tr("&Bonus Numbers"));
    finishButtons();
}

QString WheelTicketFileDialog::saveAsTitle() const {
    return tr("Save File As");
}

QString WheelTicketFileDialog::descriptionText() const {
    QString text = QString::fromStdString(qv::wheelDescriptionLine(
        file().wheel, tr("Wheel Description: %d Numbers %d if %d, %d Tickets").toStdString()));
    // Shown as the file holds them; the user decides what to change.
    const qv::ChosenNumbersCheck check = qv::checkChosenNumbers(file());
    if (check.repeated) text += tr("  [a chosen number repeats]");
    if (check.outOfRange) text += tr("  [a chosen number is not 1 to 100]");
    return text;
}

QString WheelTicketFileDialog::numbersText() const {
    return QString::fromStdString(qv::numbersUsedLine(file(), tr("Numbers Used : ").toStdString()));
}

void WheelTicketFileDialog::showLines() {
    description_->setText(descriptionText());
    const qv::ChosenNumbersCheck check = qv::checkChosenNumbers(file());
    description_->setStyleSheet(check.ok() ? QString() : QStringLiteral("color: rgb(200,0,0);"));
    numbers_->setText(numbersText());
}

void WheelTicketFileDialog::layOut() {
    TicketFileDialog::layOut();
    const int line = fontMetrics().height() + 4;
    const int x = window_->x();
    description_->setGeometry(x, 14, window_->width(), line);
    numbers_->setGeometry(x, 14 + line + 6, window_->width(), line);
}

void WheelTicketFileDialog::runCommand(int id) {
    switch (id) {
        case kModifyNumbers:
            modifyNumbers();
            break;
        case kChangeWheel:
            changeWheel();
            break;
        default:
            TicketFileDialog::runCommand(id);
    }
}

void WheelTicketFileDialog::modifyNumbers() {
    click();
    qv::NumbersUsed numbers = file().numbersUsed;
    const int quota = qv::numbersToChoose(file().wheel);
    EnterNumbersDialog grid(state_, quota,
                            std::span<std::int16_t>(numbers.data(), std::size_t(quota)), this);
    if (grid.exec() != QDialog::Accepted) return;
    document_.edit([&](qv::TicketFile& file) { qv::changeWheelNumbers(file, numbers); });
    showLines();
    window_->update();
}

void WheelTicketFileDialog::changeWheel() {
    click(qv::EventSound::WheelChosen);
    std::optional<int> gamePerTicket;
    if (const qv::DrawDatabase* database = state_.database())
        gamePerTicket = database->header().numbersOnTicket;
    const QString path = FileSelection::getWheelFile(
        state_, this, wheelLibraryFor(state_.environment().dataDir),
        qv::wheelPickerIndex(gamePerTicket, file().wheel.numbersPerTicket));
    if (path.isEmpty()) return;
    qv::WheelInfo wheel;
    if (const qv::IoResult loaded = qv::loadWheelFile(path.toStdString(), wheel); !loaded) {
        state_.interaction().showProblem(
            this, tr("Change Wheel"),
            loaded.status == qv::IoStatus::WrongKind
                ? QString::fromStdString(loaded.message)
                : tr("The wheel %1 could not be read.").arg(QDir::toNativeSeparators(path)));
        return;
    }
    qv::NumbersUsed numbers = file().numbersUsed;
    if (qv::wheelNeedsMoreNumbers(file(), wheel)) {
        const int quota = qv::numbersToChoose(wheel);
        EnterNumbersDialog grid(state_, quota,
                                std::span<std::int16_t>(numbers.data(), std::size_t(quota)), this);
        if (grid.exec() != QDialog::Accepted) return;
    }
    document_.edit([&](qv::TicketFile& file) { qv::changeWheel(file, std::move(wheel), numbers); });
    showLines();
    window_->attach();
}

}  // namespace qv::gui
