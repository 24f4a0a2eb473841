#pragma once
// "Odds": what the open ticket file can win over every draw of a game. The game (its numbers
// and the bonus ball), a table of every best score with its count of draws, its probability,
// "1 in X" for it or better and the prizes, a bar chart of the counts on a log scale, and for
// a wheel ticket file the wheel's profile. Prints and copies as text.

#include <QDialog>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "core/tickets/odds.h"
#include "core/tickets/ticket_file.h"
#include "core/wheels/wheel_profile.h"
#include "gui/print/printout.h"

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace qv::gui {

class ApplicationState;

// The bars of the odds: one per score, best first, their heights by the logarithm of the
// count. Draws on the screen and on paper alike.
void paintOddsChart(QPainter& painter, const QRect& area, const qv::TicketOdds& odds);

class OddsChart : public QWidget {
    Q_OBJECT

public:
    explicit OddsChart(QWidget* parent = nullptr);
    void setOdds(const std::optional<qv::TicketOdds>& odds);
    QSize sizeHint() const override { return QSize(520, 220); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<qv::TicketOdds> odds_;
};

class OddsDialog : public QDialog {
    Q_OBJECT

public:
    // Columns of the odds table.
    enum Column {
        ScoreColumn,
        DrawsColumn,
        ProbabilityColumn,
        OneInColumn,
        PrizeColumn,
        ExpectedColumn,
        ColumnCount
    };

    // A copy of the file's tickets is counted; the game starts from the open database's
    // numbers (else the file's), with the bonus ball when the database draws bonus numbers.
    OddsDialog(ApplicationState& state, const qv::TicketFile& file, QWidget* parent = nullptr);

    // Counts the odds of the game set in the dialog, with the progress dialog, or `progress`
    // when given. False when the game does not fit (the reason is shown) or the user
    // cancelled.
    bool count(qv::ProgressReporter* progress = nullptr);
    // The wheel's profile (wheel ticket files only).
    bool countProfile(qv::ProgressReporter* progress = nullptr);

    void setGame(int lotto, bool bonusBall);
    const std::optional<qv::TicketOdds>& odds() const { return odds_; }
    const std::optional<std::vector<qv::ProfileLine>>& profile() const { return profile_; }
    QTableWidget* table() const { return table_; }
    QTableWidget* profileTable() const { return profileTable_; }
    OddsChart* chart() const { return chart_; }
    QString summaryText() const;

    // Everything the dialog shows, as lines of text: what "Copy" puts on the clipboard and
    // the printout prints above the chart.
    QStringList reportLines() const;
    void copyAsText();
    void print();

private:
    qv::OddsGame game() const;
    qv::PrizeTable prizeTable() const;
    void showOdds();
    void showProfile();
    void showPrizes();
    void prizeEdited(int row, int column);
    void priceEdited(double price);

    ApplicationState& state_;
    qv::TicketFile file_;
    std::optional<qv::TicketOdds> odds_;
    std::optional<std::vector<qv::ProfileLine>> profile_;
    std::vector<double> expected_;  // tickets scoring each score per draw, prize table order
    bool filling_ = false;

    QSpinBox* lotto_ = nullptr;
    QCheckBox* bonusBall_ = nullptr;
    QLabel* problem_ = nullptr;
    QTableWidget* table_ = nullptr;
    OddsChart* chart_ = nullptr;
    QDoubleSpinBox* price_ = nullptr;
    QLabel* summary_ = nullptr;
    QTableWidget* profileTable_ = nullptr;
};

// The odds as the dialog shows them, on one page: its lines, then the chart.
class OddsPrintout : public Printout {
public:
    OddsPrintout(QString title, QStringList lines, std::optional<qv::TicketOdds> odds);
    QString documentName() const override { return title_; }
    bool hasPage(int page) const override { return page == 1; }
    void printPage(QPainter& painter, int page, const QRect& pageRect) override;

private:
    QString title_;
    QStringList lines_;
    std::optional<qv::TicketOdds> odds_;
};

}  // namespace qv::gui
