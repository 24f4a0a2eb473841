#include "gui/tickets/ticket_window.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

#include "core/tickets/matching.h"
#include "core/view/database_view.h"
#include "gui/common/application_state.h"
#include "gui/common/busy_dialog.h"
#include "gui/common/faded_bitmap.h"
#include "gui/common/sound_player.h"
#include "gui/common/user_interaction.h"
#include "gui/database/data_ticket_window.h"

namespace qv::gui {

namespace {

QColor toColor(const qv::Rgb& c) {
    return QColor(c.r, c.g, c.b);
}

}  // namespace

TMyTicketWindow::TMyTicketWindow(ApplicationState& state, QWidget* parent)
    : TScrolledListWindow(parent), state_(state) {
    connect(this, &TScrolledListWindow::commandChosen, this, &TMyTicketWindow::runCommand);
    auto add = [this](int id, const QString& text) { return addMenuCommand(id, text); };
    add(kChangeBackground, tr("&Change Background..."));
    add(kIncreaseFade, tr("&Increase Fade"));
    add(kDecreaseFade, tr("&Decrease Fade"));
    menu_->addSeparator();
    add(kSortTickets, tr("&Sort Tickets"));
    menu_->addSeparator();
    byResult_ = add(kArrangeByResult, tr("Arrange Tickets By &Result"));
    byNumber_ = add(kArrangeByNumber, tr("Arrange Tickets By &Number"));
    byResult_->setCheckable(true);
    byNumber_->setCheckable(true);
    menu_->addSeparator();
    add(kExportTickets, tr("&Export Tickets..."));
    add(kOdds, tr("&Odds..."));

    ask_ = [this](const QString& text, const QString& caption) {
        return QMessageBox::question(this, caption, text, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::Yes) == QMessageBox::Yes;
    };

    // New winning numbers are heard again; a database opened or changed repaints.
    connect(&state_, &ApplicationState::winningNumbersChanged, this, [this] {
        soundsPlayed_ = false;
        update();
    });
    connect(&state_, &ApplicationState::databaseChanged, this, [this] { update(); });

    measure();
    updateCheckMarks();
    loadBackground();
}

qv::TicketTexts TMyTicketWindow::texts() {
    qv::TicketTexts t;
    t.labelHeading = tr("Ticket #").toStdString();
    t.numbersHeading = tr("Numbers On Ticket").toStdString();
    t.resultsHeading = tr("Results").toStdString();
    t.plus = tr(" + ").toStdString();
    t.result = tr("%d/%d").toStdString();
    t.bonusResult = tr(" + %dB").toStdString();
    return t;
}

void TMyTicketWindow::setTickets(std::vector<qv::TicketType>* tickets,
                                 std::vector<qv::TicketType>* rows) {
    tickets_ = tickets;
    rows_ = rows;
    attach();
}

void TMyTicketWindow::attach() {
    order_.attach(count());
    bonusColumns_ = tickets_ ? qv::bonusColumnCount(*tickets_) : 0;
    updateCheckMarks();
    updateScrollRange();
    update();
}

void TMyTicketWindow::ticketsChanged() {
    bonusColumns_ = tickets_ ? qv::bonusColumnCount(*tickets_) : 0;
    updateScrollRange();
    update();
}

void TMyTicketWindow::updateCheckMarks() {
    byNumber_->setChecked(order_.arrangedByNumber());
    byResult_->setChecked(!order_.arrangedByNumber());
}

void TMyTicketWindow::updateScrollRange() {
    const int rowsHeight = listHeight();
    vertical_->setRange(0, qv::ticketScrollMaximum(count(), rowsHeight, rowHeight_));
    vertical_->setPageStep(std::max(1, rowsHeight / rowHeight_ - 1));
}

void TMyTicketWindow::loadBackground() {
    const qv::DeskTopType& background = state_.settings().ticketBackground;
    const QString path = state_.dataFile(background.path);
    background_ = path.isEmpty() ? QImage() : loadFadedBitmap(path, background.fade);
    update();
}

void TMyTicketWindow::changeFade(int level) {
    if (level == state_.settings().ticketBackground.fade) return;
    state_.updateSettings([=](qv::Settings& settings) {
        settings.ticketBackground.fade = static_cast<std::int16_t>(level);
    });
    loadBackground();
}

void TMyTicketWindow::runCommand(int id) {
    switch (id) {
        case kOdds:
            emit oddsRequested();
            break;
        case kChangeBackground: {
            const QString chosen = state_.interaction().chooseBitmapFile(
                this, state_.dataFile(state_.settings().ticketBackground.path));
            if (chosen.isEmpty()) return;
            state_.updateSettings([&](qv::Settings& settings) {
                settings.ticketBackground.path = chosen.toStdString();
            });
            loadBackground();
            break;
        }
        case kIncreaseFade:
            if (const auto level = qv::increasedFade(state_.settings().ticketBackground.fade))
                changeFade(*level);
            break;
        case kDecreaseFade:
            if (const auto level = qv::decreasedFade(state_.settings().ticketBackground.fade))
                changeFade(*level);
            break;
        case kSortTickets:
            sortTickets();
            break;
        case kArrangeByResult:
            arrangeByResult();
            break;
        case kArrangeByNumber:
            arrangeByNumber();
            break;
        case kExportTickets:
            exportTickets();
            break;
        default:
            break;
    }
    updateCheckMarks();
}

void TMyTicketWindow::sortTickets() {
    if (!tickets_) return;
    for (qv::TicketType& t : *tickets_) qv::SortTicketNumbers(t);
    update();
}

void TMyTicketWindow::arrangeByResult(qv::ProgressReporter* progress) {
    if (!tickets_ || !order_.arrangedByNumber()) {
        updateCheckMarks();
        return;
    }
    BusyDialog busy(this);
    order_.arrangeByResult(*tickets_, rows_, state_.winningNumbers(), progress ? progress : &busy,
                           tr("Checking Combinations...").toStdString());
    updateCheckMarks();
    update();
}

void TMyTicketWindow::arrangeByNumber() {
    if (tickets_ && order_.arrangeByNumber(*tickets_, rows_)) update();
    updateCheckMarks();
}

void TMyTicketWindow::exportTickets() {
    if (!tickets_) return;
    FileRequest request =
        FileRequest::of(FileRequest::Mode::Save, tr("Select File Name to Save As"),
                        tr("ASCII Text Files (*.txt)"), QStringLiteral("txt"));
    request.confirmOverwrite = false;
    const QString path = state_.interaction().chooseFile(this, request);
    if (path.isEmpty()) return;
    bool append = false;
    if (QFileInfo::exists(path)) {
        if (ask_(tr("File already exists.  Append tickets to file ?"), tr("Question ?"))) {
            append = true;
        } else if (!ask_(tr("Overwrite existing file ?"), tr("Question ?"))) {
            return;
        }
    }
    const qv::IoResult written = qv::writeExport(QDir::toNativeSeparators(path).toStdString(),
                                                 qv::exportText(*tickets_), append);
    if (!written)
        state_.interaction().showProblem(
            this, tr("Export Tickets"),
            tr("The tickets could not be written to %1:\n%2")
                .arg(QDir::toNativeSeparators(path), QString::fromStdString(written.message)));
}

void TMyTicketWindow::playFirstPaintSounds(qv::PaintedRows painted) {
    SoundPlayer* player = state_.soundPlayer();
    if (!player || !tickets_) return;
    const auto& waves = state_.settings().sound.waveFiles;
    for (int wave : qv::firstPaintSounds(*tickets_, painted, state_.winningNumbers())) {
        const qv::WaveFileSetting& w = waves[static_cast<std::size_t>(wave)];
        if (w.enabled) player->playWaveFile(state_.dataFile(w.path));
    }
}

void TMyTicketWindow::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    paintTiled(painter, background_, rect());
    const int t = qv::kScrollBarThickness;
    painter.fillRect(QRect(width() - t, height() - t, t, t), QColor(192, 192, 192));
    painter.setClipRect(QRect(0, 0, width() - t, height() - t));
    if (count() == 0) {
        soundsPlayed_ = true;
        return;
    }

    const QFontMetrics fm(font());
    const qv::TextWidth textWidth = [&fm](std::string_view s) {
        return fm.horizontalAdvance(QString::fromUtf8(s.data(), qsizetype(s.size())));
    };
    const qv::TicketTexts tx = texts();
    const qv::TicketColumns columns = qv::ticketColumns(
        cw_, horizontal_->value(), qv::mainNumberCount(*tickets_), bonusColumns_, tx, textWidth);
    painter.setBackgroundMode(Qt::TransparentMode);
    auto draw = [&](const std::vector<qv::ColouredText>& items, int y) {
        for (const qv::ColouredText& item : items) {
            painter.setPen(toColor(item.colour));
            painter.drawText(item.x, y + fm.ascent(), QString::fromStdString(item.text));
        }
    };

    draw(qv::ticketHeaderItems(columns, tx, textWidth), 0);
    const qv::TicketType& winning = state_.winningNumbers();
    const qv::PaintedRows painted = qv::paintedRows(
        count(), static_cast<std::size_t>(vertical_->value()), height() - t, rowHeight_);
    int y = rowHeight_;
    for (std::size_t k = painted.first; k < painted.end; ++k, y += rowHeight_) {
        const int label = k < order_.labels().size() ? order_.labels()[k] : int(k + 1);
        draw(qv::ticketRowItems((*tickets_)[k], label, columns, winning, tx, textWidth), y);
    }
    if (!soundsPlayed_) {
        soundsPlayed_ = true;
        playFirstPaintSounds(painted);
    }
}

}  // namespace qv::gui
