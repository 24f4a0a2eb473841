#include "gui/common/application_state.h"

#include <QPrinter>

#include "gui/common/app_paths.h"
#include "gui/common/sound_player.h"

namespace qv::gui {

AppEnvironment AppEnvironment::fromApplication() {
    AppEnvironment env;
    env.programDir = programDirectory();
    env.settingsPath = settingsPathFor(env.programDir);
    env.dataDir = dataDirectoryFor(env.programDir);
    return env;
}

ApplicationState::ApplicationState(const AppEnvironment& environment, QObject* parent)
    : QObject(parent), environment_(environment) {
    if (!environment_.settingsPath.isEmpty())
        settings_ = qv::readSettingsFile(environment_.settingsPath.toStdString()).value();
    // The list itself is loaded by the number-list window from the settings' name.
    flags_.numberListInUse = settings_.usingNumberList && !settings_.lastNumberList.empty();
    soundPlayer_ = new SoundPlayer(settings_.sound, this);
    desktop_ = std::make_unique<DesktopInteraction>(*soundPlayer_);
    interaction_ = desktop_.get();
}

ApplicationState::~ApplicationState() = default;

QPrinter& ApplicationState::printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void ApplicationState::updateSettings(const std::function<void(qv::Settings&)>& change) {
    change(settings_);
    emit settingsChanged();
}

qv::IoResult ApplicationState::writeSettings() const {
    if (environment_.settingsPath.isEmpty()) return qv::IoResult::success();
    return qv::writeSettingsFile(environment_.settingsPath.toStdString(), settings_);
}

QString ApplicationState::dataFile(const std::string& stored) const {
    return resolveDataFile(stored, environment_.dataDir);
}

void ApplicationState::setStatisticsOpen(qv::StatisticsKind kind, bool open) {
    flags_.setStatisticsOpen(kind, open);
    emit flagsChanged();
}

void ApplicationState::setNumberListState(bool inUse, bool dialogOpen) {
    flags_.numberListInUse = inUse;
    flags_.numberListDialogOpen = dialogOpen;
    emit flagsChanged();
}

void ApplicationState::setOpenFlag(DocumentSlot slot, bool open) {
    switch (slot) {
        case DocumentSlot::Database:
            flags_.databaseOpen = open;
            break;
        case DocumentSlot::WheelTicketFile:
            flags_.wheelTicketFileOpen = open;
            break;
        case DocumentSlot::ManualTicketFile:
            flags_.manualTicketFileOpen = open;
            break;
    }
    emit flagsChanged();
}

Document* ApplicationState::document(DocumentSlot slot) const {
    if (slot == DocumentSlot::Database) return database_.get();
    return tickets_ && tickets_->slot() == slot ? tickets_.get() : nullptr;
}

const qv::DrawDatabase* ApplicationState::database() const {
    return database_ ? &database_->database() : nullptr;
}

const qv::TicketFile* ApplicationState::ticketFile() const {
    return tickets_ ? &tickets_->file() : nullptr;
}

DatabaseDocument& ApplicationState::openDatabase(qv::DrawDatabase database) {
    closeDocument(database_.get());
    database_ = std::make_unique<DatabaseDocument>(std::move(database));
    connect(database_.get(), &Document::changed, this, [this] {
        emit databaseChanged();
        followNewestDraw();
    });
    newestEntry_ = database_->database().newestEntry();
    if (newestEntry_) winningNumbers_ = *newestEntry_;
    setOpenFlag(DocumentSlot::Database, true);
    emit databaseChanged();
    emit statisticsSettingsChanged();
    emit winningNumbersChanged();
    return *database_;
}

TicketDocument& ApplicationState::openTicketFile(qv::TicketFile file) {
    closeDocument(tickets_.get());
    tickets_ = std::make_unique<TicketDocument>(std::move(file));
    connect(tickets_.get(), &Document::changed, this, &ApplicationState::ticketFileChanged);
    setOpenFlag(tickets_->slot(), true);
    emit ticketFileChanged();
    return *tickets_;
}

void ApplicationState::closeDocument(const Document* document) {
    if (!document) return;
    if (document == database_.get()) {
        // The options stay in force after the database that held them has gone.
        statistics_ = database_->database().statistics();
        database_->disconnect(this);
        database_.release()->deleteLater();
        newestEntry_.reset();
        setOpenFlag(DocumentSlot::Database, false);
        emit databaseChanged();
        emit statisticsSettingsChanged();
    } else if (document == tickets_.get()) {
        const DocumentSlot slot = tickets_->slot();
        tickets_->disconnect(this);
        tickets_.release()->deleteLater();
        emit ticketFileChanged();
        setOpenFlag(slot, false);
    }
}

void ApplicationState::followNewestDraw() {
    // A corrected, deleted or newly inserted newest draw becomes the current winning numbers;
    // numbers entered by hand stay while the newest draw is the same.
    if (!database_) return;
    const std::optional<qv::TicketType> newest = database_->database().newestEntry();
    if (newest == newestEntry_) return;
    newestEntry_ = newest;
    if (newest) setWinningNumbers(*newest);
}

const qv::StatisticsSettings& ApplicationState::statisticsSettings() const {
    return database_ ? database_->database().statistics() : statistics_;
}

void ApplicationState::setStatisticsSettings(const qv::StatisticsSettings& settings) {
    if (database_) {
        database_->setStatistics(settings);
    } else {
        statistics_ = settings;
    }
    emit statisticsSettingsChanged();
}

void ApplicationState::setWinningNumbers(const qv::TicketType& numbers) {
    winningNumbers_ = numbers;
    emit winningNumbersChanged();
}

void ApplicationState::setMyNumbers(std::vector<int> numbers) {
    myNumbers_ = std::move(numbers);
    emit myNumbersChanged();
}

}  // namespace qv::gui
