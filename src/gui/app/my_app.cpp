#include "gui/app/my_app.h"

#include "gui/app/app_paths.h"
#include "gui/app/splash.h"

namespace qv::gui {

TMyApp::TMyApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Quorvantile"));
    setApplicationDisplayName(QStringLiteral("Quorvantile"));
    setWindowIcon(applicationIcon());
    environment_ = FrameEnvironment::fromApplication();
}

TMyApp::~TMyApp() {
    // Windows go before the application object.
    frame_.reset();
    splash_.reset();
}

void TMyApp::initMainWindow() {
    splash_ = std::make_unique<TSplashWindow>();
    splash_->showNow();
    splash_->waitShown();
    frame_ = std::make_unique<TMyMDIFrame>(environment_);
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
