#include "gui/app/my_app.h"

#include "gui/app/splash.h"
#include "gui/common/app_paths.h"

namespace qv::gui {

TMyApp::TMyApp(int& argc, char** argv) : QApplication(argc, argv) {
    // No display name: the platform would add it to every window title, and the titles are
    // the program's own texts.
    setApplicationName(QStringLiteral("Quorvantile"));
    // Ties the windows to the installed desktop entry (its icon and name on Wayland).
    setDesktopFileName(QStringLiteral(QV_APP_ID));
    setWindowIcon(applicationIcon());
    environment_ = AppEnvironment::fromApplication();
}

TMyApp::~TMyApp() {
    // Windows go before the application object.
    frame_.reset();
    splash_.reset();
    state_.reset();
}

void TMyApp::initMainWindow() {
    splash_ = std::make_unique<TSplashWindow>();
    splash_->showNow();
    splash_->waitShown();
    state_ = std::make_unique<ApplicationState>(environment_);
    frame_ = std::make_unique<TMyMDIFrame>(*state_);
}

void TMyApp::initInstance() {
    if (!frame_) initMainWindow();
    frame_->show();
    if (splash_) {
        splash_->finish(frame_.get());
        splash_.reset();
    }
    frame_->setupWindow(commandLineFiles());
}

QStringList TMyApp::commandLineFiles() const {
    QStringList files;
    const QStringList args = arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (!args[i].startsWith(QLatin1Char('-'))) files << args[i];
    }
    return files;
}

}  // namespace qv::gui
