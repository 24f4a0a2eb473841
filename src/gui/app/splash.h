#pragma once
// The start-up picture shown while the main window is being built.

#include <QElapsedTimer>
#include <QSplashScreen>

namespace qv::gui {

class TSplashWindow : public QSplashScreen {
    Q_OBJECT
public:
    static constexpr int kShowMilliseconds = 3000;

    // Frameless, with the built-in 400 x 139 picture.
    explicit TSplashWindow(QScreen* screen = nullptr);

    // Shows and paints the picture at once.
    void showNow();
    // Keeps the picture up until `milliseconds` have passed since it was painted, processing
    // events meanwhile; returns at once when QV_NO_SPLASH_WAIT is set.
    void waitShown(int milliseconds = kShowMilliseconds);

protected:
    void drawContents(QPainter* painter) override;

private:
    QElapsedTimer shownSince_;
};

}  // namespace qv::gui
