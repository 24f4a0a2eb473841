#include "gui/entry/enter_winners_dialog.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

#include "core/database/draw_database.h"
#include "core/database/draw_preview.h"
#include "core/database/draw_report.h"
#include "core/tickets/ticket_file.h"
#include "gui/common/application_state.h"
#include "gui/common/button_row.h"
#include "gui/common/number_grid.h"
#include "gui/common/user_interaction.h"
#include "gui/database/database_dialog.h"
#include "gui/entry/calendar_dialog.h"
#include "gui/entry/draw_bonus_dialog.h"
#include "gui/entry/int_edit.h"

namespace qv::gui {

EnterWinnersDialog::EnterWinnersDialog(ApplicationState& state, const qv::EntryGame& game,
                                       const qv::Date& today, QWidget* parent)
    : QDialog(parent), state_(state), entry_(game, today), random_(qv::seededGenerator()) {
    setWindowTitle(tr("Enter Winning Numbers"));

    boxes_ = new NumberGrid;
    connect(boxes_, &NumberGrid::numberClicked, this, &EnterWinnersDialog::clickNumber);

    // The date: month / day / year, and the picker.
    month_ = new TIntEdit(kMonth, qv::kMonthField);
    day_ = new TIntEdit(kDay, qv::kDayField);
    year_ = new TIntEdit(kYear, qv::kYearField);
    auto* dateRow = new QHBoxLayout;
    dateRow->setSpacing(3);
    dateRow->addWidget(month_);
    dateRow->addWidget(new QLabel(QStringLiteral("/")));
    dateRow->addWidget(day_);
    dateRow->addWidget(new QLabel(QStringLiteral("/")));
    dateRow->addWidget(year_);
    dateRow->addStretch(1);
    auto* datePicker = new QPushButton(tr("&Date..."));
    datePicker->setObjectName(QString::number(kDate));
    auto* dateBox = new QGroupBox(tr("Date (month / day / year)"));
    auto* dateLayout = new QVBoxLayout(dateBox);
    dateLayout->addLayout(dateRow);
    dateLayout->addWidget(datePicker);

    lotto_ = new QSpinBox;
    lotto_->setObjectName(QString::number(kNumbersInLotto));
    lotto_->setRange(1, qv::EntryChoice::kBoxes);
    lotto_->setValue(entry_.choice().numbersInLotto());
    lotto_->setAlignment(Qt::AlignRight);
    connect(lotto_, &QSpinBox::valueChanged, this, [this](int n) {
        if (entry_.choice().setNumbersInLotto(n))
            state_.interaction().playSound(qv::EventSound::Click);
        showEntry();
    });
    auto* lottoLabel = new QLabel(tr("Numbers In Lotto"));
    lottoLabel->setBuddy(lotto_);
    auto* lottoRow = new QHBoxLayout;
    lottoRow->addWidget(lottoLabel);
    lottoRow->addStretch(1);
    lottoRow->addWidget(lotto_);

    auto makeButton = [this](int id, const QString& text) {
        auto* b = makeIdButton(id, text);
        connect(b, &QPushButton::clicked, this, [this, id] { runCommand(id); });
        return b;
    };
    // The date picker's button was made above, for its place in the date frame.
    datePicker->setAutoDefault(false);
    connect(datePicker, &QPushButton::clicked, this, [this] { runCommand(kDate); });
    QPushButton* clearAll = makeButton(kClearAll, tr("Clear &All"));
    QPushButton* random = makeButton(kRandom, tr("&Random"));
    QPushButton* bonus = makeButton(kBonusNumbers, tr("&Bonus Numbers"));
    addButton_ = makeButton(kAddToDatabase, tr("Add To Database"));

    auto* side = new QVBoxLayout;
    side->addWidget(dateBox);
    side->addLayout(lottoRow);
    side->addSpacing(8);
    side->addWidget(clearAll);
    side->addWidget(random);
    side->addWidget(bonus);
    side->addStretch(1);
    side->addWidget(addButton_);

    drawLine_ = new QLabel;
    drawLine_->setObjectName(QString::number(kDraw));
    drawLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = drawLine_->font();
    bold.setBold(true);
    drawLine_->setFont(bold);
    auto* drawRow = new QHBoxLayout;
    drawRow->addWidget(new QLabel(tr("Draw:")));
    drawRow->addWidget(drawLine_, 1);

    const auto [buttons, ok, cancel] = makeOkCancelButtons(this, tr("&OK"), tr("&Cancel"));
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);

    auto* top = new QHBoxLayout;
    top->addWidget(boxes_);
    top->addSpacing(12);
    top->addLayout(side);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(drawRow);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // "Add To Database" follows the database as it opens and closes.
    connect(&state_, &ApplicationState::flagsChanged, this, &EnterWinnersDialog::showEntry);
    connect(&state_, &ApplicationState::databaseChanged, this, &EnterWinnersDialog::showEntry);

    writeDateFields();
    showEntry();
    if (auto* first = boxes_->box(1)) first->setFocus();
}

void EnterWinnersDialog::showEntry() {
    boxes_->display(entry_.choice().boxes());
    drawLine_->setText(QString::fromStdString(qv::numbersText(entry_.draw())));
    addButton_->setEnabled(entry_.canAdd(state_.database() != nullptr));
}

void EnterWinnersDialog::writeDateFields() {
    const qv::Date& d = entry_.date();
    month_->setValue(d.month);
    day_->setValue(d.day);
    year_->setValue(d.year);
}

void EnterWinnersDialog::readDateFields() {
    entry_.readDateFields(month_->text().toStdString(), day_->text().toStdString(),
                          year_->text().toStdString());
}

void EnterWinnersDialog::clickNumber(int n) {
    if (entry_.choice().click(n)) state_.interaction().playSound(qv::EventSound::Click);
    showEntry();
}

void EnterWinnersDialog::runCommand(int id) {
    switch (id) {
        case kClearAll:
            state_.interaction().playSound(qv::EventSound::Click);
            entry_.choice().clearAll();
            showEntry();
            break;
        case kRandom:
            state_.interaction().playSound(qv::EventSound::RandomPick);
            entry_.choice().randomPick(random_);
            showEntry();
            break;
        case kBonusNumbers:
            pickBonusNumbers();
            break;
        case kDate:
            pickDate();
            break;
        case kAddToDatabase:
            addToDatabase();
            break;
        case kOk:
            accept();
            break;
        case kCancel:
            reject();
            break;
        default:
            break;
    }
}

void EnterWinnersDialog::pickBonusNumbers() {
    state_.interaction().playSound(qv::EventSound::PickNumbers);
    EnterDrawBonusDialog picker(state_.interaction(), entry_, this);
    if (picker.exec() != QDialog::Accepted) return;
    entry_.setBonus(picker.bonus());
    showEntry();
}

void EnterWinnersDialog::pickDate() {
    state_.interaction().playSound(qv::EventSound::Click);
    // What the fields show is where the picker starts.
    readDateFields();
    const qv::Date& d = entry_.date();
    qv::CalendarDate date{d.year, d.day, d.month};
    CalendarDialog picker(this, date, kFirstPickerYear, kLastPickerYear);
    if (picker.exec() != QDialog::Accepted) return;
    entry_.setDate(
        qv::Date{std::int16_t(date.month), std::int16_t(date.day), std::int16_t(date.year)});
    writeDateFields();
}

void EnterWinnersDialog::addToDatabase() {
    state_.interaction().playSound(qv::EventSound::Click);
    DatabaseDocument* document = state_.databaseDocument();
    if (!document) {
        state_.interaction().showProblem(this, tr("No DataBase Selected"),
                                         tr("To add entries, you must first open a database."));
        return;
    }
    if (!entry_.hasNumbers()) return;
    readDateFields();
    const qv::TicketType draw = entry_.draw();
    const QString line = QString::fromStdString(qv::drawLine(draw));
    if (qv::previewDraws(document->database(), {draw}).front().duplicate &&
        !state_.interaction().askYesNo(
            this, tr("Add To Database"),
            tr("The draw of %1 is already in the database. Add it again?").arg(line),
            /*yesByDefault=*/false))
        return;
    const int lottoBefore = document->database().header().numbersInLotto;
    // A full database is reported over its window, as its own inserts are.
    QWidget* window = document->view() ? document->view()->widget() : this;
    if (insertDraws(state_, *document, window, {draw}) == 0) return;
    state_.setWinningNumbers(draw);
    reportNumbersInLotto(state_, *document, lottoBefore,
                         tr("The draw of %1 was added to the database.").arg(line));
}

void EnterWinnersDialog::accept() {
    state_.interaction().playSound(qv::EventSound::Click);
    readDateFields();
    if (entry_.hasNumbers()) state_.setWinningNumbers(entry_.draw());
    QDialog::accept();
}

void enterWinnersCommand(ApplicationState& state, QWidget* parent) {
    const qv::DrawDatabase* database = state.database();
    const qv::EntryGame game =
        qv::entryGame(state.ticketFile(), database ? &database->header() : nullptr);
    const QDate today = QDate::currentDate();
    EnterWinnersDialog dialog(state, game,
                              qv::Date{std::int16_t(today.month()), std::int16_t(today.day()),
                                       std::int16_t(today.year())},
                              parent);
    dialog.exec();
}

}  // namespace qv::gui
