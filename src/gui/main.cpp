#include "gui/app/batch_print.h"
#include "gui/app/my_app.h"

int main(int argc, char** argv) {
    if (std::optional<int> status = qv::gui::runBatchCommand(argc, argv)) return *status;
    qv::gui::TMyApp app(argc, argv);
    app.initMainWindow();
    app.initInstance();
    return app.exec();
}
