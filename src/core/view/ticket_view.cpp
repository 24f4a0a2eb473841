#include "core/view/ticket_view.h"

#include <algorithm>

#include "core/tickets/matching.h"
#include "core/util/text.h"

namespace qv {

Rgb resultColour(int mainHits) {
    if (mainHits >= 5) return Rgb{255, 0, 0};
    if (mainHits == 4) return Rgb{255, 64, 0};
    if (mainHits == 3) return Rgb{255, 128, 0};
    return kTicketHeadingColour;
}

int ticketRowHeight(int charHeight) {
    return std::max(1, charHeight * 5 / 4);
}

TicketColumns ticketColumns(int cw, int horizontalPosition, int mainNumbers, int bonusColumns,
                            const TicketTexts& texts, const TextWidth& width) {
    TicketColumns c;
    c.cw = cw;
    c.mainNumbers = mainNumbers;
    c.bonusColumns = bonusColumns;
    c.labelX = 10 - horizontalPosition * cw;
    c.labelWidth = width(texts.labelHeading);
    c.numbersX = c.labelX + c.labelWidth + 2 * cw;
    c.bonusWidth = bonusColumns > 0 ? width(texts.plus) + 2 * cw * bonusColumns : 0;
    c.numbersWidth = 2 * cw * mainNumbers + c.bonusWidth;
    c.resultsX = c.numbersX + c.bonusWidth + 2 * cw * mainNumbers + cw;
    c.resultsWidth = width(texts.resultsHeading);
    return c;
}

std::vector<ColouredText> ticketHeaderItems(const TicketColumns& c, const TicketTexts& texts,
                                            const TextWidth& width) {
    auto centred = [&](int left, int cellWidth, const std::string& text) {
        return ColouredText{centredTextX(left, cellWidth, width(text)), text, kTicketHeadingColour};
    };
    return {centred(c.labelX, c.labelWidth, texts.labelHeading),
            centred(c.numbersX, c.numbersWidth, texts.numbersHeading),
            centred(c.resultsX, c.resultsWidth, texts.resultsHeading)};
}

std::vector<ColouredText> ticketRowItems(const TicketType& ticket, int label,
                                         const TicketColumns& c, const TicketType& winning,
                                         const TicketTexts& texts, const TextWidth& width) {
    std::vector<ColouredText> items;
    auto centred = [&](int left, int cellWidth, std::string text, Rgb colour) {
        const int x = centredTextX(left, cellWidth, width(text));
        items.push_back(ColouredText{x, std::move(text), colour});
    };
    const int cell = 2 * c.cw;
    centred(c.labelX, c.labelWidth, formatIntegers(texts.label, {label}), kTicketHeadingColour);

    int shown = 0;
    for (std::int16_t n : ticket.numbers) {
        if (n == 0) break;
        centred(c.numbersX + shown * cell, cell, formatIntegers(texts.number, {n}),
                isMainHit(n, winning) ? kTicketHitColour : kTicketPlainColour);
        ++shown;
    }
    if (ticket.bonus[0] != 0) {
        int x = c.numbersX + std::max(shown, c.mainNumbers) * cell;
        items.push_back(ColouredText{x, texts.plus, kTicketPlainColour});
        x += width(texts.plus);
        for (std::int16_t b : ticket.bonus) {
            if (b == 0) break;
            centred(x, cell, formatIntegers(texts.number, {b}),
                    isBonusHit(b, winning) ? kTicketHitColour : kTicketPlainColour);
            x += cell;
        }
    }

    const MatchResult m = MatchTicket(ticket, winning);
    std::string result = formatIntegers(texts.result, {m.MainHits, c.mainNumbers});
    if (c.bonusColumns > 0) result += formatIntegers(texts.bonusResult, {m.BonusHits});
    centred(c.resultsX, c.resultsWidth, std::move(result), resultColour(m.MainHits));
    return items;
}

PaintedRows paintedRows(std::size_t ticketCount, std::size_t first, int height, int rowHeight) {
    PaintedRows rows;
    rows.first = std::min(first, ticketCount);
    rows.end = rows.first;
    if (rowHeight <= 0) return rows;
    long long y = rowHeight;
    while (rows.end < ticketCount) {
        ++rows.end;
        if (y >= height) break;
        y += rowHeight;
    }
    return rows;
}

std::optional<int> scoreSound(int mainHits) {
    if (mainHits >= 5) return 0;
    if (mainHits == 4) return 1;
    if (mainHits == 3) return 2;
    return std::nullopt;
}

std::vector<int> firstPaintSounds(const std::vector<TicketType>& tickets, PaintedRows painted,
                                  const TicketType& winning) {
    std::vector<int> sounds;
    const std::size_t end = std::min(painted.end, tickets.size());
    for (std::size_t k = painted.first; k < end; ++k)
        if (const auto sound = scoreSound(MatchTicket(tickets[k], winning).MainHits))
            sounds.push_back(*sound);
    // The rows the first paint did not reach are heard too, for the lower scores only. The
    // last painted row has been heard already.
    if (tickets.size() < 100)
        for (std::size_t k = end; k < tickets.size(); ++k)
            if (MatchTicket(tickets[k], winning).MainHits == 3) sounds.push_back(2);
    return sounds;
}

int ticketScrollMaximum(std::size_t ticketCount, int height, int rowHeight) {
    if (rowHeight <= 0) return 0;
    const long long maximum = static_cast<long long>(ticketCount) - height / rowHeight + 3;
    return static_cast<int>(std::clamp<long long>(maximum, 0, 1LL << 30));
}

TicketDialogLayout ticketDialogLayout(bool wheel, int width, int height, int buttonHeight,
                                      int gap) {
    TicketDialogLayout layout;
    const int x = wheel ? std::max(0, width) / 40 : 12;
    const int y = wheel ? 70 : 6;
    layout.window = {x, y, std::max(0, std::min(width - 30, width - x)),
                     std::max(0, height - y - buttonHeight - 65)};
    layout.buttonsY = height - 65 - buttonHeight + gap;
    layout.asButtonY = layout.buttonsY + buttonHeight;
    return layout;
}

int ticketDialogHeight(int screenBottom) {
    return screenBottom * 3 / 4;
}

}  // namespace qv
