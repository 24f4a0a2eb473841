#pragma once
// Help > About: the start-up picture with the program's name, version and where to get help.

#include <QDialog>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace qv::gui {

// A static picture control: the picture at its natural size from the top-left corner, or
// stretched over the whole control.
class TStatic256 : public QWidget {
    Q_OBJECT
public:
    // A picture that cannot be loaded is reported once and leaves the control empty.
    explicit TStatic256(const QString& resource, QWidget* parent = nullptr, bool stretch = false);

    QPixmap picture() const { return picture_; }
    bool stretches() const { return stretch_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    bool stretch_;
};

class TMyAboutDialog : public QDialog {
    Q_OBJECT
public:
    // Control ids, also the controls' object names.
    static constexpr int kPicture = 16;
    static constexpr int kOk = 1;

    explicit TMyAboutDialog(QWidget* parent = nullptr);

    TStatic256* pictureControl() const { return picture_; }
    // The program's version as the build names it.
    static QString version();

private:
    TStatic256* picture_ = nullptr;
};

}  // namespace qv::gui
