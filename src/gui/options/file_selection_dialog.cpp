#include "gui/options/file_selection_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStorageInfo>
#include <QStyle>
#include <QVBoxLayout>

#include "core/options/file_description.h"
#include "core/wheels/wheel_tickets.h"
#include "gui/common/application_state.h"
#include "gui/common/button_row.h"

namespace qv::gui {

namespace {

QString idName(int id) {
    return QString::number(id);
}

std::string toStd(const QString& s) {
    return s.toStdString();
}

QString fromStd(const std::string& s) {
    return QString::fromStdString(s);
}

// A one-line label that shows a long path shortened in the middle rather than widening the
// dialog; text() keeps the whole path.
class PathLabel : public QLabel {
public:
    using QLabel::QLabel;
    QSize sizeHint() const override { return {10, QLabel::sizeHint().height()}; }
    QSize minimumSizeHint() const override { return {10, QLabel::minimumSizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRect area = contentsRect();
        painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                         fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width()));
    }
};

// Typing in the list jumps to the next line whose name starts with what was typed; the
// brackets of directories and roots do not count.
class FileListBox : public QListWidget {
public:
    static constexpr int kNameRole = Qt::UserRole + 1;
    using QListWidget::QListWidget;

    void keyboardSearch(const QString& text) override {
        if (text.isEmpty()) return;
        if (!typed_.isValid() || typed_.elapsed() > QApplication::keyboardInputInterval())
            search_.clear();
        typed_.start();
        // The same letter again moves on to the next match.
        const bool repeat = search_.size() == 1 && text == search_;
        if (!repeat) search_ += text;
        const int n = count();
        const int start = currentRow() < 0 ? 0 : currentRow() + (repeat || search_.size() == 1);
        for (int k = 0; k < n; ++k) {
            const int row = (start + k) % n;
            if (item(row)->data(kNameRole).toString().startsWith(search_, Qt::CaseInsensitive)) {
                setCurrentRow(row);
                return;
            }
        }
    }

private:
    QString search_;
    QElapsedTimer typed_;
};

// The roots offered in the list, those that are directories now.
std::vector<std::string> currentRoots() {
    std::vector<qv::MountedVolume> volumes;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        if (!v.isValid() || !v.isReady()) continue;
        volumes.push_back({toStd(v.rootPath()), toStd(QString::fromLocal8Bit(v.device())),
                           toStd(QString::fromLatin1(v.fileSystemType()))});
    }
    std::vector<std::string> roots;
    for (const std::string& root : qv::listedRoots(volumes))
        if (QFileInfo(fromStd(root)).isDir()) roots.push_back(root);
    return roots;
}

}  // namespace

QString FileSelection::startDirectory(const ApplicationState& state) {
    const QString& dir = state.fileSelectionDirectory();
    return dir.isEmpty() || !QFileInfo(dir).isDir() ? QDir::currentPath() : dir;
}

QString FileSelection::getFile(ApplicationState& state, QWidget* parent, const QString& pattern,
                               const QString& filterText, const QString& caption, int filterIndex) {
    FileSelection dialog(state, parent, pattern, filterText, filterIndex, caption);
    return dialog.exec() == QDialog::Accepted ? dialog.path() : QString();
}

namespace {

bool sameFolder(const QString& a, const QString& b) {
    return QDir(a).absolutePath() == QDir(b).absolutePath();
}

}  // namespace

QString FileSelection::wheelFolder(const ApplicationState& state, const QString& library) {
    if (!state.ownWheelFolder() && !library.isEmpty() && QFileInfo(library).isDir()) return library;
    return startDirectory(state);
}

QString FileSelection::getWheelFile(ApplicationState& state, QWidget* parent,
                                    const QString& library, int filterIndex) {
    state.setFileSelectionDirectory(wheelFolder(state, library));
    const QString path = getFile(state, parent, QString::fromLatin1(qv::kWheelPickerPattern),
                                 tr(qv::kWheelPickerFilter), tr("Select File"), filterIndex);
    if (!path.isEmpty()) noteWheelFile(state, path, library);
    return path;
}

void FileSelection::noteWheelFile(ApplicationState& state, const QString& path,
                                  const QString& library) {
    const QString folder = QFileInfo(path).absolutePath();
    state.setFileSelectionDirectory(folder);
    if (library.isEmpty() || !sameFolder(folder, library)) state.setOwnWheelFolder(true);
}

FileSelection::FileSelection(ApplicationState& state, QWidget* parent, const QString& pattern,
                             const QString& filterText, int filterIndex, const QString& caption)
    : QDialog(parent),
      state_(state),
      model_(toStd(pattern), toStd(filterText), filterIndex, toStd(startDirectory(state))) {
    setWindowTitle(caption);

    auto* pathLabel = new QLabel(tr("Path:"));
    pathLine_ = new PathLabel;
    pathLine_->setObjectName(idName(kPathLine));
    pathLine_->setTextFormat(Qt::PlainText);
    pathLine_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(pathLabel);
    pathRow->addWidget(pathLine_, 1);

    auto* descriptionLabel = new QLabel(tr("File description:"));
    description_ = new QLabel;
    description_->setObjectName(idName(kDescription));
    description_->setTextFormat(Qt::PlainText);
    description_->setFrameShape(QFrame::StyledPanel);
    description_->setFrameShadow(QFrame::Sunken);
    description_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description_->setMargin(3);
    description_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    description_->setMinimumWidth(fontMetrics().averageCharWidth() * 62);
    description_->setFixedHeight(fontMetrics().lineSpacing() * 2 + 2 * 3 + 4);

    list_ = new FileListBox;
    list_->setObjectName(idName(kFileList));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformItemSizes(true);
    list_->setMinimumHeight(fontMetrics().lineSpacing() * 12);
    auto* listLabel = new QLabel(tr("Select File :"));
    listLabel->setBuddy(list_);
    list_->installEventFilter(this);
    connect(list_, &QListWidget::currentRowChanged, this, &FileSelection::showRow);
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { activateRow(list_->row(item)); });

    filter_ = new QComboBox;
    filter_->setObjectName(idName(kFilterCombo));
    for (const std::string& line : model_.filterLines()) filter_->addItem(fromStd(line));
    filter_->setCurrentIndex(model_.filterIndex());
    auto* filterLabel = new QLabel(tr("Filter :"));
    filterLabel->setBuddy(filter_);
    connect(filter_, &QComboBox::currentIndexChanged, this, [this](int index) {
        model_.selectFilter(index);
        refill();
    });

    const auto [buttons, ok, cancel] =
        makeOkCancelButtons(this, tr("&OK"), tr("&Cancel"), Qt::Vertical);

    auto* grid = new QGridLayout;
    grid->addWidget(listLabel, 0, 0);
    grid->addWidget(list_, 1, 0);
    grid->addWidget(buttons, 1, 1, Qt::AlignTop);
    grid->addWidget(filterLabel, 2, 0);
    grid->addWidget(filter_, 3, 0);
    grid->setColumnStretch(0, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pathRow);
    layout->addSpacing(4);
    layout->addWidget(descriptionLabel);
    layout->addWidget(description_);
    layout->addSpacing(4);
    layout->addLayout(grid);

    setTabOrder(list_, filter_);
    setTabOrder(filter_, ok);
    setTabOrder(ok, cancel);
    ok->setDefault(true);

    if (!enterDirectory(fromStd(model_.directory()))) {
        // The remembered directory went away: start over where the process is.
        enterDirectory(QDir::currentPath());
    }
    list_->setFocus();
}

QString FileSelection::path() const {
    return fromStd(model_.path());
}

QString FileSelection::directory() const {
    return fromStd(model_.directory());
}

QString FileSelection::description() const {
    return description_->text();
}

void FileSelection::click() {
    state_.interaction().playSound(qv::EventSound::Click);
}

bool FileSelection::enterDirectory(const QString& directory) {
    const QFileInfo info(directory);
    // Listing needs read permission; looking at the files inside needs search permission.
    if (!info.isDir() || !info.isReadable() || !info.isExecutable()) return false;
    model_.setDirectory(toStd(info.absoluteFilePath()));
    state_.setFileSelectionDirectory(fromStd(model_.directory()));
    refill();
    return true;
}

void FileSelection::refill() {
    std::vector<qv::DirectoryEntry> listing;
    const QDir dir(fromStd(model_.directory()));
    const QFileInfoList infos = dir.entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDot, QDir::NoSort);
    for (const QFileInfo& info : infos) {
        // Devices, pipes and dangling links are neither files to open nor places to go.
        if (info.isDir() || info.isFile())
            listing.push_back({toStd(info.fileName()), info.isDir()});
    }
    model_.setListing(listing, currentRoots());

    pathLine_->setText(fromStd(model_.pathLine()));
    pathLine_->setToolTip(pathLine_->text());

    const QSignalBlocker blocker(list_);
    list_->clear();
    for (const qv::FileListEntry& e : model_.entries()) {
        auto* item = new QListWidgetItem(fromStd(e.text), list_);
        item->setData(FileListBox::kNameRole, fromStd(e.name));
    }
    if (list_->count() > 0) list_->setCurrentRow(0);
    showRow(list_->currentRow());
}

void FileSelection::showRow(int row) {
    if (!model_.select(row)) {
        description_->clear();
        return;
    }
    const auto text = qv::describeFile(model_.path(), model_.openPattern());
    description_->setText(text ? fromStd(*text) : QString());
}

void FileSelection::activateRow(int row) {
    if (row < 0 || row >= int(model_.entries().size())) return;
    const QString target = fromStd(model_.targetOf(row));
    if (model_.entries()[std::size_t(row)].kind == qv::FileEntryKind::File) {
        if (QFileInfo(target).isFile()) {
            model_.select(row);
            QDialog::accept();
        }
        return;
    }
    // A place that cannot be entered leaves the dialog where it was.
    enterDirectory(target);
}

void FileSelection::goUp() {
    if (model_.directory() != "/") enterDirectory(fromStd(qv::parentDirectory(model_.directory())));
}

void FileSelection::accept() {
    click();
    if (model_.fileChosen() && QFileInfo(path()).isFile()) {
        QDialog::accept();
    } else {
        QDialog::reject();
    }
}

void FileSelection::reject() {
    click();
    QDialog::reject();
}

bool FileSelection::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return QDialog::eventFilter(watched, event);
        switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                if (list_->currentRow() >= 0 &&
                    model_.entries()[std::size_t(list_->currentRow())].kind ==
                        qv::FileEntryKind::File) {
                    accept();  // the OK button, with its click
                } else {
                    activateRow(list_->currentRow());
                }
                return true;
            case Qt::Key_Backspace:
                goUp();
                return true;
            default:
                break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace qv::gui
