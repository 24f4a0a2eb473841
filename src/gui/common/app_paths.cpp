#include "gui/common/app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "core/options/settings.h"
#include "core/util/paths.h"
#include "core/view/placement.h"
#include "core/wheels/wheel_library.h"

// Resources of a static library have to be pulled in by name, outside any namespace.
static void registerAppResources() {
    Q_INIT_RESOURCE(app);
}

namespace qv::gui {

void initAppResources() {
    static const bool registered = (registerAppResources(), true);
    (void)registered;
}

QIcon applicationIcon() {
    initAppResources();
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        icon.addFile(QStringLiteral(":/app/images/icon_1_%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

QString programDirectory() {
    return QCoreApplication::applicationDirPath();
}

QString dataDirectoryFor(const QString& programDir) {
    const QDir dir(programDir);
    const QString local = dir.filePath(QStringLiteral("data"));
    if (QFileInfo(local).isDir()) return QDir::cleanPath(local);
    return QDir::cleanPath(dir.filePath(QStringLiteral("../share/quorvantile")));
}

QString dataDirectory() {
    return dataDirectoryFor(programDirectory());
}

QString settingsPathFor(const QString& programDir) {
    const QString configDir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return QString::fromStdString(
        qv::settingsFilePath(programDir.toStdString(), configDir.toStdString()));
}

QString resolveDataFile(const std::string& stored, const QString& dataDir) {
    const std::string path = qv::resolveDataPath(stored, dataDir.toStdString());
    return path.empty() ? QString() : QDir::toNativeSeparators(QString::fromStdString(path));
}

QString wheelLibraryFor(const QString& dataDir) {
    return QDir(dataDir).filePath(QString::fromLatin1(qv::kWheelLibraryFolder));
}

}  // namespace qv::gui
