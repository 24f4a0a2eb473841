#pragma once
// The manual: its installed pages, its web edition, and the browser that shows it.

#include <QString>
#include <QUrl>
#include <functional>

namespace qv::gui {

// The installed manual's first page.
QString manualIndexPath(const QString& dataDir);
// A page of the installed manual ("statistics.html"); the first page when there is no such page.
QUrl manualPage(const QString& dataDir, const QString& page);
// The address "Online Manual" opens: the web edition when QV_MANUAL_URL (or the build) names
// one, otherwise the installed manual.
QUrl onlineManualUrl(const QString& dataDir);

// Shows `url` through `openUrl`. A missing installed manual, or no browser to show it, is
// told through `notice` with where the manual is.
using UrlOpener = std::function<bool(const QUrl& url)>;
using ManualNotice = std::function<void(const QString& text)>;
void showManual(const QUrl& url, const UrlOpener& openUrl, const ManualNotice& notice);

}  // namespace qv::gui
