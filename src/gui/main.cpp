#include "gui/app/my_app.h"

int main(int argc, char** argv) {
    qv::gui::TMyApp app(argc, argv);
    app.initMainWindow();
    app.initInstance();
    return app.exec();
}
