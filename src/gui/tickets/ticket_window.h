#pragma once
// The list of tickets inside a ticket-file dialog: each ticket with its numbers, the hits
// against the current winning numbers in red and its result in the colour of its score, over
// the faded background picture. Its context menu changes the background, sorts, arranges and
// exports the tickets, and asks for their odds.

#include <QImage>
#include <functional>
#include <vector>

#include "core/progress.h"
#include "core/records/records.h"
#include "core/tickets/arrange.h"
#include "core/view/ticket_view.h"
#include "gui/common/scrolled_list_window.h"

class QAction;

namespace qv::gui {

class ApplicationState;
class TMyTicketWindow : public TScrolledListWindow {
    Q_OBJECT

public:
    // Context menu commands, also the actions' object names.
    static constexpr int kChangeBackground = 401;
    static constexpr int kIncreaseFade = 402;
    static constexpr int kDecreaseFade = 403;
    static constexpr int kSortTickets = 501;
    static constexpr int kArrangeByResult = 502;
    static constexpr int kArrangeByNumber = 503;
    static constexpr int kExportTickets = 601;
    static constexpr int kOdds = 602;

    explicit TMyTicketWindow(ApplicationState& state, QWidget* parent = nullptr);

    // The dialog's tickets (and, for a wheel ticket file, its rows, which move with them);
    // the window does not own them. Labels the rows 1..n.
    void setTickets(std::vector<qv::TicketType>* tickets, std::vector<qv::TicketType>* rows);
    // After the tickets were created or replaced: labels 1..n, arranged by number, a new
    // scroll range, the bonus column counted again.
    void attach();
    // After the tickets changed in place (same count): the bonus column is counted again.
    void ticketsChanged();

    const std::vector<int>& labels() const { return order_.labels(); }
    bool arrangedByNumber() const { return order_.arrangedByNumber(); }
    int bonusColumns() const { return bonusColumns_; }
    int rowHeight() const { return rowHeight_; }
    const QImage& background() const { return background_; }
    // Whether the first paint (with its score sounds) has happened.
    bool soundsPlayed() const { return soundsPlayed_; }

    // The context menu's commands.
    void runCommand(int id);
    void sortTickets();
    // With the progress dialog, or `progress` when given.
    void arrangeByResult(qv::ProgressReporter* progress = nullptr);
    void arrangeByNumber();
    void exportTickets();
    // Reads the background picture again from the settings and repaints.
    void loadBackground();

    // The Yes/No questions of the export, replaceable so tests can answer.
    using Question = std::function<bool(const QString& text, const QString& caption)>;
    void setQuestion(Question question) { ask_ = std::move(question); }

    static qv::TicketTexts texts();

signals:
    // "&Odds...": the dialog that holds the file shows what it can win.
    void oddsRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    int rowHeightFor(int fontHeight) const override { return qv::ticketRowHeight(fontHeight); }
    void updateScrollRange() override;
    void aboutToShowMenu() override { updateCheckMarks(); }

private:
    void updateCheckMarks();
    void changeFade(int level);
    void playFirstPaintSounds(qv::PaintedRows painted);
    std::size_t count() const { return tickets_ ? tickets_->size() : 0; }

    ApplicationState& state_;
    std::vector<qv::TicketType>* tickets_ = nullptr;
    std::vector<qv::TicketType>* rows_ = nullptr;
    qv::TicketOrder order_;
    int bonusColumns_ = 0;
    bool soundsPlayed_ = false;
    QAction* byResult_ = nullptr;
    QAction* byNumber_ = nullptr;
    QImage background_;
    Question ask_;
};

}  // namespace qv::gui
