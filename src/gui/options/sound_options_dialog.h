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

class UserInteraction;

class TSoundOptionsDialog : public QDialog {
    Q_OBJECT

public:
    // Control ids, also the controls' object names ("201", "301", ...).
    static constexpr int kEffectsBox = 101;
    static constexpr int kFirstEnableBox = 102;
    static constexpr int kFirstPathField = 201;
    static constexpr int kFirstBrowseButton = 301;

    // The clicks play and the wave files are chosen through `ui`.
    TSoundOptionsDialog(qv::SoundSettings& settings, UserInteraction& ui,
                        QWidget* parent = nullptr);

    void accept() override;
    void reject() override;

private:
    void click();
    void browse(int i);
    void showState();

    qv::SoundOptionsModel model_;
    UserInteraction& ui_;
    std::array<QLineEdit*, qv::SoundOptionsModel::kWaveFiles> pathFields_{};
    // What a field shows for a stored name such as ".\great.wav" is the file it stands for;
    // while the field still shows that, the stored name is kept.
    QString shownPath(const std::string& stored) const;
    std::string storedPath(int i, const QString& shown) const;
    std::array<std::string, qv::SoundOptionsModel::kWaveFiles> stored_{};
    std::array<QCheckBox*, qv::SoundOptionsModel::kWaveFiles> enableBoxes_{};
    QCheckBox* effectsBox_ = nullptr;
};

}  // namespace qv::gui
