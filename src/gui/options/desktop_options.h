#pragma once
// Options > DeskTop Settings: the wallpaper record's picture and fade with a live preview.
// The statistics options dialog builds on the same controls for the statistics background.

#include <QDialog>
#include <QFrame>
#include <QImage>
#include <QString>

#include "core/options/settings.h"

class QDialogButtonBox;
class QPushButton;
class QSpinBox;

namespace qv::gui {

class UserInteraction;

// The preview: the record's whole picture, faded by the record's level, stretched over the
// control. Without a picture (no file, a missing or unreadable one) it shows only its
// background.
class TWallPaperStatic : public QFrame {
    Q_OBJECT

public:
    static constexpr int kPreviewWidth = 137;  // 91 x 65 dialog units
    static constexpr int kPreviewHeight = 106;

    // `record` is not owned. Relative names such as ".\qvtbg.bmp" are taken inside `dataDir`
    // (the program's data directory when empty). Loads the record's file at once.
    explicit TWallPaperStatic(const qv::DeskTopType* record, const QString& dataDir = QString(),
                              QWidget* parent = nullptr);

    // Drops the picture and reads the record's file again with the record's fade.
    void reload();
    const QImage& picture() const { return picture_; }
    // The file the record names, as opened.
    QString picturePath() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const qv::DeskTopType* record_;
    QString dataDir_;
    QImage picture_;
};

class DeskTopOptions : public QDialog {
    Q_OBJECT

public:
    // Control ids, also the controls' object names. The spin box is both the fade field
    // (102) and its up-down (104), so it carries the field's id.
    static constexpr int kPreview = 101;
    static constexpr int kFadeField = 102;
    static constexpr int kNewLogo = 119;

    // Edits `record` in place as the user works: pass a working copy and install it only
    // when the dialog ends with OK.
    DeskTopOptions(UserInteraction& ui, QWidget* parent, qv::DeskTopType* record,
                   const QString& dataDir = QString());

    TWallPaperStatic* preview() const { return preview_; }
    QSpinBox* fadeBox() const { return fadeBox_; }
    QPushButton* newLogoButton() const { return newLogo_; }

    void accept() override;
    void reject() override;

protected:
    // For dialogs that add controls of their own: builds the wallpaper controls inside
    // wallpaperPanel() and leaves the dialog's layout and its OK and Cancel to the caller.
    struct NoLayout {};
    DeskTopOptions(UserInteraction& ui, QWidget* parent, qv::DeskTopType* record,
                   const QString& dataDir, NoLayout);

    // The "Preview:" frame with the preview, the fade field and "&New Logo".
    QWidget* wallpaperPanel() const { return panel_; }
    // The standard OK and Cancel buttons (ids 1 and 2) wired to accept() and reject().
    QDialogButtonBox* makeOkCancelButtons();
    // The click every button of the dialog makes.
    void click();

private:
    void buildWallpaperPanel(const QString& dataDir);
    void setFade(int level);
    void chooseNewLogo();

    UserInteraction& ui_;
    qv::DeskTopType* record_;
    QWidget* panel_ = nullptr;
    TWallPaperStatic* preview_ = nullptr;
    QSpinBox* fadeBox_ = nullptr;
    QPushButton* newLogo_ = nullptr;
};

}  // namespace qv::gui
