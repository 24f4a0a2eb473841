#pragma once
// Where the program finds its own files and keeps its settings.

#include <QIcon>
#include <QString>
#include <string>

namespace qv::gui {

// Registers the built-in pictures; safe to call more than once.
void initAppResources();
// Icon 1 in all its sizes.
QIcon applicationIcon();

// The directory of the running executable.
QString programDirectory();
// `<programDir>/data` when it exists, otherwise `<programDir>/../share/quorvantile`.
QString dataDirectoryFor(const QString& programDir);
QString dataDirectory();
// The settings file: in the program directory when it is writable, otherwise in the user's
// configuration directory.
QString settingsPathFor(const QString& programDir);
// The wheel library inside the data folder.
QString wheelLibraryFor(const QString& dataDir);
// A stored file name such as ".\ticket.bmp" made into a native path inside `dataDir`.
QString resolveDataFile(const std::string& stored, const QString& dataDir);

}  // namespace qv::gui
