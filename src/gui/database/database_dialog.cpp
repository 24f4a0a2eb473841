#include "gui/database/database_dialog.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QUrl>
#include <algorithm>

#include "core/database/database_view.h"
#include "core/database/draw_parser.h"
#include "core/util/text.h"
#include "gui/app/my_mdi_frame.h"
#include "gui/database/busy_dialog.h"
#include "gui/database/create_database_dialog.h"
#include "gui/database/data_ticket_window.h"
#include "gui/options/file_dialogs.h"
#include "gui/options/sound_player.h"

namespace qv::gui {

namespace {

constexpr char kTicketFileProperty[] = "qvOpenTicketFile";

const qv::TicketFile* ticketFileOf(const TMyMDIFrame* frame) {
    return reinterpret_cast<const qv::TicketFile*>(
        frame->property(kTicketFileProperty).value<quintptr>());
}

QString nativePath(const std::string& path) {
    return QDir::toNativeSeparators(QString::fromStdString(path));
}

// The progress dialog under a translated caption.
class TranslatedProgress : public qv::ProgressReporter {
public:
    TranslatedProgress(BusyDialog& dialog, QString caption)
        : dialog_(dialog), caption_(std::move(caption)) {}
    void open(const std::string&) override { dialog_.open(caption_.toStdString()); }
    void show(int percent) override { dialog_.show(percent); }
    bool cancelled() override { return dialog_.cancelled(); }
    void close() override { dialog_.close(); }

private:
    BusyDialog& dialog_;
    QString caption_;
};

}  // namespace

DataBaseDialog::DataBaseDialog(TMyMDIFrame* frame, const QString& path)
    : QDialog(frame), frame_(frame) {
    setModal(false);
    const QString fullPath = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    loaded_ = database_.load(fullPath.toStdString(), frame_->statisticsSettings());
    setWindowTitle(fullPath);

    description_ = new QLabel(this);
    description_->setObjectName(QString::number(kDescription));
    description_->setAlignment(Qt::AlignCenter);
    QFont bold = description_->font();
    bold.setBold(true);
    description_->setFont(bold);
    information_ = new QLabel(this);
    information_->setObjectName(QString::number(kInformation));
    information_->setAlignment(Qt::AlignCenter);

    list_ = new TMyDataTicketWindow(&database_, this);
    list_->setObjectName(QString::number(kListWindow));
    connect(list_, &TMyDataTicketWindow::commandChosen, this, &DataBaseDialog::runCommand);
    connect(list_, &TMyDataTicketWindow::entryDoubleClicked, this,
            &DataBaseDialog::entryDoubleClicked);

    makeButton(kPrintOptions, tr("Print &Options..."));
    makeButton(kModifyNumbers, tr("&Modify Numbers"));
    pasteButton_ = makeButton(kPaste, tr("&Paste"));
    makeButton(kSave, tr("&Save"));
    makeButton(kCloseFile, tr("&Close File"));
    makeButton(kUrl, tr("URL"));
    saveAsButton_ = makeButton(kSaveAs, tr("&As"));

    // From the list along the row of buttons, "As" right after "Save".
    QWidget* previous = list_;
    for (QPushButton* b : buttons_) {
        setTabOrder(previous, b);
        previous = b;
        if (b->objectName() == QString::number(kSave)) {
            setTabOrder(previous, saveAsButton_);
            previous = saveAsButton_;
        }
    }

    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &DataBaseDialog::updatePasteButton);
    updatePasteButton();

    askClose_ = [this](const QString& text, const QString& caption) {
        return QMessageBox::question(this, caption, text,
                                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                     QMessageBox::Yes);
    };

    list_->setTicketFile(ticketFileOf(frame_));
    loadBackground();
    showInformation();

    // Wide enough for a 6-number game with a bonus number and its four result columns, and
    // for the buttons' texts.
    const QFontMetrics fm(list_->font());
    const int cw = list_->charWidth();
    const int table = qv::kListLeftMargin + fm.horizontalAdvance(QStringLiteral("00/00/0000 ")) +
                      17 * cw + 4 * (fm.horizontalAdvance(QStringLiteral("3/6  +B ")) + cw) +
                      qv::kScrollBarThickness;
    int widest = 0;
    for (QPushButton* b : buttons_) widest = std::max(widest, b->sizeHint().width());
    const int row = int(buttons_.size()) * (widest + kButtonGap);
    // The list and the row are about W - 30 wide.
    setMinimumSize(row + 40, 320);
    resize(std::max({600, table + 40, row + 40}), 560);
    list_->setFocus();
}

DataBaseDialog::~DataBaseDialog() = default;

QPushButton* DataBaseDialog::makeButton(int id, const QString& text) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::number(id));
    // Enter in the list must not press a button behind the user's back.
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, id] { runCommand(id); });
    if (id != kSaveAs) buttons_.push_back(button);
    return button;
}

void DataBaseDialog::click(int sound) {
    SoundPlayer* player = frame_->soundPlayer();
    if (!player) player = SoundPlayer::instance();
    if (player) player->playEvent(sound);
}

void DataBaseDialog::placeFromSettings() {
    QScreen* screen = frame_->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QRect desktop = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int outer = qv::databaseWindowHeight(desktop.y() + desktop.height());
    resize(width(), std::max(minimumHeight(), outer - kFrameAllowance));
    const qv::Point at = frame_->settings().databaseWindowPos;
    move(at.x, at.y);
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

    const int count = static_cast<int>(buttons_.size());
    const int buttonWidth = std::max(40, (l.list.width - kButtonGap * (count - 1)) / count);
    for (int i = 0; i < count; ++i) {
        QPushButton* b = buttons_[static_cast<std::size_t>(i)];
        b->setGeometry(l.list.x + i * (buttonWidth + kButtonGap), l.buttonsY, buttonWidth,
                       buttonHeight);
        if (b->objectName() == QString::number(kSave)) {
            saveAsButton_->setGeometry(b->x(), l.asButtonY, buttonWidth, buttonHeight);
        }
    }
}

void DataBaseDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    layOut();
}

void DataBaseDialog::closeEvent(QCloseEvent* event) {
    // The close box does nothing; "Close File" and the exit close the database.
    if (closing_) {
        event->accept();
    } else {
        event->ignore();
    }
}

void DataBaseDialog::showInformation() {
    const qv::DataHeader& header = database_.header();
    description_->setText(QString::fromStdString(header.description));
    information_->setText(QString::fromStdString(qv::informationLine(
        header, database_.entryCount(),
        tr("%d Entries, %d Numbers on a Ticket, %d Numbers in Lotto").toStdString())));
}

void DataBaseDialog::updatePasteButton() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    pasteButton_->setEnabled(data && data->hasText());
}

void DataBaseDialog::setTicketFile(const qv::TicketFile* file) {
    list_->setTicketFile(file);
}

void DataBaseDialog::refresh() {
    list_->update();
}

void DataBaseDialog::databaseChanged() {
    showInformation();
    list_->entriesChanged();
    emit contentsChanged();
}

void DataBaseDialog::runCommand(int id) {
    switch (id) {
        case kPrintOptions:
            click(506);
            emit printOptionsRequested();
            break;
        case kModifyNumbers:
            click();
            emit modifyNumbersRequested();
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
            if (const auto level = qv::increasedFade(frame_->settings().databaseBackground.fade))
                changeFade(*level);
            break;
        case TMyDataTicketWindow::kDecreaseFade:
            if (const auto level = qv::decreasedFade(frame_->settings().databaseBackground.fade))
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
        default:
            break;
    }
}

bool DataBaseDialog::save() {
    const std::string error = database_.save(frame_->statisticsSettings());
    if (error.empty()) return true;
    showProblem(this, tr("Save"),
                tr("The database could not be saved as %1:\n%2\n\nChoose another name to save "
                   "it under.")
                    .arg(nativePath(database_.fileName()), QString::fromStdString(error)));
    return saveAs();
}

bool DataBaseDialog::saveAs() {
    FileRequest request;
    request.mode = FileRequest::Mode::Save;
    request.title = tr("Save File As");
    request.filter = tr("DataBase Files (*.dat)");
    request.defaultSuffix = QStringLiteral("dat");
    request.selected = nativePath(database_.fileName());
    const QString chosen = chooseFile(this, request);
    if (chosen.isEmpty()) return false;

    const QString path = QDir::toNativeSeparators(QFileInfo(chosen).absoluteFilePath());
    const std::string error = database_.saveAs(path.toStdString(), frame_->statisticsSettings());
    if (!error.empty()) {
        showProblem(this, tr("Save File As"),
                    tr("The database could not be saved as %1:\n%2")
                        .arg(path, QString::fromStdString(error)));
        return false;
    }
    setWindowTitle(path);
    // The next start reopens the file under its new name.
    frame_->settings().lastDatabase = path.toStdString();
    return true;
}

bool DataBaseDialog::closeFile() {
    click();
    if (database_.isModified()) {
        const QMessageBox::StandardButton answer =
            askClose_(tr("Save File Before Closing ?"), tr("Quorvantile"));
        if (answer != QMessageBox::Yes && answer != QMessageBox::No) return false;
        // Closing after a save that did not happen would lose the changes.
        if (answer == QMessageBox::Yes && !save()) return false;
    }
    qv::Settings& settings = frame_->settings();
    settings.databaseWindowPos = qv::Point{pos().x(), pos().y()};
    settings.lastDatabase.clear();
    if (frame_->openDocument(DocumentSlot::Database) == this)
        frame_->setOpenDocument(DocumentSlot::Database, nullptr);
    closing_ = true;
    hide();
    deleteLater();
    return true;
}

int DataBaseDialog::insertDraws(const std::vector<qv::TicketType>& draws) {
    int added = 0;
    for (const qv::TicketType& draw : draws) {
        if (!database_.insert(draw)) {
            const int left = static_cast<int>(draws.size()) - added;
            showProblem(this, tr("Quorvantile"),
                        tr("The database is full: a database holds at most 65,535 draws. %n "
                           "draw(s) could not be added.",
                           "", left));
            break;
        }
        ++added;
    }
    if (added > 0) databaseChanged();
    return added;
}

void DataBaseDialog::reportAdded(int added) {
    const QString text = added > 0 ? tr("%n draw(s) added to the database.", "", added)
                                   : tr("No draws were found to add to the database.");
    frame_->statusBar()->showMessage(text, 8000);
}

void DataBaseDialog::pasteFromClipboard() {
    const QString text = QGuiApplication::clipboard()->text();
    if (text.isEmpty()) return;
    const auto draws =
        qv::parseClipboardText(text.toStdString(), database_.header().numbersOnTicket);
    reportAdded(insertDraws(draws));
}

void DataBaseDialog::importFromFile() {
    FileRequest request;
    request.mode = FileRequest::Mode::Open;
    request.title = tr("Select file to import into this database");
    request.filter = tr("ASCII Text Files (*.txt)");
    request.defaultSuffix = QStringLiteral("txt");
    request.selected = nativePath(database_.fileName());
    const QString path = chooseFile(this, request);
    if (!path.isEmpty()) importFile(path);
}

bool DataBaseDialog::importFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        showProblem(this, tr("Import and Insert"),
                    tr("The file %1 could not be opened:\n%2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    const QByteArray bytes = file.readAll();
    const qv::FileImportResult result =
        qv::parseImportText(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    reportAdded(insertDraws(result.draws));
    return true;
}

void DataBaseDialog::changeAttributes() {
    qv::DataHeader header = database_.header();
    std::string link = database_.updateLink();
    CreateDataBaseDialog dialog(this, header, link);
    dialog.setWindowTitle(tr("Edit existing attributes"));
    if (dialog.exec() != QDialog::Accepted) return;
    database_.setHeader(header);
    database_.setUpdateLink(link);
    database_.setModified(true);
    showInformation();
    emit contentsChanged();
}

void DataBaseDialog::openUpdateLink() {
    const std::string& link = database_.updateLink();
    if (qv::utf8Length(link) < 2) {
        changeAttributes();
        return;
    }
    const QString text = QString::fromStdString(link);
    const QUrl url = QUrl::fromUserInput(text);
    if (!url.isValid() || !QDesktopServices::openUrl(url)) {
        showProblem(this, tr("URL"), tr("The update link %1 could not be opened.").arg(text));
    }
}

void DataBaseDialog::loadBackground() {
    const qv::DeskTopType& background = frame_->settings().databaseBackground;
    list_->loadBackground(frame_->dataFile(background.path), background.fade);
}

void DataBaseDialog::chooseBackground() {
    qv::DeskTopType& background = frame_->settings().databaseBackground;
    const QString chosen = chooseBitmapFile(this, frame_->dataFile(background.path));
    if (chosen.isEmpty()) return;
    background.path = chosen.toStdString();
    loadBackground();
}

void DataBaseDialog::changeFade(int level) {
    qv::DeskTopType& background = frame_->settings().databaseBackground;
    if (level == background.fade) return;
    background.fade = static_cast<std::int16_t>(level);
    // From the file again, so the new level is not applied over the old one.
    loadBackground();
}

void DataBaseDialog::sortEntries() {
    BusyDialog busy(this);
    TranslatedProgress progress(busy, tr("Sorting database entries..."));
    database_.sort(&progress);
    list_->entriesChanged();
    emit contentsChanged();
}

// --- Opening -------------------------------------------------------------------------------

bool openDatabaseWindow(TMyMDIFrame* frame, const QString& path) {
    if (!frame) return false;
    // One database at a time; the menu command is disabled while one is open.
    if (openDatabaseDialog(frame)) return false;
    QFile probe(path);
    if (path.isEmpty() || !probe.open(QIODevice::ReadOnly)) {
        frame->settings().lastDatabase.clear();
        return false;
    }
    probe.close();

    auto* dialog = new DataBaseDialog(frame, path);
    if (!dialog->loaded()) {
        delete dialog;
        frame->settings().lastDatabase.clear();
        showProblem(frame, DataBaseDialog::tr("Error"), DataBaseDialog::tr("Error opening file"));
        return false;
    }
    frame->settings().lastDatabase = dialog->database().fileName();
    frame->setOpenDocument(DocumentSlot::Database, dialog);
    if (const auto newest = dialog->database().newestEntry())
        frame->currentWinningNumbers() = *newest;
    // The ticket window's results depend on the database.
    for (DocumentSlot slot : {DocumentSlot::WheelTicketFile, DocumentSlot::ManualTicketFile}) {
        if (auto* window = dynamic_cast<QWidget*>(frame->openDocument(slot))) window->update();
    }
    dialog->placeFromSettings();
    dialog->show();
    return true;
}

DataBaseDialog* openDatabaseDialog(TMyMDIFrame* frame) {
    return frame ? dynamic_cast<DataBaseDialog*>(frame->openDocument(DocumentSlot::Database))
                 : nullptr;
}

void setOpenTicketFile(TMyMDIFrame* frame, const qv::TicketFile* file) {
    if (!frame) return;
    frame->setProperty(kTicketFileProperty, QVariant::fromValue(reinterpret_cast<quintptr>(file)));
    if (DataBaseDialog* dialog = openDatabaseDialog(frame)) dialog->setTicketFile(file);
}

}  // namespace qv::gui
