#pragma once
// Options > Statistics: which span of the open database the statistics count, how the hot
// and cold quick picks choose numbers, and the statistics windows' wallpaper and fade.

#include <functional>

#include "core/options/settings.h"
#include "core/records/records.h"
#include "gui/options/desktop_options.h"

class QComboBox;
class QRadioButton;

namespace qv {
class DrawDatabase;
}

namespace qv::gui {

class ApplicationState;

class StatisticsOptions : public DeskTopOptions {
    Q_OBJECT

public:
    // Control ids, also the controls' object names.
    static constexpr int kHotNumbers = 110;
    static constexpr int kHotPairs = 111;
    static constexpr int kColdNumbers = 120;
    static constexpr int kColdPairs = 121;
    static constexpr int kFromList = 150;
    static constexpr int kToList = 151;
    static constexpr int kHelp = 9;

    // Edits `options` and `wallpaper` (working copies, installed by the caller on OK). The
    // date lists hold the draws of `database`; without one they offer only the open ends.
    StatisticsOptions(UserInteraction& ui, QWidget* parent, qv::StatisticsSettings* options,
                      qv::DeskTopType* wallpaper, const qv::DrawDatabase* database,
                      const QString& dataDir = QString(), std::function<void()> help = {});

    QComboBox* fromList() const { return from_; }
    QComboBox* toList() const { return to_; }

    void accept() override;

private:
    QRadioButton* radio(int id, const QString& text);
    void fillDates();

    qv::StatisticsSettings* options_;
    const qv::DrawDatabase* database_;
    std::function<void()> help_;
    QRadioButton* hotNumbers_ = nullptr;
    QRadioButton* hotPairs_ = nullptr;
    QRadioButton* coldNumbers_ = nullptr;
    QRadioButton* coldPairs_ = nullptr;
    QComboBox* from_ = nullptr;
    QComboBox* to_ = nullptr;
};

// Command 108: runs the dialog on copies and installs them on OK. Windows already open keep
// what they show; the options count for statistics opened afterwards.
void runStatisticsOptions(ApplicationState& state, QWidget* parent,
                          std::function<void()> help = {});

}  // namespace qv::gui
