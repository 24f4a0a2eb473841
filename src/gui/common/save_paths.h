#pragma once
// The names and folders the save dialogs start from.

#include <QString>

namespace qv::gui {

// The file a save dialog offers: `name` made safe for a file name (characters a file name
// cannot hold become "-"; `fallback` when nothing is left) with `suffix`, in `folder` (the
// home folder when empty or gone).
QString suggestedSavePath(const QString& folder, const QString& name, const QString& fallback,
                          const QString& suffix);
// The folder of a file path, or an empty string for none.
QString folderOf(const QString& path);

}  // namespace qv::gui
