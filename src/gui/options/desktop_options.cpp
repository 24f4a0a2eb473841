#include "gui/options/desktop_options.h"

#include <QAbstractScrollArea>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "core/options/fade.h"
#include "gui/common/app_paths.h"
#include "gui/common/button_row.h"
#include "gui/common/faded_bitmap.h"
#include "gui/common/user_interaction.h"

namespace qv::gui {

namespace {

QString idName(int id) {
    return QString::number(id);
}

}  // namespace

// --- TWallPaperStatic -------------------------------------------------------------------

TWallPaperStatic::TWallPaperStatic(const qv::DeskTopType* record, const QString& dataDir,
                                   QWidget* parent)
    : QFrame(parent), record_(record), dataDir_(dataDir.isEmpty() ? dataDirectory() : dataDir) {
    setObjectName(idName(DeskTopOptions::kPreview));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    reload();
}

QString TWallPaperStatic::picturePath() const {
    return record_ ? resolveDataFile(record_->path, dataDir_) : QString();
}

void TWallPaperStatic::reload() {
    picture_ = record_ ? loadFadedBitmap(picturePath(), record_->fade) : QImage();
    update();
}

QSize TWallPaperStatic::sizeHint() const {
    const int frame = 2 * frameWidth();
    return QSize(kPreviewWidth + frame, kPreviewHeight + frame);
}

void TWallPaperStatic::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // The whole picture, whatever its size, scaled to the control.
    painter.drawImage(contentsRect(), picture_);
}

// --- DeskTopOptions ---------------------------------------------------------------------

DeskTopOptions::DeskTopOptions(UserInteraction& ui, QWidget* parent, qv::DeskTopType* record,
                               const QString& dataDir)
    : DeskTopOptions(ui, parent, record, dataDir, NoLayout{}) {
    QDialogButtonBox* buttons = makeOkCancelButtons();

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(panel_);
    layout->addWidget(buttons);

    setTabOrder(fadeBox_, newLogo_);
    setTabOrder(newLogo_, buttons->button(QDialogButtonBox::Ok));
    setTabOrder(buttons->button(QDialogButtonBox::Ok), buttons->button(QDialogButtonBox::Cancel));
}

DeskTopOptions::DeskTopOptions(UserInteraction& ui, QWidget* parent, qv::DeskTopType* record,
                               const QString& dataDir, NoLayout)
    : QDialog(parent), ui_(ui), record_(record) {
    Q_ASSERT(record_);
    setWindowTitle(tr("DeskTop Settings"));
    buildWallpaperPanel(dataDir);
    fadeBox_->setFocus();
}

void DeskTopOptions::buildWallpaperPanel(const QString& dataDir) {
    panel_ = new QWidget(this);

    auto* frame = new QGroupBox(tr("Preview:"), panel_);
    preview_ = new TWallPaperStatic(record_, dataDir, frame);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(preview_, 0, Qt::AlignCenter);

    fadeBox_ = new QSpinBox(panel_);
    fadeBox_->setObjectName(idName(kFadeField));
    fadeBox_->setRange(qv::kMinFade, qv::kMaxFade);
    fadeBox_->setSingleStep(1);
    fadeBox_->setAlignment(Qt::AlignRight);
    // Set before listening: a level outside the range (102 from "Increase Fade") is shown at
    // the nearest end but kept until the user changes it.
    fadeBox_->setValue(std::clamp<int>(record_->fade, qv::kMinFade, qv::kMaxFade));
    connect(fadeBox_, &QSpinBox::valueChanged, this, &DeskTopOptions::setFade);

    auto* fadeLabel = new QLabel(tr("Fade :"), panel_);
    fadeLabel->setBuddy(fadeBox_);
    fadeBox_->setAccessibleName(tr("Fade :"));

    newLogo_ = makeIdButton(kNewLogo, tr("&New Logo"), panel_);
    connect(newLogo_, &QPushButton::clicked, this, &DeskTopOptions::chooseNewLogo);

    auto* fadeRow = new QHBoxLayout;
    fadeRow->addWidget(fadeLabel);
    fadeRow->addWidget(fadeBox_, 1);

    auto* controls = new QVBoxLayout;
    controls->addSpacing(fontMetrics().height());
    controls->addLayout(fadeRow);
    controls->addSpacing(6);
    controls->addWidget(newLogo_);
    controls->addStretch(1);

    auto* layout = new QHBoxLayout(panel_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    layout->addSpacing(6);
    layout->addLayout(controls);
}

QDialogButtonBox* DeskTopOptions::makeOkCancelButtons() {
    const OkCancelButtons buttons = qv::gui::makeOkCancelButtons(this, tr("&OK"), tr("&Cancel"));
    buttons.box->setParent(this);
    buttons.ok->setDefault(true);
    return buttons.box;
}

void DeskTopOptions::click() {
    ui_.playSound(qv::EventSound::Click);
}

void DeskTopOptions::setFade(int level) {
    record_->fade = static_cast<std::int16_t>(level);
    // Always from the file: the new level replaces the old one rather than adding to it.
    preview_->reload();
}

void DeskTopOptions::chooseNewLogo() {
    click();
    const QString chosen = ui_.chooseBitmapFile(this, preview_->picturePath());
    if (chosen.isEmpty()) return;
    record_->path = chosen.toStdString();
    preview_->reload();
}

void DeskTopOptions::accept() {
    click();
    QDialog::accept();
}

void DeskTopOptions::reject() {
    click();
    QDialog::reject();
}

// --- Shared helpers ---------------------------------------------------------------------

}  // namespace qv::gui
