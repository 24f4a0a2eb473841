#include "gui/tickets/odds_dialog.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/database/draw_database.h"
#include "core/options/settings.h"
#include "gui/common/application_state.h"
#include "gui/common/busy_dialog.h"

namespace qv::gui {

namespace {

QString countText(std::uint64_t n) {
    return QLocale().toString(static_cast<qulonglong>(n));
}

QString oneInText(double x) {
    if (x <= 0) return QStringLiteral("-");
    return QLocale().toString(x, 'f', x < 100 ? 2 : 0);
}

// Counts on the chart, short enough to stand over a bar: 129, 32,508, 1.63M, 141M, 6.01G.
QString shortCount(double n) {
    if (n < 100000) return QLocale().toString(static_cast<qulonglong>(n));
    const char* units[] = {"K", "M", "G", "T"};
    int unit = -1;
    while (n >= 1000 && unit < 3) {
        n /= 1000;
        ++unit;
    }
    return QLocale().toString(n, 'g', 3) + QLatin1String(units[unit]);
}

QString probabilityText(double p) {
    return p == 0 ? QStringLiteral("0") : QString::number(p, 'g', 4);
}

QString amountText(double v) {
    return QLocale().toString(v, 'f', 2);
}

QString scoreText(const qv::Score& s) {
    return QString::fromStdString(s.text());
}

// Red for the top scores, fading to green for the lowest.
QColor barColour(int place, int places) {
    const double t = places > 1 ? double(place) / (places - 1) : 0;
    return QColor::fromHsvF(0.33 * t, 0.85, 0.9);
}

// Whether the bonus ball is drawn in the open database's game: some entry has a bonus number.
bool databaseDrawsBonus(const qv::DrawDatabase& db) {
    return std::any_of(db.entries().begin(), db.entries().end(),
                       [](const qv::TicketType& e) { return e.bonus[0] != 0; });
}

}  // namespace

void paintOddsChart(QPainter& painter, const QRect& area, const qv::TicketOdds& odds) {
    painter.save();
    const QFontMetrics fm = painter.fontMetrics();
    const int line = fm.height();
    std::uint64_t most = 1;
    for (const qv::ScoreCount& s : odds.scores) most = std::max(most, s.draws);
    const int decades = std::max(1, static_cast<int>(std::ceil(std::log10(double(most)))));
    int axisWidth = 0;
    for (int d = 0; d <= decades; ++d)
        axisWidth = std::max(axisWidth, fm.horizontalAdvance(shortCount(std::pow(10.0, d))));
    axisWidth += line / 2;
    const QRect plot(area.left() + axisWidth, area.top() + line * 2, area.width() - axisWidth,
                     area.height() - line * 4);
    if (plot.width() <= 0 || plot.height() <= 0 || odds.scores.empty()) {
        painter.restore();
        return;
    }
    painter.setPen(Qt::black);
    painter.drawText(QRect(area.left(), area.top(), area.width(), line), Qt::AlignCenter,
                     QObject::tr("Draws by best score (log scale)"));
    // The decades: 1, 10, 100, ... with a faint line across.
    auto yOf = [&](double count) {
        const double lg = count <= 1 ? 0 : std::log10(count);
        return plot.bottom() - static_cast<int>(lg / decades * plot.height());
    };
    for (int d = 0; d <= decades; ++d) {
        const int y = yOf(std::pow(10.0, d));
        painter.setPen(QColor(220, 220, 220));
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(Qt::black);
        const QString label = shortCount(std::pow(10.0, d));
        painter.drawText(QRect(area.left(), y - line / 2, axisWidth - line / 4, line),
                         Qt::AlignRight | Qt::AlignVCenter, label);
    }
    const int n = static_cast<int>(odds.scores.size());
    const double cell = double(plot.width()) / n;
    for (int k = 0; k < n; ++k) {
        const qv::ScoreCount& s = odds.scores[static_cast<std::size_t>(k)];
        const int left = plot.left() + static_cast<int>(k * cell);
        const int width = std::max(1, static_cast<int>(cell * 0.7));
        const int x = left + static_cast<int>((cell - width) / 2);
        if (s.draws > 0) {
            // A single draw still shows as a sliver.
            const int top = std::min(yOf(double(s.draws)), plot.bottom() - 2);
            painter.fillRect(QRect(x, top, width, plot.bottom() - top), barColour(k, n));
            painter.setPen(Qt::black);
            painter.drawText(QRect(left, top - line, static_cast<int>(cell), line),
                             Qt::AlignHCenter | Qt::AlignBottom, shortCount(double(s.draws)));
        } else {
            painter.setPen(Qt::gray);
            painter.drawText(QRect(left, plot.bottom() - line, static_cast<int>(cell), line),
                             Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("0"));
        }
        painter.setPen(Qt::black);
        painter.drawText(QRect(left, plot.bottom() + line / 4, static_cast<int>(cell), line),
                         Qt::AlignHCenter | Qt::AlignTop, scoreText(s.score));
    }
    painter.drawLine(plot.left(), plot.bottom(), plot.right(), plot.bottom());
    painter.drawText(QRect(area.left(), plot.bottom() + line + line / 4, area.width(), line),
                     Qt::AlignCenter, QObject::tr("Best score of the tickets"));
    painter.restore();
}

OddsChart::OddsChart(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(180);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void OddsChart::setOdds(const std::optional<qv::TicketOdds>& odds) {
    odds_ = odds;
    update();
}

void OddsChart::paintEvent(QPaintEvent*) {
    if (!odds_) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    paintOddsChart(painter, rect().adjusted(6, 4, -6, -4), *odds_);
}

OddsDialog::OddsDialog(ApplicationState& state, const qv::TicketFile& file, QWidget* parent)
    : QDialog(parent), state_(state), file_(file) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowTitle(tr("Odds - %1")
                       .arg(file_.path.empty()
                                ? tr("(not saved)")
                                : QDir::toNativeSeparators(QString::fromStdString(file_.path))));

    int lotto = file_.isWheel() ? 49 : file_.numbersInLotto;
    bool bonus = false;
    if (const qv::DrawDatabase* db = state_.database()) {
        lotto = db->header().numbersInLotto;
        bonus = databaseDrawsBonus(*db);
    }

    auto* game = new QGroupBox(tr("Game"));
    lotto_ = new QSpinBox;
    lotto_->setObjectName(QStringLiteral("lotto"));
    lotto_->setRange(1, qv::kMaxLottoNumber);
    lotto_->setValue(std::clamp(lotto, 1, qv::kMaxLottoNumber));
    bonusBall_ = new QCheckBox(tr("&Bonus ball drawn from the numbers left"));
    bonusBall_->setObjectName(QStringLiteral("bonusBall"));
    bonusBall_->setChecked(bonus);
    auto* countButton = new QPushButton(tr("&Count"));
    countButton->setObjectName(QStringLiteral("count"));
    connect(countButton, &QPushButton::clicked, this, [this] { count(); });
    auto* gameRow = new QHBoxLayout(game);
    auto* lottoLabel = new QLabel(tr("&Numbers in the game:"));
    lottoLabel->setBuddy(lotto_);
    gameRow->addWidget(lottoLabel);
    gameRow->addWidget(lotto_);
    gameRow->addWidget(new QLabel(tr("%1 drawn").arg(file_.statedNumbersPerTicket())));
    gameRow->addSpacing(12);
    gameRow->addWidget(bonusBall_);
    gameRow->addStretch();
    gameRow->addWidget(countButton);

    problem_ = new QLabel;
    problem_->setObjectName(QStringLiteral("problem"));
    problem_->setStyleSheet(QStringLiteral("color: #b00000"));
    problem_->setWordWrap(true);
    problem_->hide();

    table_ = new QTableWidget(0, ColumnCount);
    table_->setObjectName(QStringLiteral("odds"));
    table_->setHorizontalHeaderLabels({tr("Best score"), tr("Draws"), tr("Probability"),
                                       tr("1 in (this or better)"), tr("Prize"),
                                       tr("Expected prize")});
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    connect(table_, &QTableWidget::cellChanged, this, &OddsDialog::prizeEdited);

    chart_ = new OddsChart;
    chart_->setObjectName(QStringLiteral("chart"));

    price_ = new QDoubleSpinBox;
    price_->setObjectName(QStringLiteral("price"));
    price_->setRange(0, qv::PrizeTable::kMaxAmount);
    price_->setDecimals(2);
    connect(price_, &QDoubleSpinBox::valueChanged, this, &OddsDialog::priceEdited);
    auto* priceRow = new QHBoxLayout;
    auto* priceLabel = new QLabel(tr("Ticket &price:"));
    priceLabel->setBuddy(price_);
    priceRow->addWidget(priceLabel);
    priceRow->addWidget(price_);
    priceRow->addStretch();
    summary_ = new QLabel;
    summary_->setObjectName(QStringLiteral("summary"));
    summary_->setWordWrap(true);
    auto* note =
        new QLabel(tr("Prizes are fixed amounts you can change (double-click one). "
                      "Shared jackpots make the top prizes estimates."));
    note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox;
    auto* printButton = buttons->addButton(tr("&Print"), QDialogButtonBox::ActionRole);
    auto* copyButton = buttons->addButton(tr("Co&py"), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close);
    printButton->setObjectName(QStringLiteral("print"));
    copyButton->setObjectName(QStringLiteral("copy"));
    connect(printButton, &QPushButton::clicked, this, &OddsDialog::print);
    connect(copyButton, &QPushButton::clicked, this, &OddsDialog::copyAsText);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(game);
    layout->addWidget(problem_);
    layout->addWidget(table_, 3);
    layout->addLayout(priceRow);
    layout->addWidget(summary_);
    layout->addWidget(note);
    layout->addWidget(chart_, 2);
    if (file_.isWheel()) {
        const qv::WheelInfo& w = file_.wheel;
        auto* group = new QGroupBox(tr("Wheel profile: %1 numbers, guarantees %2 if %3")
                                        .arg(w.numbersToWheel)
                                        .arg(w.guarantee)
                                        .arg(w.guaranteeIf));
        profileTable_ = new QTableWidget;
        profileTable_->setObjectName(QStringLiteral("profile"));
        profileTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        profileTable_->setSelectionMode(QAbstractItemView::NoSelection);
        auto* groupLayout = new QVBoxLayout(group);
        groupLayout->addWidget(new QLabel(
            tr("For each count of winning numbers among the chosen ones: how many of their "
               "sets have each number of matches on the best ticket.")));
        groupLayout->addWidget(profileTable_);
        layout->addWidget(group, 2);
    }
    layout->addWidget(buttons);
    resize(720, file_.isWheel() ? 900 : 720);
    showPrizes();
}

qv::OddsGame OddsDialog::game() const {
    return qv::OddsGame{lotto_->value(), file_.statedNumbersPerTicket(), bonusBall_->isChecked()};
}

void OddsDialog::setGame(int lotto, bool bonusBall) {
    lotto_->setValue(lotto);
    bonusBall_->setChecked(bonusBall);
}

qv::PrizeTable OddsDialog::prizeTable() const {
    const qv::OddsGame g = game();
    return qv::prizeTableFor(state_.settings(), g.lotto, g.perTicket);
}

bool OddsDialog::count(qv::ProgressReporter* progress) {
    const qv::OddsGame g = game();
    const std::string problem = qv::oddsProblem(file_.tickets, g);
    odds_.reset();
    if (!problem.empty()) {
        problem_->setText(QString::fromStdString(problem));
        problem_->show();
        showOdds();
        return false;
    }
    BusyDialog busy(this);
    TranslatedProgress translated(busy, tr("Counting the odds..."));
    odds_ = qv::countTicketOdds(file_.tickets, g, progress ? progress : &translated);
    if (!odds_) {
        problem_->setText(tr("The count was cancelled."));
        problem_->show();
    } else {
        problem_->hide();
        expected_ = qv::expectedScoreCounts(file_.tickets, g);
    }
    showOdds();
    return odds_.has_value();
}

bool OddsDialog::countProfile(qv::ProgressReporter* progress) {
    if (!file_.isWheel()) return false;
    BusyDialog busy(this);
    TranslatedProgress translated(busy, tr("Counting the wheel's profile..."));
    profile_ = qv::wheelProfile(file_.wheel, progress ? progress : &translated);
    showProfile();
    return profile_.has_value();
}

void OddsDialog::showOdds() {
    filling_ = true;
    table_->setRowCount(0);
    if (odds_) {
        const std::vector<qv::OddsRow> rows = qv::oddsRows(*odds_);
        table_->setRowCount(static_cast<int>(rows.size()));
        for (int r = 0; r < int(rows.size()); ++r) {
            const qv::OddsRow& row = rows[static_cast<std::size_t>(r)];
            const QString texts[] = {scoreText(row.score), countText(row.draws),
                                     probabilityText(row.probability),
                                     oneInText(row.oneInOrBetter)};
            for (int c = 0; c < PrizeColumn; ++c) {
                auto* item = new QTableWidgetItem(texts[c]);
                item->setFlags(Qt::ItemIsEnabled);
                item->setTextAlignment(c == ScoreColumn ? Qt::AlignCenter
                                                        : Qt::AlignRight | Qt::AlignVCenter);
                table_->setItem(r, c, item);
            }
        }
    }
    filling_ = false;
    chart_->setOdds(odds_);
    showPrizes();
}

void OddsDialog::showPrizes() {
    const qv::OddsGame g = game();
    const qv::PrizeTable table = prizeTable();
    filling_ = true;
    price_->setValue(table.price);
    if (odds_) {
        for (int r = 0; r < table_->rowCount(); ++r) {
            const qv::Score s = odds_->scores[static_cast<std::size_t>(r)].score;
            const std::size_t place = qv::PrizeTable::place(s, g.perTicket);
            const double prize = table.prizeFor(s, g.perTicket);
            auto* prizeItem = new QTableWidgetItem(amountText(prize));
            prizeItem->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(r, PrizeColumn, prizeItem);
            const double expected = place < expected_.size() ? expected_[place] * prize : 0;
            auto* expectedItem = new QTableWidgetItem(QLocale().toString(expected, 'f', 4));
            expectedItem->setFlags(Qt::ItemIsEnabled);
            expectedItem->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(r, ExpectedColumn, expectedItem);
        }
    }
    filling_ = false;
    summary_->setText(summaryText());
}

QString OddsDialog::summaryText() const {
    if (!odds_) return {};
    const qv::OddsGame g = odds_->game;
    const qv::PrizeTable table = qv::prizeTableFor(state_.settings(), g.lotto, g.perTicket);
    const double perDraw = qv::expectedPrizePerDraw(file_.tickets, g, table);
    const double cost = table.price * static_cast<double>(file_.tickets.size());
    QString text = tr("Expected prize per draw: %1. The %2 tickets cost %3")
                       .arg(amountText(perDraw))
                       .arg(file_.tickets.size())
                       .arg(amountText(cost));
    if (cost > 0)
        text += tr("; expected return per unit spent: %1.")
                    .arg(QLocale().toString(perDraw / cost, 'f', 3));
    else
        text += QStringLiteral(".");
    return text;
}

void OddsDialog::prizeEdited(int row, int column) {
    if (filling_ || column != PrizeColumn || !odds_) return;
    const qv::OddsGame g = game();
    qv::PrizeTable table = prizeTable();
    bool ok = false;
    QString text = table_->item(row, column)->text().trimmed();
    double v = QLocale().toDouble(text, &ok);
    if (!ok) v = text.toDouble(&ok);
    const qv::Score s = odds_->scores[static_cast<std::size_t>(row)].score;
    if (ok && std::isfinite(v) && v >= 0 && v <= qv::PrizeTable::kMaxAmount) {
        table.prizes[qv::PrizeTable::place(s, g.perTicket)] = v;
        state_.updateSettings([&](qv::Settings& settings) {
            settings.prizeTables[{g.lotto, g.perTicket}] = table;
        });
    }
    showPrizes();
}

void OddsDialog::priceEdited(double price) {
    if (filling_) return;
    const qv::OddsGame g = game();
    qv::PrizeTable table = prizeTable();
    table.price = price;
    state_.updateSettings([&](qv::Settings& settings) {
        settings.prizeTables[{g.lotto, g.perTicket}] = table;
    });
    showPrizes();
}

void OddsDialog::showProfile() {
    if (!profileTable_) return;
    profileTable_->clear();
    if (!profile_ || profile_->empty()) {
        profileTable_->setRowCount(0);
        profileTable_->setColumnCount(0);
        return;
    }
    const int top = profile_->front().winning;
    const qv::WheelInfo& w = file_.wheel;
    profileTable_->setColumnCount(top + 1);
    QStringList headers;
    for (int m = top; m >= 0; --m) headers << tr("%1 matched").arg(m);
    profileTable_->setHorizontalHeaderLabels(headers);
    profileTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    profileTable_->setRowCount(static_cast<int>(profile_->size()));
    QStringList rowLabels;
    for (int r = 0; r < int(profile_->size()); ++r) {
        const qv::ProfileLine& line = (*profile_)[static_cast<std::size_t>(r)];
        const bool guaranteeLine = line.winning == w.guaranteeIf;
        rowLabels << (guaranteeLine ? tr("If %1 (guarantee)") : tr("If %1")).arg(line.winning);
        for (int m = line.winning; m >= 0; --m) {
            auto* item = new QTableWidgetItem(countText(line.counts[static_cast<std::size_t>(m)]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (guaranteeLine) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
                // Below the guarantee a count means the guarantee fails.
                item->setBackground(m < w.guarantee && line.counts[static_cast<std::size_t>(m)] > 0
                                        ? QColor(255, 200, 200)
                                        : QColor(255, 244, 190));
            }
            profileTable_->setItem(r, top - m, item);
        }
    }
    profileTable_->setVerticalHeaderLabels(rowLabels);
}

QStringList OddsDialog::reportLines() const {
    QStringList lines;
    lines << windowTitle();
    if (!odds_) return lines;
    const qv::OddsGame g = odds_->game;
    lines << (g.bonusBall ? tr("Game: %1 of %2 numbers, with the bonus ball")
                          : tr("Game: %1 of %2 numbers"))
                 .arg(g.perTicket)
                 .arg(g.lotto);
    lines << tr("Tickets: %1").arg(file_.tickets.size());
    lines << tr("Draws: %1").arg(countText(odds_->draws));
    QStringList header;
    for (int c = 0; c < ColumnCount; ++c) header << table_->horizontalHeaderItem(c)->text();
    lines << header.join(QLatin1Char('\t'));
    for (int r = 0; r < table_->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < ColumnCount; ++c)
            cells << (table_->item(r, c) ? table_->item(r, c)->text() : QString());
        lines << cells.join(QLatin1Char('\t'));
    }
    lines << tr("Ticket price: %1").arg(amountText(price_->value()));
    lines << summaryText();
    lines << tr("Shared jackpots make the top prizes estimates.");
    if (profile_ && file_.isWheel()) {
        const qv::WheelInfo& w = file_.wheel;
        lines << tr("Wheel profile (guarantees %1 if %2):").arg(w.guarantee).arg(w.guaranteeIf);
        for (const qv::ProfileLine& line : *profile_) {
            QString text = QString::fromStdString(qv::profileLineText(line));
            if (line.winning == w.guaranteeIf) text += tr("   <- guarantee");
            lines << text;
        }
    }
    return lines;
}

void OddsDialog::copyAsText() {
    QGuiApplication::clipboard()->setText(reportLines().join(QLatin1Char('\n')) +
                                          QLatin1Char('\n'));
}

void OddsDialog::print() {
    OddsPrintout printout(windowTitle(), reportLines(), odds_);
    printOnPrinter(state_, this, printout);
}

OddsPrintout::OddsPrintout(QString title, QStringList lines, std::optional<qv::TicketOdds> odds)
    : title_(std::move(title)), lines_(std::move(lines)), odds_(std::move(odds)) {}

void OddsPrintout::printPage(QPainter& painter, int page, const QRect& pageRect) {
    const int top = printPageHeader(painter, pageRect, page, title_);
    const qv::print::PageMetrics m = measurePage(painter, pageRect);
    const int left = 3 * m.w;
    const int width = pageRect.width() - 6 * m.w;
    int y = top + m.h;
    painter.setPen(Qt::black);
    // The first line repeats the title the header shows.
    for (int k = 1; k < lines_.size(); ++k) {
        const QStringList cells = lines_[k].split(QLatin1Char('\t'));
        const int cellWidth = width / static_cast<int>(cells.size());
        for (int c = 0; c < cells.size(); ++c)
            painter.drawText(
                QRect(left + c * cellWidth, y, cells.size() > 1 ? cellWidth : width, m.h),
                Qt::AlignLeft | Qt::AlignVCenter, cells[c]);
        y += m.h;
    }
    if (odds_) {
        const int chartHeight = std::min(pageRect.height() - y - 2 * m.h, pageRect.height() / 3);
        if (chartHeight > 8 * m.h)
            paintOddsChart(painter, QRect(left, y + m.h, width, chartHeight), *odds_);
    }
}

}  // namespace qv::gui
