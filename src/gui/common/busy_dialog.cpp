#include "gui/common/busy_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace qv::gui {

namespace {

// Work loops ask after every unit, which may be millions of times; letting events through
// that often would cost more than the work. A cancel is still seen within this time.
constexpr qint64 kPollIntervalMs = 15;

// A row of LEDs: short segments with gaps between them.
const char* const kGaugeStyle =
    "QProgressBar { border: 1px solid palette(dark); border-radius: 2px;"
    " background: palette(base); padding: 2px; }"
    "QProgressBar::chunk { background-color: #1f6fd1; width: 7px; margin-right: 2px; }";

}  // namespace

BusyDialog::BusyDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Checking Combinations..."));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    gauge_ = new QProgressBar;
    gauge_->setObjectName(QString::number(kGaugeId));
    gauge_->setRange(0, 100);
    gauge_->setValue(0);
    gauge_->setTextVisible(false);
    gauge_->setStyleSheet(QLatin1String(kGaugeStyle));
    gauge_->setFixedHeight(22);
    gauge_->setMinimumWidth(260);

    percentText_ = new QLabel;
    percentText_->setObjectName(QString::number(kPercentTextId));
    percentText_->setAlignment(Qt::AlignCenter);
    // Keep the layout steady while the text changes.
    percentText_->setMinimumWidth(
        percentText_->fontMetrics().horizontalAdvance(tr("%1% complete").arg(100)));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    buttons->setCenterButtons(true);
    cancelButton_ = buttons->button(QDialogButtonBox::Cancel);
    cancelButton_->setObjectName(QStringLiteral("2"));
    // The press itself cancels, as soon as the loop looks, without waiting for the release.
    connect(cancelButton_, &QPushButton::pressed, this, [this] { cancel_ = true; });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancel_ = true; });
    cancelButton_->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(8);
    layout->addWidget(gauge_);
    layout->addWidget(percentText_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    cancelButton_->setDefault(true);
}

void BusyDialog::open(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
    cancel_ = false;
    shown_ = -1;
    gauge_->setValue(0);
    percentText_->clear();
    sincePoll_.invalidate();
    // Modality without a modal loop: the computation keeps running on this thread while
    // clicks on other windows are refused.
    setWindowModality(Qt::ApplicationModal);
    QDialog::show();
    raise();
    activateWindow();
    cancelButton_->setFocus();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void BusyDialog::show(int percent) {
    percent = std::clamp(percent, 0, 100);
    if (percent == shown_) return;
    shown_ = percent;
    gauge_->setValue(percent);
    percentText_->setText(tr("%1% complete").arg(percent));
}

bool BusyDialog::cancelled() {
    if (!sincePoll_.isValid() || sincePoll_.elapsed() >= kPollIntervalMs) {
        QCoreApplication::processEvents();
        sincePoll_.start();
    }
    return cancel_;
}

void BusyDialog::close() {
    hide();
    setWindowModality(Qt::NonModal);
}

void BusyDialog::reject() {
    cancel_ = true;
}

bool BusyDialog::eventFilter(QObject* watched, QEvent* event) {
    // Any key pressed on the Cancel button cancels, as Escape does.
    if (watched == cancelButton_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool modifierOnly = key == Qt::Key_Shift || key == Qt::Key_Control ||
                                  key == Qt::Key_Alt || key == Qt::Key_Meta || key == Qt::Key_AltGr;
        if (!modifierOnly) cancel_ = true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace qv::gui
