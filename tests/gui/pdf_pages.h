#pragma once
// The pages of a PDF file Qt wrote: its page objects. -1 when it is no PDF file.

#include <QFile>
#include <QRegularExpression>
#include <QString>

namespace qv::test {

inline int pdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray data = file.readAll();
    if (!data.startsWith("%PDF-")) return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return static_cast<int>(QString::fromLatin1(data).count(page));
}

}  // namespace qv::test
