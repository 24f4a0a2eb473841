#pragma once
// Options > Sound Effects: the switch for the built-in sounds and the three score wave files.

#include <QDialog>
#include <array>

#include "core/options/settings.h"
#include "core/options/sound_options.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace qv::gui {

class SoundPlayer;

class TSoundOptionsDialog : public QDialog {
    Q_OBJECT

public:
    // Control ids, also the controls' object names ("201", "301", ...).
    static constexpr int kEffectsBox = 101;
    static constexpr int kFirstEnableBox = 102;
    static constexpr int kFirstPathField = 201;
    static constexpr int kFirstBrowseButton = 301;

    // `player` may be null: the dialog is then silent.
    TSoundOptionsDialog(qv::SoundSettings& settings, SoundPlayer* player,
                        QWidget* parent = nullptr);

    void accept() override;
    void reject() override;

private:
    void click();
    void browse(int i);
    void showState();

    qv::SoundOptionsModel model_;
    SoundPlayer* player_;
    std::array<QLineEdit*, qv::SoundOptionsModel::kWaveFiles> pathFields_{};
    std::array<QCheckBox*, qv::SoundOptionsModel::kWaveFiles> enableBoxes_{};
    QCheckBox* effectsBox_ = nullptr;
};

}  // namespace qv::gui
