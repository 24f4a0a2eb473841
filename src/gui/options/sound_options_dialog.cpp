#include "gui/options/sound_options_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "gui/common/app_paths.h"
#include "gui/common/button_row.h"
#include "gui/common/user_interaction.h"

namespace qv::gui {

namespace {

QString idName(int id) {
    return QString::number(id);
}

}  // namespace

TSoundOptionsDialog::TSoundOptionsDialog(qv::SoundSettings& settings, UserInteraction& ui,
                                         QWidget* parent)
    : QDialog(parent), model_(settings), ui_(ui) {
    setWindowTitle(tr("Quorvantile (Sound Options)"));

    const QString labels[] = {tr("On &Great Scores (>=5), use the wave file :"),
                              tr("On &Medium Scores ( 4 ), use the wave file :"),
                              tr("On &Lower Scores ( 3 ), use the wave file :")};

    std::array<QPushButton*, qv::SoundOptionsModel::kWaveFiles> browseButtons{};
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    auto* enabledHeader = new QLabel(tr("Enabled ?"));
    grid->addWidget(enabledHeader, 0, 2, Qt::AlignHCenter | Qt::AlignBottom);

    for (int i = 0; i < qv::SoundOptionsModel::kWaveFiles; ++i) {
        auto* field = new QLineEdit;
        field->setObjectName(idName(kFirstPathField + i));
        field->setMaxLength(int(qv::SoundOptionsModel::kPathChars));
        field->setMinimumWidth(fontMetrics().averageCharWidth() * 44);
        stored_[std::size_t(i)] = model_.path(i);
        field->setText(shownPath(model_.path(i)));
        connect(field, &QLineEdit::textChanged, this,
                [this, i](const QString& text) { model_.setPath(i, storedPath(i, text)); });

        auto* label = new QLabel(labels[i]);
        label->setBuddy(field);

        auto* browseButton = new QPushButton(tr("&Browse ..."));
        browseButton->setObjectName(idName(kFirstBrowseButton + i));
        connect(browseButton, &QPushButton::clicked, this, [this, i] { browse(i); });

        auto* enable = new QCheckBox;
        enable->setObjectName(idName(kFirstEnableBox + i));
        enable->setAccessibleName(QString(labels[i]).remove(QLatin1Char('&')) + tr(" Enabled ?"));
        connect(enable, &QCheckBox::clicked, this, [this, i] {
            model_.toggleEnabled(i);
            showState();
        });

        const int row = 1 + 2 * i;
        if (i > 0) grid->setRowMinimumHeight(row, fontMetrics().height() + 10);
        grid->addWidget(label, row, 0, 1, 2, Qt::AlignLeft | Qt::AlignBottom);
        grid->addWidget(field, row + 1, 0);
        grid->addWidget(browseButton, row + 1, 1);
        grid->addWidget(enable, row + 1, 2, Qt::AlignHCenter);

        pathFields_[i] = field;
        browseButtons[i] = browseButton;
        enableBoxes_[i] = enable;
    }
    grid->setColumnStretch(0, 1);

    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    effectsBox_ = new QCheckBox(tr("All other sound &effects"));
    effectsBox_->setObjectName(idName(kEffectsBox));
    connect(effectsBox_, &QCheckBox::clicked, this, [this] {
        if (model_.toggleEffects()) ui_.playSound(qv::EventSound::Click);
        showState();
    });

    const auto [buttons, ok, cancel] = makeOkCancelButtons(this, tr("OK"), tr("Cancel"));

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(effectsBox_);
    bottom->addStretch(1);
    bottom->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addWidget(line);
    layout->addLayout(bottom);

    // Row by row, then the switch and the buttons.
    QWidget* previous = nullptr;
    for (int i = 0; i < qv::SoundOptionsModel::kWaveFiles; ++i) {
        for (QWidget* next :
             {static_cast<QWidget*>(pathFields_[i]), static_cast<QWidget*>(browseButtons[i]),
              static_cast<QWidget*>(enableBoxes_[i])}) {
            if (previous) setTabOrder(previous, next);
            previous = next;
        }
    }
    setTabOrder(previous, effectsBox_);
    setTabOrder(effectsBox_, ok);
    setTabOrder(ok, cancel);
    // Only once the button belongs to the dialog does the dialog know its default.
    ok->setDefault(true);

    showState();
    pathFields_[0]->setFocus();
}

QString TSoundOptionsDialog::shownPath(const std::string& stored) const {
    const QString resolved = resolveDataFile(stored, dataDirectory());
    return resolved.isEmpty() ? QString::fromStdString(stored) : resolved;
}

std::string TSoundOptionsDialog::storedPath(int i, const QString& shown) const {
    const std::string& stored = stored_[std::size_t(i)];
    return shown == shownPath(stored) ? stored : shown.toStdString();
}

void TSoundOptionsDialog::click() {
    ui_.playSound(qv::EventSound::Click);
}

void TSoundOptionsDialog::showState() {
    for (int i = 0; i < qv::SoundOptionsModel::kWaveFiles; ++i) {
        // A field that already stands for the stored value keeps what it shows, typed or not.
        if (storedPath(i, pathFields_[i]->text()) != model_.path(i)) {
            stored_[std::size_t(i)] = model_.path(i);
            pathFields_[i]->setText(shownPath(model_.path(i)));
        }
        enableBoxes_[i]->setChecked(model_.enabled(i));
    }
    effectsBox_->setChecked(model_.effectsOn());
}

void TSoundOptionsDialog::browse(int i) {
    click();
    FileRequest request = FileRequest::of(FileRequest::Mode::Open, tr("Select Sound File"),
                                          tr("Wave Files (*.wav)"), QStringLiteral("wav"));
    // The choice starts in the folder of the file named now, when there is one.
    const QString current = resolveDataFile(model_.path(i), dataDirectory());
    if (!current.isEmpty() && QFileInfo(current).absoluteDir().exists()) request.selected = current;
    const QString chosen = ui_.chooseFile(this, request);
    if (chosen.isEmpty()) return;
    model_.setPath(i, chosen.toStdString());
    showState();
}

void TSoundOptionsDialog::accept() {
    click();
    // What the fields show is what is kept, typed or browsed.
    for (int i = 0; i < qv::SoundOptionsModel::kWaveFiles; ++i)
        model_.setPath(i, storedPath(i, pathFields_[i]->text()));
    model_.accept();
    QDialog::accept();
}

void TSoundOptionsDialog::reject() {
    click();
    model_.cancel();
    QDialog::reject();
}

}  // namespace qv::gui
