#include "gui/print/ticket_printout.h"

#include <QColor>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <numeric>

namespace qv::gui {

namespace {

// The title holds a path of up to this many characters.
constexpr int kMaxTitleChars = 255;

QString tr(const char* text) {
    return QCoreApplication::translate("TTicketOut", text);
}

QColor toColor(const qv::Rgb& c) {
    return QColor(c.r, c.g, c.b);
}

// Draws a number padded with spaces in front ("  7. ") at `x` and returns where it ends. The
// padding takes the width of the digits it stands for, so that labels and numbers line up
// in a proportional font, where a space is narrower than a digit.
int drawPadded(QPainter& painter, const QFontMetrics& fm, int x, int baseline,
               const QString& text) {
    qsizetype pad = 0;
    while (pad < text.size() && text[pad] == QLatin1Char(' ')) ++pad;
    const QString shown = text.mid(pad);
    const int width = fm.horizontalAdvance(QString(pad, QLatin1Char('0')) + shown);
    painter.drawText(x + width - fm.horizontalAdvance(shown), baseline, shown);
    return x + width;
}

}  // namespace

qv::print::TicketPrintTexts TTicketOut::texts() {
    qv::print::TicketPrintTexts t;
    t.manualDescription = tr("%d manually entered tickets.").toStdString();
    t.wheelDescription = tr("Wheeling table, %s which guarantees %d/%d if %d").toStdString();
    return t;
}

TTicketOut::TTicketOut(QString title, QString description, std::vector<qv::TicketType> tickets,
                       std::vector<int> labels, const qv::TicketType& winning,
                       qv::print::PageRange range)
    : title_(std::move(title).left(kMaxTitleChars)),
      description_(std::move(description)),
      tickets_(std::move(tickets)),
      labels_(std::move(labels)),
      winning_(winning),
      range_(range),
      widest_(qv::print::widestTicket(tickets_)) {}

QString TTicketOut::documentName() const {
    const QString name = QFileInfo(title_).fileName();
    return name.isEmpty() ? tr("Tickets") : name;
}

void TTicketOut::prepare(const QPaintDevice& device, const QRect& pageRect) {
    perPage_ = qv::print::ticketPageLayout(measurePage(device, pageRect),
                                           pageHeaderBottom(device, pageRect), widest_)
                   .perPage;
}

bool TTicketOut::hasPage(int page) const {
    return page <= 1 || qv::print::moreTicketPages(page - 1, perPage_, tickets_.size(), range_);
}

void TTicketOut::printPage(QPainter& painter, int page, const QRect& pageRect) {
    const qv::print::PageMetrics metrics = measurePage(painter, pageRect);
    const int headerBottom = printPageHeader(painter, pageRect, page, title_);
    const qv::print::TicketPageLayout layout =
        qv::print::ticketPageLayout(metrics, headerBottom, widest_);
    perPage_ = layout.perPage;

    const QFontMetrics fm = painter.fontMetrics();
    const int ascent = fm.ascent();
    painter.setPen(Qt::black);
    painter.drawText(layout.descriptionX, layout.descriptionY + ascent, description_);

    const qv::print::TicketSpan span =
        qv::print::ticketsOnPage(page, layout.perPage, tickets_.size());
    int y = layout.firstLineY;
    for (std::size_t i = span.first; i < span.end; y += layout.lineHeight) {
        for (int column = 0; column < layout.perLine && i < span.end; ++column, ++i) {
            const int label = i < labels_.size() ? labels_[i] : static_cast<int>(i + 1);
            int x = layout.columnX[column];
            for (const qv::print::TicketPiece& piece :
                 qv::print::ticketPieces(tickets_[i], label, tickets_.size(), winning_)) {
                painter.setPen(toColor(piece.colour));
                x = drawPadded(painter, fm, x, y + ascent, QString::fromStdString(piece.text));
            }
        }
    }
    painter.setPen(Qt::black);
}

std::unique_ptr<Printout> makeTicketPrintout(const QString& path, const qv::TicketFile& file,
                                             const std::vector<int>& labels,
                                             const qv::TicketType& winning,
                                             qv::print::PageRange range) {
    const QString description =
        QString::fromStdString(qv::print::ticketPrintDescription(file, TTicketOut::texts()));
    return std::make_unique<TTicketOut>(path, description, file.tickets, labels, winning, range);
}

std::unique_ptr<Printout> makeTicketPrintout(const QString& path, const qv::TicketFile& file,
                                             const qv::TicketType& winning,
                                             qv::print::PageRange range) {
    std::vector<int> labels(file.tickets.size());
    std::iota(labels.begin(), labels.end(), 1);
    return makeTicketPrintout(path, file, labels, winning, range);
}

}  // namespace qv::gui
