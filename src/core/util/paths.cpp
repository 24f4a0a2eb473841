#include "core/util/paths.h"

namespace qv {

namespace {

bool endsWithNoCase(std::string_view name, std::string_view suffix) {
    if (name.size() < suffix.size()) return false;
    name = name.substr(name.size() - suffix.size());
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        char c = name[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != suffix[i]) return false;
    }
    return true;
}

bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

bool isDrivePath(std::string_view p) {
    return p.size() >= 2 && p[1] == ':' &&
           ((p[0] >= 'A' && p[0] <= 'Z') || (p[0] >= 'a' && p[0] <= 'z'));
}

}  // namespace

FileKind fileKindForName(std::string_view name) {
    if (endsWithNoCase(name, ".dat")) return FileKind::Database;
    if (endsWithNoCase(name, ".qvt")) return FileKind::TicketFile;
    if (endsWithNoCase(name, ".wl10")) return FileKind::WheelingTable;
    if (name.size() >= 4 && endsWithNoCase(name.substr(0, name.size() - 1), ".wl") &&
        name.back() >= '1' && name.back() <= '9')
        return FileKind::WheelingTable;
    return FileKind::Other;
}

std::string resolveDataPath(std::string_view stored, std::string_view dataDir) {
    if (stored.size() >= 2 && stored.front() == '"' && stored.back() == '"') {
        stored = stored.substr(1, stored.size() - 2);
    }
    if (stored.empty()) return {};

    const bool absolute = isSeparator(stored.front()) || isDrivePath(stored);
    std::string result;
    if (absolute) {
        for (char c : stored) result += isSeparator(c) ? '/' : c;
        return result;
    }

    result.assign(dataDir);
    while (result.size() > 1 && isSeparator(result.back())) result.pop_back();
    // Relative names are joined segment by segment, leaving out "." and empty segments.
    std::size_t start = 0;
    while (start <= stored.size()) {
        std::size_t end = start;
        while (end < stored.size() && !isSeparator(stored[end])) ++end;
        std::string_view segment = stored.substr(start, end - start);
        if (!segment.empty() && segment != ".") {
            if (!result.empty() && !isSeparator(result.back())) result += '/';
            result += segment;
        }
        start = end + 1;
    }
    return result;
}

std::string toNativeSeparators(const std::string& path) {
    std::string s = path;
    for (char& c : s)
        if (c == '\\') c = '/';
    return s;
}

}  // namespace qv
