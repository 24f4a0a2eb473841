#include "gui/common/document.h"

namespace qv::gui {

qv::IoResult Document::save() {
    const bool before = isModified();
    return written(write(), before);
}

qv::IoResult Document::saveAs(const std::string& path) {
    const bool before = isModified();
    return written(writeAs(path), before);
}

void Document::edited(bool wasModified) {
    emit changed();
    if (isModified() != wasModified) emit modifiedChanged(isModified());
}

qv::IoResult Document::written(const qv::IoResult& result, bool wasModified) {
    if (isModified() != wasModified) emit modifiedChanged(isModified());
    return result;
}

}  // namespace qv::gui
