#include "gui/app/manual.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

// The manual's web edition; a build may name one. Empty: the installed manual serves.
#ifndef QV_ONLINE_MANUAL_URL
#define QV_ONLINE_MANUAL_URL ""
#endif

namespace qv::gui {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("qv::gui::TMyMDIFrame", text);
}

}  // namespace

QString manualIndexPath(const QString& dataDir) {
    return QDir(dataDir).filePath(QStringLiteral("manual/index.html"));
}

QUrl manualPage(const QString& dataDir, const QString& page) {
    const QString path = QDir(dataDir).filePath(QStringLiteral("manual/") + page);
    return QUrl::fromLocalFile(QFileInfo::exists(path) ? path : manualIndexPath(dataDir));
}

QUrl onlineManualUrl(const QString& dataDir) {
    QString address = qEnvironmentVariable("QV_MANUAL_URL").trimmed();
    if (address.isEmpty()) address = QStringLiteral(QV_ONLINE_MANUAL_URL);
    if (address.isEmpty()) return QUrl::fromLocalFile(manualIndexPath(dataDir));
    return QUrl::fromUserInput(address);
}

void showManual(const QUrl& url, const UrlOpener& openUrl, const ManualNotice& notice) {
    if (url.isLocalFile() && !QFileInfo(url.toLocalFile()).isFile()) {
        notice(tr("The manual cannot be found. It belongs in:\n%1")
                   .arg(QDir::toNativeSeparators(url.toLocalFile())));
        return;
    }
    if (!openUrl(url)) {
        notice(tr("No web browser could be started to show the manual. You can open it "
                  "yourself:\n%1")
                   .arg(url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile())
                                          : url.toString()));
    }
}

}  // namespace qv::gui
