#include "core/view/database_view.h"

#include <algorithm>

#include "core/util/text.h"

namespace qv {

int centredTextX(int left, int width, int textWidth) {
    return left + width / 2 - textWidth / 2;
}

int listLineHeight(int charHeight) {
    return charHeight * 5 / 4;
}

ListColumns listColumns(const TicketType& newest, int cw, int horizontalPosition,
                        const DatabaseTexts& texts, const TextWidth& width) {
    ListColumns c;
    c.dateX = kListLeftMargin - horizontalPosition * cw;
    c.markX = c.dateX - kListLeftMargin;
    c.numbers = newest.numberCount();
    c.bonusNumbers = newest.bonusCount();
    c.numbersX = c.dateX + width(texts.dateSample);
    c.numbersWidth = 2 * cw * c.numbers;
    c.bonusX = c.numbersX + c.numbersWidth + cw;
    int x = c.bonusX;
    if (c.bonusNumbers > 0) {
        c.bonusWidth = 2 * cw * c.bonusNumbers;
        x += c.bonusWidth + 2 * cw;
    }
    for (int m = 3; m <= c.numbers; ++m) {
        ResultColumn column;
        column.level = m;
        column.heading = formatIntegers(texts.levelHeading, {m, c.numbers});
        if (c.bonusNumbers > 0) column.heading += texts.levelBonusMark;
        column.x = x;
        column.width = width(column.heading) + cw;
        x += column.width;
        c.results.push_back(std::move(column));
    }
    return c;
}

std::vector<TextItem> headerItems(const ListColumns& columns, const DatabaseTexts& texts,
                                  const TextWidth& width) {
    std::vector<TextItem> items;
    items.push_back({columns.dateX, texts.dateHeading});
    items.push_back(
        {centredTextX(columns.numbersX, columns.numbersWidth, width(texts.numbersHeading)),
         texts.numbersHeading});
    if (columns.bonusNumbers > 0) {
        items.push_back(
            {centredTextX(columns.bonusX, columns.bonusWidth, width(texts.bonusHeading)),
             texts.bonusHeading});
    }
    for (const ResultColumn& r : columns.results) items.push_back({r.x, r.heading});
    return items;
}

std::vector<TextItem> rowItems(const TicketType& draw, const ListColumns& columns, int cw,
                               const DatabaseTexts& texts, const TextWidth& width,
                               const TicketFile* tickets) {
    std::vector<TextItem> items;
    if (tickets && tickets->isWheel() && WheelConditionMet(*tickets, draw)) {
        items.push_back({columns.markX, texts.wheelMark, true});
    }
    items.push_back(
        {columns.dateX, formatIntegers(texts.rowDate, {draw.month, draw.day, draw.year})});
    const int cell = 2 * cw;
    auto addNumbers = [&](const auto& numbers, int left) {
        for (std::size_t i = 0; i < numbers.size() && numbers[i] != 0; ++i) {
            const std::string text = formatIntegers(texts.number, {numbers[i]});
            items.push_back(
                {centredTextX(left + static_cast<int>(i) * cell, cell, width(text)), text});
        }
    };
    addNumbers(draw.numbers, columns.numbersX);
    addNumbers(draw.bonus, columns.bonusX);

    if (tickets && !columns.results.empty()) {
        bool wantBonus = draw.bonus[0] != 0;
        const TallyCounts tally = TallyResults(tickets->tickets, draw, wantBonus);
        for (const ResultColumn& r : columns.results) {
            const std::size_t level = static_cast<std::size_t>(r.level - 2);
            if (level >= kTallySize) continue;
            std::string text = formatIntegers(texts.hitsCell, {tally.hits[level]});
            if (wantBonus) text += formatIntegers(texts.bonusHitsCell, {tally.bonusHits[level]});
            items.push_back({r.x, std::move(text)});
        }
    }
    return items;
}

std::vector<TextItem> wheelNoteItems(const ListColumns& columns, const DatabaseTexts& texts) {
    return {{columns.markX, texts.wheelMark, true}, {columns.dateX, texts.wheelNote}};
}

std::vector<TextItem> doubleClickNoteItems(const ListColumns& columns, const DatabaseTexts& texts) {
    return {{columns.dateX, texts.doubleClickNote}};
}

std::vector<ListLine> visibleLines(std::size_t entryCount, std::size_t first, int height, int lh) {
    std::vector<ListLine> lines;
    if (entryCount == 0 || lh <= 0) return lines;
    lines.push_back({ListLineKind::Header, 0, 0});
    int y = lh;
    std::size_t i = first;
    for (; i < entryCount && y < height; ++i, y += lh) {
        lines.push_back({ListLineKind::Entry, y, i});
    }
    if (i == entryCount && first < entryCount) {
        lines.push_back({ListLineKind::WheelNote, y, 0});
        lines.push_back({ListLineKind::DoubleClickNote, y + lh, 0});
    }
    return lines;
}

std::optional<std::size_t> entryAt(int y, int lh, std::size_t first, std::size_t entryCount) {
    if (lh <= 0 || y < lh) return std::nullopt;
    const std::size_t entry = first + static_cast<std::size_t>(y / lh - 1);
    if (entry >= entryCount) return std::nullopt;
    return entry;
}

int verticalScrollMaximum(std::size_t entryCount, int height, int lh) {
    if (lh <= 0) return 0;
    const long long count = static_cast<long long>(entryCount);
    const long long maximum = count + 1 - height / lh + 2;
    return static_cast<int>(std::clamp<long long>(maximum, 0, count + 3));
}

ListScrollBars listScrollBars(int width, int height, int lh) {
    const int t = kScrollBarThickness;
    ListScrollBars bars;
    bars.vertical = {width - t, 0, t, height - t};
    bars.verticalRepaint = {0, lh, width - t, height - t - lh};
    bars.horizontal = {0, height - t, width - t, t};
    bars.horizontalRepaint = {0, 0, width - t, height - t};
    return bars;
}

DatabaseWindowLayout databaseWindowLayout(int width, int height, int buttonHeight, int gap) {
    DatabaseWindowLayout layout;
    const int x = std::max(0, width) / 40;  // floor(width x 0.025)
    // Past 1200 pixels "width - 30" would run off the right edge and hide the scroll bar.
    layout.list = {x, 50, std::max(0, std::min(width - 30, width - x)),
                   std::max(0, height - 50 - buttonHeight - 65)};
    layout.buttonsY = height - 65 - buttonHeight + gap;
    layout.asButtonY = layout.buttonsY + buttonHeight;
    return layout;
}

int databaseWindowHeight(int desktopBottom) {
    return desktopBottom * 3 / 4;
}

std::optional<int> increasedFade(int level) {
    if (level >= 100) return std::nullopt;
    return level + kFadeStep;
}

std::optional<int> decreasedFade(int level) {
    if (level <= 0) return std::nullopt;
    // A level read from the settings need not be a multiple of 5; below 0 means nothing.
    return std::max(0, level - kFadeStep);
}

}  // namespace qv
