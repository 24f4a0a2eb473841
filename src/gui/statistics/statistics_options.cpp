#include "gui/statistics/statistics_options.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/database/draw_database.h"
#include "core/statistics/statistics_options.h"
#include "gui/common/application_state.h"

namespace qv::gui {

namespace {

QString dateText(const qv::Date& d) {
    return QStringLiteral("%1-%2-%3").arg(d.month).arg(d.day).arg(d.year);
}

// The item showing `date` after the open end at 0; the open end when no draw has that date.
int itemFor(const QStringList& dates, const qv::Date& date) {
    if (date == qv::Date{}) return 0;
    return dates.indexOf(dateText(date)) + 1;
}

}  // namespace

StatisticsOptions::StatisticsOptions(UserInteraction& ui, QWidget* parent,
                                     qv::StatisticsSettings* options, qv::DeskTopType* wallpaper,
                                     const qv::DrawDatabase* database, const QString& dataDir,
                                     std::function<void()> help)
    : DeskTopOptions(ui, parent, wallpaper, dataDir, NoLayout{}),
      options_(options),
      database_(database),
      help_(std::move(help)) {
    Q_ASSERT(options_);
    setWindowTitle(tr("Statistics Options"));

    auto* hot = new QGroupBox(tr("Hot Pick:"), this);
    hotNumbers_ = radio(kHotNumbers, tr("Use Most Occuring &Numbers"));
    hotPairs_ = radio(kHotPairs, tr("Use Most Occuring &Pairs"));
    auto* hotLayout = new QVBoxLayout(hot);
    hotLayout->addWidget(hotNumbers_);
    hotLayout->addWidget(hotPairs_);

    auto* cold = new QGroupBox(tr("Cold Pick:"), this);
    coldNumbers_ = radio(kColdNumbers, tr("Use Least Occuring N&umbers"));
    coldPairs_ = radio(kColdPairs, tr("Use Least Occuring P&airs"));
    auto* coldLayout = new QVBoxLayout(cold);
    coldLayout->addWidget(coldNumbers_);
    coldLayout->addWidget(coldPairs_);

    auto* span = new QGroupBox(tr("Use DataBase Entries:"), this);
    from_ = new QComboBox(span);
    from_->setObjectName(QString::number(kFromList));
    to_ = new QComboBox(span);
    to_->setObjectName(QString::number(kToList));
    for (QComboBox* list : {from_, to_}) {
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        list->setMaxVisibleItems(16);
    }
    auto* fromLabel = new QLabel(tr("From"), span);
    fromLabel->setBuddy(from_);
    auto* toLabel = new QLabel(tr("to"), span);
    toLabel->setBuddy(to_);
    auto* spanLayout = new QHBoxLayout(span);
    spanLayout->addWidget(fromLabel);
    spanLayout->addWidget(from_, 1);
    spanLayout->addSpacing(8);
    spanLayout->addWidget(toLabel);
    spanLayout->addWidget(to_, 1);

    QDialogButtonBox* buttons = makeOkCancelButtons();
    QPushButton* helpButton = buttons->addButton(tr("&Help"), QDialogButtonBox::HelpRole);
    helpButton->setObjectName(QString::number(kHelp));
    helpButton->setAutoDefault(false);
    connect(helpButton, &QPushButton::clicked, this, [this] {
        click();
        if (help_) help_();
    });

    auto* picks = new QHBoxLayout;
    picks->addWidget(hot);
    picks->addWidget(cold);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(picks);
    layout->addWidget(span);
    layout->addWidget(wallpaperPanel());
    layout->addWidget(buttons);

    (options_->hotPick() == qv::PickMode::Numbers ? hotNumbers_ : hotPairs_)->setChecked(true);
    (options_->coldPick() == qv::PickMode::Numbers ? coldNumbers_ : coldPairs_)->setChecked(true);
    fillDates();
    hotNumbers_->setFocus();
}

QRadioButton* StatisticsOptions::radio(int id, const QString& text) {
    auto* button = new QRadioButton(text, this);
    button->setObjectName(QString::number(id));
    return button;
}

void StatisticsOptions::fillDates() {
    from_->addItem(tr("Oldest"));
    to_->addItem(tr("Newest"));
    if (!database_) {
        from_->setCurrentIndex(0);
        to_->setCurrentIndex(0);
        return;
    }
    const std::vector<qv::TicketType>& entries = database_->entries();
    QStringList oldestFirst;
    QStringList newestFirst;
    oldestFirst.reserve(qsizetype(entries.size()));
    newestFirst.reserve(qsizetype(entries.size()));
    for (auto it = entries.rbegin(); it != entries.rend(); ++it)
        oldestFirst << dateText(it->date());
    for (const qv::TicketType& e : entries) newestFirst << dateText(e.date());
    from_->addItems(oldestFirst);
    to_->addItems(newestFirst);
    from_->setCurrentIndex(itemFor(oldestFirst, options_->fromDate));
    to_->setCurrentIndex(itemFor(newestFirst, options_->toDate));
}

void StatisticsOptions::accept() {
    options_->setHotPick(hotNumbers_->isChecked() ? qv::PickMode::Numbers : qv::PickMode::Pairs);
    options_->setColdPick(coldNumbers_->isChecked() ? qv::PickMode::Numbers : qv::PickMode::Pairs);
    if (database_) {
        const std::vector<qv::TicketType>& entries = database_->entries();
        const int count = static_cast<int>(entries.size());
        const int i = from_->currentIndex();
        const int j = to_->currentIndex();
        options_->fromDate =
            i > 0 && i <= count ? entries[static_cast<std::size_t>(count - i)].date() : qv::Date{};
        options_->toDate =
            j > 0 && j <= count ? entries[static_cast<std::size_t>(j - 1)].date() : qv::Date{};
        qv::swapReversedDates(*options_);
    }
    DeskTopOptions::accept();
}

void runStatisticsOptions(ApplicationState& state, QWidget* parent, std::function<void()> help) {
    qv::StatisticsSettings options = state.statisticsSettings();
    qv::DeskTopType wallpaper = state.settings().statisticsWallpaper;
    StatisticsOptions dialog(state.interaction(), parent, &options, &wallpaper, state.database(),
                             state.environment().dataDir, std::move(help));
    if (dialog.exec() != QDialog::Accepted) return;
    state.updateSettings([&](qv::Settings& settings) { settings.statisticsWallpaper = wallpaper; });
    state.setStatisticsSettings(options);
}

}  // namespace qv::gui
