#pragma once
// The windows of the open ticket file: ManualTicketFileDialog for tickets entered by hand,
// WheelTicketFileDialog for tickets made from a wheel. Each is a view over the state's
// TicketDocument: it shows the tickets in a TMyTicketWindow, changes them through the
// document, and saves and closes it; the buttons that change the tickets differ.

#include <QDialog>
#include <QMessageBox>
#include <QPoint>
#include <functional>
#include <vector>

#include "core/options/sound_options.h"
#include "core/tickets/ticket_file.h"
#include "gui/common/document_window.h"
#include "gui/common/ticket_document.h"

class QLabel;
class QPushButton;

namespace qv::gui {

class ApplicationState;
class TMyTicketWindow;

class TicketFileDialog : public DocumentWindow {
    Q_OBJECT

public:
    // Buttons shared by both kinds, also the buttons' object names.
    static constexpr int kPrintOptions = 108;
    static constexpr int kBonusNumbers = 507;
    static constexpr int kOdds = 113;
    static constexpr int kTicketWindow = 300;
    // The width the dialog keeps; its height is three quarters of the screen.
    static constexpr int kWidth = 560;

    ~TicketFileDialog() override;

    TicketDocument& document() const { return document_; }
    const qv::TicketFile& file() const { return document_.file(); }
    TMyTicketWindow* ticketWindow() const { return window_; }
    bool isWheel() const { return file().isWheel(); }

    // Places the dialog and shows it, not modal.
    void open() override;

    void runCommand(int id) override;
    // "&Bonus Numbers", both kinds.
    void bonusNumbers();
    // "Print &Options": the page range, then the tickets as the window shows them on the
    // printer.
    void printOptions();
    // "Odds...": what the tickets win over every draw, in a window of its own.
    void showOdds();

protected:
    TicketFileDialog(ApplicationState& state, TicketDocument& document, QWidget* parent);

    void finishButtons();
    virtual QString saveAsTitle() const = 0;

    FileRequest saveAsRequest() const override;
    QString cannotSaveText() const override;
    void rememberPath(const std::string& path) override;
    bool saveBeforeClosing() override;
    void documentClosing() override;
    void layOut() override;

    TicketDocument& document_;
    TMyTicketWindow* window_ = nullptr;

private:
    void placeFromSettings();
};

class ManualTicketFileDialog : public TicketFileDialog {
    Q_OBJECT

public:
    static constexpr int kAddTicket = 508;
    static constexpr int kUpdateTickets = 510;

    ManualTicketFileDialog(ApplicationState& state, TicketDocument& document, QWidget* parent);

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
    WheelTicketFileDialog(ApplicationState& state, TicketDocument& document, QWidget* parent);

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
