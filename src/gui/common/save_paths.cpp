#include "gui/common/save_paths.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace qv::gui {

QString suggestedSavePath(const QString& folder, const QString& name, const QString& fallback,
                          const QString& suffix) {
    static const QRegularExpression unsafe(QStringLiteral("[/\\\\:*?\"<>|]"));
    QString base = name;
    base.replace(unsafe, QStringLiteral("-"));
    base = base.trimmed();
    if (base.isEmpty()) base = fallback;
    const QString dir = !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
    return QDir::toNativeSeparators(QDir(dir).filePath(base + QLatin1Char('.') + suffix));
}

QString folderOf(const QString& path) {
    if (path.isEmpty()) return {};
    return QFileInfo(path).absolutePath();
}

}  // namespace qv::gui
