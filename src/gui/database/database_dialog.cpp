#include "gui/database/database_dialog.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QUrl>
#include <algorithm>

#include "core/database/draw_parser.h"
#include "core/statistics/triples.h"
#include "core/util/file_io.h"
#include "core/util/text.h"
#include "core/view/database_view.h"
#include "core/view/placement.h"
#include "gui/common/application_state.h"
#include "gui/common/busy_dialog.h"
#include "gui/common/button_row.h"
#include "gui/common/sound_player.h"
#include "gui/common/user_interaction.h"
#include "gui/common/window_placement.h"
#include "gui/database/create_database_dialog.h"
#include "gui/database/data_ticket_window.h"
#include "gui/database/draw_preview_dialog.h"
#include "gui/print/database_print_options_dialog.h"
#include "gui/print/statistics_printouts.h"
#include "gui/print/triples_print_options_dialog.h"

namespace qv::gui {

namespace {

QString nativePath(const std::string& path) {
    return QDir::toNativeSeparators(QString::fromStdString(path));
}

}  // namespace

DataBaseDialog::DataBaseDialog(ApplicationState& state, DatabaseDocument& document, QWidget* parent)
    : DocumentWindow(state, document, parent), document_(document) {
    setWindowTitle(nativePath(document_.path()));

    description_ = new QLabel(this);
    description_->setObjectName(QString::number(kDescription));
    description_->setAlignment(Qt::AlignCenter);
    QFont bold = description_->font();
    bold.setBold(true);
    description_->setFont(bold);
    information_ = new QLabel(this);
    information_->setObjectName(QString::number(kInformation));
    information_->setAlignment(Qt::AlignCenter);

    list_ = new TMyDataTicketWindow(&document_.database(), this);
    list_->setObjectName(QString::number(kListWindow));
    connect(list_, &TMyDataTicketWindow::commandChosen, this, &DataBaseDialog::runCommand);
    // The past performance of the open ticket file on that draw.
    connect(list_, &TMyDataTicketWindow::entryDoubleClicked, this,
            [this](int entry) { state_.requestPastPerformance(this, entry); });
    connect(&document_, &Document::changed, this, &DataBaseDialog::showInformation);
    connect(&document_, &DatabaseDocument::entriesChanged, list_,
            &TMyDataTicketWindow::entriesChanged);
    connect(&document_, &DatabaseDocument::importUndoChanged, list_,
            &TMyDataTicketWindow::setUndoAvailable);

    makeButton(kPrintOptions, tr("Print &Options..."));
    makeButton(kModifyNumbers, tr("&Modify Numbers"));
    pasteButton_ = makeButton(kPaste, tr("&Paste"));
    makeButton(kSave, tr("&Save"));
    makeButton(kCloseFile, tr("&Close File"));
    makeButton(kUrl, tr("URL"));
    makeButton(kSaveAs, tr("&As"));

    chainTabOrder(list_);

    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &DataBaseDialog::updatePasteButton);
    updatePasteButton();

    list_->setTicketFile(state_.ticketFile());
    connect(&state_, &ApplicationState::ticketFileChanged, this,
            [this] { list_->setTicketFile(state_.ticketFile()); });
    loadBackground();
    showInformation();

    // Wide enough for a 6-number game with a bonus number and its four result columns, and
    // for the buttons' texts.
    const QFontMetrics fm(list_->font());
    const int cw = list_->charWidth();
    const int table = qv::kListLeftMargin + fm.horizontalAdvance(QStringLiteral("00/00/0000 ")) +
                      17 * cw + 4 * (fm.horizontalAdvance(QStringLiteral("3/6  +B ")) + cw) +
                      qv::kScrollBarThickness;
    const int widest = widestButton(buttonRow());
    const int row = int(buttons_.size()) * (widest + kButtonGap);
    // The list and the row are about W - 30 wide.
    setMinimumSize(row + 40, 320);
    resize(std::max({600, table + 40, row + 40}), 560);
    list_->setFocus();
}

DataBaseDialog::~DataBaseDialog() = default;

void DataBaseDialog::placeFromSettings() {
    const qv::Point at = state_.settings().databaseWindowPos;
    placeAt(QPoint(at.x, at.y));
}

void DataBaseDialog::placeAt(const QPoint& topLeft) {
    // Three quarters of the desktop's bottom high wherever it goes, shorter only where the
    // desktop ends first: the window has the same height at start-up and when opened later.
    const QRect desktop = availableDesktopFor(this);
    const int outer = qv::databaseWindowHeight(desktop.y() + desktop.height());
    resize(width(), std::max(minimumHeight(), outer - kFrameAllowance));
    placeWindowAt(this, topLeft, kFrameAllowance);
}

void DataBaseDialog::layOut() {
    const int w = width();
    const int h = height() + kFrameAllowance;
    const int buttonHeight = buttons_.front()->sizeHint().height();
    const qv::DatabaseWindowLayout l = qv::databaseWindowLayout(w, h, buttonHeight, kButtonGap);

    const int line = fontMetrics().height() + 2;
    description_->setGeometry(0, 8, w, line);
    information_->setGeometry(0, 8 + line + 2, w, line);
    list_->setGeometry(l.list.x, l.list.y, l.list.width, l.list.height);

    // The buttons keep their natural width however wide the window grows.
    const ButtonRow row = buttonRow();
    layOutButtonRow(row, l.list.x, l.buttonsY, l.asButtonY, l.list.width, widestButton(row),
                    kButtonGap);
}

void DataBaseDialog::showInformation() {
    const qv::DataHeader& header = database().header();
    description_->setText(QString::fromStdString(header.description));
    information_->setText(QString::fromStdString(qv::informationLine(
        header, database().entryCount(),
        tr("%d Entries, %d Numbers on a Ticket, %d Numbers in Lotto").toStdString())));
}

void DataBaseDialog::updatePasteButton() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    pasteButton_->setEnabled(data && data->hasText());
}

void DataBaseDialog::printOptions() {
    MyDataBasePrintOptionsDialog dialog(
        state_.printer(),
        [this](qv::print::PrintedChart chart) { return chartPrintout(chart, 0); }, this);
    const std::optional<qv::print::PrintedChart> chart =
        MyDataBasePrintOptionsDialog::chartForResult(dialog.exec());
    if (chart) printChart(*chart);
}

void DataBaseDialog::printChart(qv::print::PrintedChart chart) {
    if (chart == qv::print::PrintedChart::Triples) {
        // Counted once, when the preview or the print first needs them.
        std::optional<std::vector<qv::TripleCount>> counted;
        printTriplesWithOptions(state_, this, [this, &counted](int pageLimit) {
            if (!counted) {
                BusyDialog busy(this);
                counted = qv::CountTriples(database().header(), database().entries(),
                                           database().statistics(), &busy)
                              .triples;
            }
            return std::make_unique<TTriplesOut>(printedDatabaseName(database()), *counted,
                                                 pageLimit);
        });
    } else if (std::unique_ptr<Printout> printout = chartPrintout(chart, 0)) {
        printOnPrinter(state_, this, *printout);
    }
}

std::unique_ptr<Printout> DataBaseDialog::chartPrintout(qv::print::PrintedChart chart,
                                                        int triplesPageLimit) {
    BusyDialog busy(this);
    return makeChartPrintout(chart, database(), triplesPageLimit, &busy);
}

void DataBaseDialog::runCommand(int id) {
    switch (id) {
        case kPrintOptions:
            click(qv::EventSound::Print);
            printOptions();
            break;
        case kModifyNumbers:
            click();
            // The entry editor, from the entry commands.
            state_.requestModifyEntries(this);
            break;
        case kPaste:
            click();
            pasteFromClipboard();
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
        case kUrl:
            click();
            openUpdateLink();
            break;
        case TMyDataTicketWindow::kChangeBackground:
            chooseBackground();
            break;
        case TMyDataTicketWindow::kIncreaseFade:
            if (const auto level = qv::increasedFade(state_.settings().databaseBackground.fade))
                changeFade(*level);
            break;
        case TMyDataTicketWindow::kDecreaseFade:
            if (const auto level = qv::decreasedFade(state_.settings().databaseBackground.fade))
                changeFade(*level);
            break;
        case TMyDataTicketWindow::kSortEntries:
            sortEntries();
            break;
        case TMyDataTicketWindow::kChangeAttributes:
            changeAttributes();
            break;
        case TMyDataTicketWindow::kImportAndInsert:
            importFromFile();
            break;
        case TMyDataTicketWindow::kUndoLastImport:
            undoLastImport();
            break;
        default:
            break;
    }
}

FileRequest DataBaseDialog::saveAsRequest() const {
    FileRequest request;
    request.title = tr("Save File As");
    request.filter = tr("DataBase Files (*.dat)");
    request.defaultSuffix = QStringLiteral("dat");
    return request;
}

QString DataBaseDialog::cannotSaveText() const {
    return tr("The database could not be saved as %1:\n%2");
}

void DataBaseDialog::rememberPath(const std::string& path) {
    state_.updateSettings([&](qv::Settings& settings) { settings.lastDatabase = path; });
}

void DataBaseDialog::documentClosing() {
    const qv::Point at{pos().x(), pos().y()};
    state_.updateSettings([&](qv::Settings& settings) {
        settings.databaseWindowPos = at;
        settings.databaseWindowPosRead = true;
        settings.lastDatabase.clear();
    });
}

int insertDraws(ApplicationState& state, DatabaseDocument& document, QWidget* parent,
                const std::vector<qv::TicketType>& draws) {
    const qv::InsertOutcome outcome = document.insertDraws(draws);
    if (outcome.full()) {
        state.interaction().showProblem(
            parent, DataBaseDialog::tr("Quorvantile"),
            DataBaseDialog::tr("The database is full: a database holds at most 65,535 draws. %n "
                               "draw(s) could not be added.",
                               "", int(outcome.refused)));
    }
    return int(outcome.added);
}

int DataBaseDialog::insertDraws(const std::vector<qv::TicketType>& draws) {
    return qv::gui::insertDraws(state_, document_, this, draws);
}

bool DataBaseDialog::undoLastImport() {
    const std::size_t count = document_.undoLastImport();
    if (count == 0) return false;
    state_.showStatus(tr("%n draw(s) taken out of the database again.", "", int(count)));
    return true;
}

void DataBaseDialog::reportAdded(int added, int lottoBefore) {
    const QString text = added > 0 ? tr("%n draw(s) added to the database.", "", added)
                                   : tr("No draws were found to add to the database.");
    qv::gui::reportNumbersInLotto(state_, document_, lottoBefore, text);
}

void reportNumbersInLotto(ApplicationState& state, const DatabaseDocument& document, int before,
                          const QString& done) {
    const int now = document.database().header().numbersInLotto;
    QString text = done;
    if (now != before) {
        if (!text.isEmpty()) text += QLatin1Char(' ');
        text += numbersInLottoRaised(now);
    }
    if (!text.isEmpty()) state.showStatus(text);
}

QString numbersInLottoRaised(int numbersInLotto) {
    return DataBaseDialog::tr("Numbers in lotto raised to %1.").arg(numbersInLotto);
}

void DataBaseDialog::insertFound(const std::vector<qv::TicketType>& found, const QString& source) {
    if (found.empty()) {
        reportAdded(0, database().header().numbersInLotto);
        return;
    }
    std::vector<qv::PreviewRow> rows = qv::previewDraws(database(), found);
    std::vector<qv::TicketType> chosen;
    if (chooseDraws_) {
        chosen = chooseDraws_(std::move(rows), source);
    } else {
        DrawPreviewDialog preview(std::move(rows), source, this);
        if (preview.exec() == QDialog::Accepted) chosen = preview.chosenDraws();
    }
    if (chosen.empty()) {
        state_.showStatus(tr("Nothing was added to the database."));
        return;
    }
    const int lottoBefore = database().header().numbersInLotto;
    reportAdded(insertDraws(chosen), lottoBefore);
}

void DataBaseDialog::pasteFromClipboard() {
    const QString text = QGuiApplication::clipboard()->text();
    if (text.isEmpty()) return;
    insertFound(qv::parseClipboardText(text.toStdString(), database().header().numbersOnTicket),
                tr("the clipboard"));
}

void DataBaseDialog::importFromFile() {
    FileRequest request;
    request.mode = FileRequest::Mode::Open;
    request.title = tr("Select file to import into this database");
    request.filter = tr("ASCII Text Files (*.txt)");
    request.defaultSuffix = QStringLiteral("txt");
    request.selected = nativePath(document_.path());
    const QString path = state_.interaction().chooseFile(this, request);
    if (!path.isEmpty()) importFile(path);
}

bool DataBaseDialog::importFile(const QString& path) {
    const qv::Result<std::string> text = qv::readTextFile(path.toStdString());
    if (!text) {
        state_.interaction().showProblem(
            this, tr("Import and Insert"),
            tr("The file %1 could not be opened:\n%2")
                .arg(QDir::toNativeSeparators(path), QString::fromStdString(text.reason)));
        return false;
    }
    const qv::FileImportResult result = qv::parseImportText(*text);
    insertFound(result.draws, QDir::toNativeSeparators(path));
    return true;
}

bool editDatabaseAttributes(ApplicationState& state, DatabaseDocument& document, QWidget* parent) {
    qv::DataHeader header = document.database().header();
    std::string link = document.database().updateLink();
    CreateDataBaseDialog dialog(state.interaction(), parent, header, link);
    dialog.setWindowTitle(DataBaseDialog::tr("Edit existing attributes"));
    if (dialog.exec() != QDialog::Accepted) return false;
    document.setAttributes(header, link);
    return true;
}

void DataBaseDialog::changeAttributes() {
    editDatabaseAttributes(state_, document_, this);
}

void DataBaseDialog::openUpdateLink() {
    const std::string& link = database().updateLink();
    if (qv::utf8Length(link) < 2) {
        changeAttributes();
        return;
    }
    const QString text = QString::fromStdString(link);
    const QUrl url = QUrl::fromUserInput(text);
    if (!url.isValid() || !state_.interaction().openUrl(url)) {
        state_.interaction().showProblem(this, tr("URL"),
                                         tr("The update link %1 could not be opened.").arg(text));
    }
}

void DataBaseDialog::loadBackground() {
    const qv::DeskTopType& background = state_.settings().databaseBackground;
    list_->loadBackground(state_.dataFile(background.path), background.fade);
}

void DataBaseDialog::chooseBackground() {
    const QString chosen = state_.interaction().chooseBitmapFile(
        this, state_.dataFile(state_.settings().databaseBackground.path));
    if (chosen.isEmpty()) return;
    state_.updateSettings(
        [&](qv::Settings& settings) { settings.databaseBackground.path = chosen.toStdString(); });
    loadBackground();
}

void DataBaseDialog::changeFade(int level) {
    if (level == state_.settings().databaseBackground.fade) return;
    state_.updateSettings([=](qv::Settings& settings) {
        settings.databaseBackground.fade = static_cast<std::int16_t>(level);
    });
    // From the file again, so the new level is not applied over the old one.
    loadBackground();
}

void DataBaseDialog::sortEntries() {
    BusyDialog busy(this);
    TranslatedProgress progress(busy, tr("Sorting database entries..."));
    document_.sort(&progress);
}

// --- Opening -------------------------------------------------------------------------------

DataBaseDialog* openDatabaseWindow(ApplicationState& state, QWidget* parent, const QString& path) {
    // One database at a time; the menu command is disabled while one is open.
    if (state.databaseDocument()) return nullptr;
    auto forget = [&state] {
        state.updateSettings([](qv::Settings& settings) { settings.lastDatabase.clear(); });
    };
    const QString fullPath = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        forget();
        return nullptr;
    }
    qv::DrawDatabase database;
    if (const qv::IoResult loaded =
            database.load(fullPath.toStdString(), state.statisticsSettings());
        !loaded.opened()) {
        forget();
        state.interaction().showProblem(parent, DataBaseDialog::tr("Error"),
                                        loaded.status == qv::IoStatus::WrongKind
                                            ? QString::fromStdString(loaded.message)
                                            : DataBaseDialog::tr("Error opening file"));
        return nullptr;
    }
    // The ticket windows' results follow the databaseChanged signal.
    DatabaseDocument& document = state.openDatabase(std::move(database));
    auto* dialog = new DataBaseDialog(state, document, parent);
    state.updateSettings([&](qv::Settings& settings) { settings.lastDatabase = document.path(); });
    dialog->placeFromSettings();
    dialog->show();
    return dialog;
}

}  // namespace qv::gui
