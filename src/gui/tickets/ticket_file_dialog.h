#pragma once
// The windows of the open ticket file: ManualTicketFileDialog for tickets entered by hand,
// WheelTicketFileDialog for tickets made from a wheel. Each owns its file, shows it in a
// TMyTicketWindow, and saves and closes it; the buttons that change the tickets differ.

#include <QDialog>
#include <QMessageBox>
#include <QPoint>
#include <functional>
#include <vector>

#include "core/options/sound_options.h"
#include "core/tickets/ticket_file.h"
#include "gui/common/button_row.h"
#include "gui/common/open_document.h"

class QLabel;
class QPushButton;

namespace qv::gui {

class ApplicationState;
class TMyTicketWindow;

class TicketFileDialog : public QDialog, public OpenDocument {
    Q_OBJECT

public:
    // Buttons shared by both kinds, also the buttons' object names.
    static constexpr int kPrintOptions = 108;
    static constexpr int kSave = 107;
    static constexpr int kSaveAs = 112;
    static constexpr int kCloseFile = 106;
    static constexpr int kBonusNumbers = 507;
    static constexpr int kOdds = 113;
    static constexpr int kTicketWindow = 300;
    // The width the dialog keeps; its height is three quarters of the screen.
    static constexpr int kWidth = 560;
    // What a caption and its borders add to the inside.
    static constexpr int kFrameAllowance = 25;
    static constexpr int kButtonGap = 6;

    ~TicketFileDialog() override;

    qv::TicketFile& file() { return file_; }
    const qv::TicketFile& file() const { return file_; }
    TMyTicketWindow* ticketWindow() const { return window_; }
    bool isWheel() const { return file_.isWheel(); }
    DocumentSlot slot() const {
        return isWheel() ? DocumentSlot::WheelTicketFile : DocumentSlot::ManualTicketFile;
    }

    // Registers the file with the application (the ticket-file-open flag, the database
    // window's results), places the dialog and shows it.
    void open();
    using QDialog::open;

    // OpenDocument
    bool isModified() const override { return file_.modified; }
    // Save, or Save As when there is no name yet or the file cannot be written; false when
    // nothing was saved.
    bool save() override;
    QPoint windowPosition() const override { return pos(); }

    bool saveAs();
    // Asks to save a modified file; false when the user kept it open.
    bool closeFile();
    virtual void runCommand(int id);
    // "&Bonus Numbers", both kinds.
    void bonusNumbers();
    // "Print &Options": the page range, then the tickets as the window shows them on the
    // printer.
    void printOptions();
    // "Odds...": what the tickets win over every draw, in a window of its own.
    void showOdds();

    // The close question, replaceable so tests can answer.
    using Question =
        std::function<QMessageBox::StandardButton(const QString& text, const QString& caption)>;
    void setCloseQuestion(Question question) { askClose_ = std::move(question); }

    // Escape does nothing: the file closes only with "&Close File" or at exit.
    void reject() override {}

protected:
    TicketFileDialog(ApplicationState& state, qv::TicketFile file, QWidget* parent);

    // The buttons in the order they stand, "&As" going under "&Save".
    QPushButton* makeButton(int id, const QString& text);
    ButtonRow buttonRow() const;
    void finishButtons();
    void click(qv::EventSound sound = qv::EventSound::Click);
    // After the tickets changed: modified, and the database window repaints.
    void ticketsChanged();
    virtual QString saveAsTitle() const = 0;

    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    virtual void layOut();

    ApplicationState& state_;
    qv::TicketFile file_;
    TMyTicketWindow* window_ = nullptr;
    std::vector<QPushButton*> buttons_;
    QPushButton* saveAsButton_ = nullptr;

private:
    void placeFromSettings();

    Question askClose_;
    bool closing_ = false;
    bool registered_ = false;
};

class ManualTicketFileDialog : public TicketFileDialog {
    Q_OBJECT

public:
    static constexpr int kAddTicket = 508;
    static constexpr int kUpdateTickets = 510;

    ManualTicketFileDialog(ApplicationState& state, qv::TicketFile file, QWidget* parent);

    void runCommand(int id) override;
    // "&Add Ticket": the manual ticket grid.
    void addTickets();
    // "&Update Tickets": "Modify Tickets".
    void updateTickets();

protected:
    QString saveAsTitle() const override;
};

class WheelTicketFileDialog : public TicketFileDialog {
    Q_OBJECT

public:
    static constexpr int kModifyNumbers = 103;
    static constexpr int kChangeWheel = 104;
    static constexpr int kDescriptionLine = 201;
    static constexpr int kNumbersLine = 202;

    // The wheel is applied to the chosen numbers as the dialog sets up.
    WheelTicketFileDialog(ApplicationState& state, qv::TicketFile file, QWidget* parent);

    void runCommand(int id) override;
    void modifyNumbers();
    void changeWheel();
    QString descriptionText() const;
    QString numbersText() const;

protected:
    QString saveAsTitle() const override;
    void layOut() override;

private:
    void showLines();

    QLabel* description_ = nullptr;
    QLabel* numbers_ = nullptr;
};

}  // namespace qv::gui
