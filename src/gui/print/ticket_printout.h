#pragma once
// The printout of a ticket file: every ticket under its label, one or two to a line, the
// numbers that match the current winning numbers in red.

#include <QString>
#include <cstddef>
#include <memory>
#include <vector>

#include "core/print/ticket_print.h"
#include "core/records/records.h"
#include "core/tickets/ticket_file.h"
#include "gui/print/printout.h"

namespace qv::gui {

class TTicketOut : public Printout {
public:
    // `labels[i]` is printed before `tickets[i]`; a ticket without one takes i + 1.
    TTicketOut(QString title, QString description, std::vector<qv::TicketType> tickets,
               std::vector<int> labels, const qv::TicketType& winning, qv::print::PageRange range);

    QString documentName() const override;
    void prepare(const QPaintDevice& device, const QRect& pageRect) override;
    bool hasPage(int page) const override;
    bool drawsPage(int page) const override { return !range_.skips(page); }
    void printPage(QPainter& painter, int page, const QRect& pageRect) override;

    // The texts of the description line, translated.
    static qv::print::TicketPrintTexts texts();

private:
    QString title_;
    QString description_;
    std::vector<qv::TicketType> tickets_;
    std::vector<int> labels_;
    qv::TicketType winning_;
    qv::print::PageRange range_;
    int widest_ = 0;
    // Planned before the first page from the measured page.
    int perPage_ = 1;
};

// The printout of `file`, titled with `path`, in the order and with the labels the ticket
// window shows (its tickets are file.tickets as they stand).
std::unique_ptr<Printout> makeTicketPrintout(const QString& path, const qv::TicketFile& file,
                                             const std::vector<int>& labels,
                                             const qv::TicketType& winning,
                                             qv::print::PageRange range = {});
// The same in the file's own order, labelled 1 to n.
std::unique_ptr<Printout> makeTicketPrintout(const QString& path, const qv::TicketFile& file,
                                             const qv::TicketType& winning,
                                             qv::print::PageRange range = {});

}  // namespace qv::gui
