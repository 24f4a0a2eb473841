#include "gui/common/application_state.h"

#include <QPrinter>

#include "core/database/draw_database.h"
#include "core/tickets/ticket_file.h"
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

void ApplicationState::setDocument(DocumentSlot slot, OpenDocument* document) {
    documents_[static_cast<std::size_t>(slot)] = document;
    switch (slot) {
        case DocumentSlot::Database:
            flags_.databaseOpen = document != nullptr;
            break;
        case DocumentSlot::WheelTicketFile:
            flags_.wheelTicketFileOpen = document != nullptr;
            break;
        case DocumentSlot::ManualTicketFile:
            flags_.manualTicketFileOpen = document != nullptr;
            break;
    }
    emit flagsChanged();
}

OpenDocument* ApplicationState::document(DocumentSlot slot) const {
    return documents_[static_cast<std::size_t>(slot)];
}

void ApplicationState::setDatabase(OpenDocument* window, qv::DrawDatabase* database) {
    // The options stay in force after the database that held them has gone.
    if (database_ && database_ != database) statistics_ = database_->statistics();
    database_ = database;
    if (database_) {
        if (const auto newest = database_->newestEntry()) winningNumbers_ = *newest;
    }
    setDocument(DocumentSlot::Database, database ? window : nullptr);
    emit databaseChanged();
    emit statisticsSettingsChanged();
    if (database_) emit winningNumbersChanged();
}

void ApplicationState::notifyDatabaseChanged() {
    emit databaseChanged();
}

const qv::StatisticsSettings& ApplicationState::statisticsSettings() const {
    return database_ ? database_->statistics() : statistics_;
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

void ApplicationState::setTicketFile(const qv::TicketFile* file) {
    ticketFile_ = file;
    emit ticketFileChanged();
}

}  // namespace qv::gui
