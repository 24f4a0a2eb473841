#include "gui/wheels/generate_wheel_dialog.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <mutex>

#include "core/app/commands.h"
#include "core/records/limits.h"
#include "core/wheels/wheel_library.h"
#include "gui/common/button_row.h"
#include "gui/common/user_interaction.h"
#include "gui/wheels/wheel_messages.h"
#include "gui/wheels/wheel_terms_fields.h"

namespace qv::gui {

// What the search thread and the window share: the latest progress, and the result once the
// search has ended. The stop request comes through the work's reporter.
struct GenerateWheelDialog::Run : qv::GeneratorObserver {
    qv::GuaranteeTerms terms;
    std::mutex mutex;
    qv::GeneratorProgress latest;
    qv::GeneratedWheel result;
    qv::ProgressReporter* reporter = nullptr;  // set on the search thread

    bool progress(const qv::GeneratorProgress& now) override {
        std::lock_guard lock(mutex);
        latest = now;
        return reporter && reporter->cancelled();
    }
};

namespace {

constexpr int kPollMilliseconds = 100;

}  // namespace

GenerateWheelDialog::GenerateWheelDialog(UserInteraction& ui, QWidget* parent,
                                         qv::CoveringTable coverings, Folders folders,
                                         std::function<void()> showHelp)
    : QDialog(parent),
      ui_(ui),
      coverings_(std::move(coverings)),
      folders_(std::move(folders)),
      showHelp_(std::move(showHelp)) {
    setWindowTitle(tr("Generate Wheeling Table"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    numbersToWheel_ = terms_.numbersToWheel;
    guarantee_ = terms_.guarantee;
    guaranteeIf_ = terms_.guaranteeIf;
    numbersPerTicket_ = terms_.numbersPerTicket;
    rowCap_ = makeIdSpin(kRowCap, 0, static_cast<int>(qv::WheelInfo::kMaxRows), 0);
    rowCap_->setSpecialValueText(tr("None"));
    seconds_ = makeIdSpin(kSeconds, 1, 24 * 60 * 60, 10);
    seconds_->setSuffix(tr(" s"));

    auto* fields = new QGridLayout;
    terms_.addTo(fields, 0, 2);
    fields->addWidget(buddyLabel(tr("At Most Tickets:"), rowCap_), 3, 0);
    fields->addWidget(rowCap_, 3, 1);
    fields->addWidget(buddyLabel(tr("Search For:"), seconds_), 4, 0);
    fields->addWidget(seconds_, 4, 1);
    fields->setColumnStretch(2, 1);

    bounds_ = new QLabel;
    bounds_->setObjectName(QString::number(kBounds));
    bounds_->setTextFormat(Qt::PlainText);
    status_ = new QLabel;
    status_->setObjectName(QString::number(kStatus));
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);
    // Room for the five lines of a finished search, so the window keeps its size.
    status_->setMinimumHeight(fontMetrics().lineSpacing() * 5);
    status_->setMinimumWidth(fontMetrics().averageCharWidth() * 56);
    status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    generateButton_ = makeIdButton(kGenerate, tr("&Generate"));
    stopButton_ = makeIdButton(kStop, tr("&Stop"));
    stopButton_->setEnabled(false);
    connect(generateButton_, &QPushButton::clicked, this, &GenerateWheelDialog::generate);
    connect(stopButton_, &QPushButton::clicked, this, &GenerateWheelDialog::stop);
    const SideButtons buttons =
        makeSideButtonColumn(this, ui_, {generateButton_, stopButton_}, kDone, kHelp, [this] {
            if (showHelp_) showHelp_();
        });

    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addSpacing(6);
    left->addWidget(bounds_);
    left->addSpacing(6);
    left->addWidget(status_);
    left->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addSpacing(10);
    layout->addLayout(buttons.column);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QSpinBox* spin : {numbersToWheel_, guarantee_, guaranteeIf_, numbersPerTicket_})
        connect(spin, &QSpinBox::valueChanged, this, &GenerateWheelDialog::showBounds);
    timer_ = new QTimer(this);
    timer_->setInterval(kPollMilliseconds);
    connect(timer_, &QTimer::timeout, this, &GenerateWheelDialog::poll);
    connect(&work_, &BackgroundWork::finished, this, &GenerateWheelDialog::finish);
    showBounds();
    numbersToWheel_->setFocus();
}

GenerateWheelDialog::~GenerateWheelDialog() {
    work_.stopAndWait();
}

qv::GuaranteeTerms GenerateWheelDialog::termsFromControls() {
    return terms_.terms();
}

// The lower bound and the best known size of the terms shown; nothing for terms that
// cannot be generated.
void GenerateWheelDialog::showBounds() {
    const qv::GuaranteeTerms terms = termsFromControls();
    if (qv::wheelTermsProblem(terms)) {
        bounds_->clear();
        return;
    }
    const qv::WheelBounds b = qv::wheelBounds(terms, coverings_);
    bounds_->setText(QString::fromStdString(qv::lowerBoundLine(b)) + QLatin1Char('\n') +
                     QString::fromStdString(qv::bestKnownLine(b)));
}

void GenerateWheelDialog::generate() {
    ui_.playSound(qv::EventSound::Click);
    if (running()) return;
    const qv::GuaranteeTerms terms = termsFromControls();
    if (const qv::WheelTermsProblem problem = qv::wheelTermsProblem(terms)) {
        QSpinBox* field = numbersToWheel_;
        QString name = tr("Numbers To Wheel");
        switch (problem.field) {
            case qv::WheelTermsField::PerTicket:
                field = numbersPerTicket_;
                name = tr("Numbers Per Ticket");
                break;
            case qv::WheelTermsField::Guarantee:
                field = guarantee_;
                name = tr("Prize Guarantee");
                break;
            case qv::WheelTermsField::If:
                field = guaranteeIf_;
                name = tr("if");
                break;
            default:
                break;
        }
        ui_.showProblem(this, tr("Generate Wheeling Table"),
                        tr("%1: %2.").arg(name, QString::fromStdString(problem.message)));
        field->setFocus();
        field->selectAll();
        return;
    }
    rowCap_->interpretText();
    seconds_->interpretText();
    qv::GeneratorOptions options;
    options.seconds = seconds_->value();
    options.rowCap = rowCap_->value();
    options.threads = 0;
    options.seed = static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch());
    // The table's lower bound lets the search end as soon as a wheel meets it.
    options.coverings = &coverings_;
    // A wheel of these terms already in the library or the user's folder is the start, so
    // the search never ends with a larger one.
    for (const QString& folder : {folders_.library, saveFolder()})
        if (!folder.isEmpty())
            options.libraryFolders.push_back(QDir::toNativeSeparators(folder).toStdString());

    run_ = std::make_shared<Run>();
    run_->terms = terms;
    status_->setText(tr("Searching..."));
    setRunning(true);
    work_.start([run = run_, terms, options](qv::ProgressReporter& reporter) {
        run->reporter = &reporter;
        qv::GeneratedWheel wheel = qv::generateWheel(terms, options, run.get());
        std::lock_guard lock(run->mutex);
        run->result = std::move(wheel);
    });
    timer_->start();
}

void GenerateWheelDialog::stop() {
    ui_.playSound(qv::EventSound::Click);
    if (!run_) return;
    work_.stop();
    stopButton_->setEnabled(false);
    status_->setText(status_->text() + QLatin1Char('\n') + tr("Stopping..."));
}

void GenerateWheelDialog::setRunning(bool running) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{numbersToWheel_, guarantee_, guaranteeIf_,
                                         numbersPerTicket_, rowCap_, seconds_, generateButton_})
        w->setEnabled(!running);
    stopButton_->setEnabled(running);
}

void GenerateWheelDialog::poll() {
    if (!run_) return;
    qv::GeneratorProgress now;
    {
        std::lock_guard lock(run_->mutex);
        now = run_->latest;
    }
    if (work_.stopping()) return;
    QString text = tr("Searching... %1 s").arg(static_cast<int>(now.elapsedSeconds));
    if (now.bestRows > 0) {
        text += QLatin1Char('\n') + tr("Best so far: %1 tickets").arg(now.bestRows);
        if (now.covered < now.total)
            text += QLatin1Char('\n') + tr("Coverage: %1 of %2").arg(now.covered).arg(now.total);
    }
    status_->setText(text);
}

void GenerateWheelDialog::finish() {
    timer_->stop();
    if (!work_.failure().isEmpty()) {
        run_.reset();
        setRunning(false);
        status_->setText(tr("The search stopped: %1").arg(work_.failure()));
        emit finished();
        return;
    }
    const qv::GuaranteeTerms terms = run_->terms;
    lastWheel_ = run_->result;
    run_.reset();
    setRunning(false);

    const qv::GeneratedWheel& wheel = *lastWheel_;
    const qv::WheelBounds b = qv::wheelBounds(terms, coverings_);
    QStringList lines;
    lines << tr("Tickets: %1").arg(wheel.rows.size());
    lines << QString::fromStdString(qv::lowerBoundLine(b));
    lines << QString::fromStdString(qv::bestKnownLine(b));
    if (!wheel.rows.empty())
        lines << tr("Balance: each number on %1 to %2 tickets")
                     .arg(wheel.balanceMin)
                     .arg(wheel.balanceMax);
    if (wheel.confirmed) {
        lines << tr("The prize guarantee for this wheeling system is valid !");
    } else {
        lines << tr("Coverage: %1 of %2").arg(wheel.covered).arg(wheel.total);
        lines << tr("No wheel with this guarantee was found within the limits; none is saved.");
    }
    status_->setText(lines.join(QLatin1Char('\n')));
    emit finished();
    if (wheel.confirmed) save(terms, wheel);
}

void GenerateWheelDialog::save(const qv::GuaranteeTerms& terms, const qv::GeneratedWheel& wheel) {
    const QString name = QString::fromStdString(qv::libraryFileName(terms));
    saveWheelAs(
        ui_, this, tr("Generate Wheeling Table"), qv::generatedWheelInfo(terms, wheel),
        saveFolder(),
        [&name](const QString& folder, const QString&) {
            return folder.isEmpty() ? name : QDir(folder).filePath(name);
        },
        folders_.saved);
}

QString GenerateWheelDialog::saveFolder() const {
    return folders_.saveFolder ? folders_.saveFolder() : QString();
}

void GenerateWheelDialog::reject() {
    ui_.playSound(qv::EventSound::Click);
    if (running()) {
        timer_->stop();
        work_.stopAndWait();
        run_.reset();
    }
    QDialog::reject();
}

void installWheelGenerateCommands(UserInteraction& ui, QWidget* frame,
                                  const std::function<void(int, std::function<void()>)>& registrar,
                                  const QString& dataDir, GenerateWheelDialog::Folders folders,
                                  std::function<void()> showHelp) {
    registrar(qv::cmd::kGenerateWheelingTable, [=, &ui] {
        qv::CoveringTable table;
        // Without the table the best known sizes read "unknown".
        (void)qv::CoveringTable::load(
            QDir::toNativeSeparators(
                QDir(dataDir).filePath(QString::fromLatin1(qv::kCoveringTableName)))
                .toStdString(),
            table);
        GenerateWheelDialog dialog(ui, frame, std::move(table), folders, showHelp);
        dialog.exec();
    });
}

}  // namespace qv::gui
