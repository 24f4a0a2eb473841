#include "core/print/print_common.h"

#include <algorithm>

namespace qv::print {

std::string headerDate(const Date& today) {
    return std::to_string(today.month) + "/" + std::to_string(today.day) + "/" +
           std::to_string(today.year);
}

std::string pageLabel(int page) {
    return "Page " + std::to_string(page);
}

int headerFontHeight(int pageWidth) {
    return std::max(1, pageWidth / 50);
}

}  // namespace qv::print
