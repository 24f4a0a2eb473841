#include "gui/app/splash.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QThread>

#include "gui/common/app_paths.h"

namespace qv::gui {

namespace {
QPixmap splashPicture() {
    initAppResources();
    return QPixmap(QStringLiteral(":/app/images/splash_997.png"));
}
}  // namespace

TSplashWindow::TSplashWindow(QScreen* screen)
    : QSplashScreen(screen, splashPicture(), Qt::WindowStaysOnTopHint) {
    setWindowTitle(QString());
    // The same picture serves the about box, so the start-up note is drawn over it here.
    showMessage(tr("Loading..."));
}

void TSplashWindow::drawContents(QPainter* painter) {
    // Under the tag line, lined up with it.
    QFont small = font();
    small.setPointSizeF(7.5);
    painter->setFont(small);
    painter->setPen(QColor(150, 170, 195));
    painter->drawText(QRect(22, 108, 240, 16), Qt::AlignLeft | Qt::AlignVCenter, message());
}

void TSplashWindow::showNow() {
    show();
    repaint();
    QCoreApplication::processEvents();
    shownSince_.start();
}

void TSplashWindow::waitShown(int milliseconds) {
    if (qEnvironmentVariableIsSet("QV_NO_SPLASH_WAIT")) return;
    if (!shownSince_.isValid()) shownSince_.start();
    while (shownSince_.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(20);
    }
}

}  // namespace qv::gui
