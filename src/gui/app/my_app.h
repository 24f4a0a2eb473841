#pragma once
// The application object: the state the windows share, the splash, the main frame, and the
// files named on the command line.

#include <QApplication>
#include <QStringList>
#include <memory>

#include "gui/app/my_mdi_frame.h"

namespace qv::gui {

class TSplashWindow;

class TMyApp : public QApplication {
    Q_OBJECT
public:
    TMyApp(int& argc, char** argv);
    ~TMyApp() override;

    // Before initMainWindow: where the program reads and writes its files (tests).
    void setEnvironment(const AppEnvironment& environment) { environment_ = environment; }
    // Splash picture for three seconds, then the frame with its settings, menu and tool bar.
    void initMainWindow();
    // Shows the frame, closes the splash and opens the last session's files or those named
    // on the command line.
    void initInstance();

    TMyMDIFrame* frame() const { return frame_.get(); }
    ApplicationState* state() const { return state_.get(); }
    TSplashWindow* splash() const { return splash_.get(); }
    // The arguments after the program name that are not options.
    QStringList commandLineFiles() const;

private:
    AppEnvironment environment_;
    std::unique_ptr<ApplicationState> state_;
    std::unique_ptr<TSplashWindow> splash_;
    std::unique_ptr<TMyMDIFrame> frame_;
};

}  // namespace qv::gui
