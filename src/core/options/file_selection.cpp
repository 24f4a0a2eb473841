#include "core/options/file_selection.h"

#include <algorithm>
#include <cctype>

namespace qv {

namespace {

char lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// Case-insensitive, then exact, so that two names never compare equal unless they are.
int compareNames(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const char x = lower(a[i]);
        const char y = lower(b[i]);
        if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y) ? -1 : 1;
    }
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

// `path` is `dir` itself or lies inside it.
bool isWithin(std::string_view path, std::string_view dir) {
    return path == dir ||
           (startsWith(path, dir) && path.size() > dir.size() && path[dir.size()] == '/');
}

}  // namespace

std::vector<std::string> splitFilterLines(std::string_view filterText) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= filterText.size()) {
        std::size_t bar = filterText.find('|', start);
        if (bar == std::string_view::npos) bar = filterText.size();
        if (bar > start) lines.emplace_back(filterText.substr(start, bar - start));
        start = bar + 1;
    }
    return lines;
}

std::string filterLinePattern(std::string_view line) {
    const std::size_t space = line.rfind(' ');
    return std::string(space == std::string_view::npos ? line : line.substr(space + 1));
}

bool matchesPattern(std::string_view name, std::string_view pattern) {
    // Greedy match with one backtrack point: the last "*" seen.
    std::size_t n = 0, p = 0;
    std::size_t starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || lower(pattern[p]) == lower(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

std::string directoryEntryText(std::string_view name) {
    return "[" + std::string(name) + "]";
}

std::string rootEntryText(std::string_view rootPath) {
    return "[-" + std::string(rootPath) + "-]";
}

bool listsBefore(const FileListEntry& a, const FileListEntry& b) {
    const bool aFile = a.kind == FileEntryKind::File;
    const bool bFile = b.kind == FileEntryKind::File;
    if (aFile != bFile) return aFile;
    return compareNames(a.text, b.text) < 0;
}

std::vector<FileListEntry> buildFileList(const std::vector<DirectoryEntry>& listing,
                                         std::string_view pattern,
                                         const std::vector<std::string>& roots, bool atTopOfTree) {
    std::vector<FileListEntry> list;
    for (const DirectoryEntry& e : listing) {
        if (e.name.empty() || e.name == ".") continue;
        if (e.name == "..") {
            if (e.isDirectory && !atTopOfTree)
                list.push_back({directoryEntryText(e.name), FileEntryKind::Directory, e.name});
            continue;
        }
        if (e.name.front() == '.') continue;  // hidden
        if (e.isDirectory) {
            list.push_back({directoryEntryText(e.name), FileEntryKind::Directory, e.name});
        } else if (matchesPattern(e.name, pattern)) {
            list.push_back({e.name, FileEntryKind::File, e.name});
        }
    }
    std::sort(list.begin(), list.end(), listsBefore);
    for (const std::string& root : roots)
        list.push_back({rootEntryText(root), FileEntryKind::Root, root});
    return list;
}

std::vector<std::string> listedRoots(const std::vector<MountedVolume>& volumes) {
    // Places a user keeps no files in, even when a disk is mounted there.
    static constexpr std::string_view kSystemPlaces[] = {"/boot", "/proc",    "/sys",     "/dev",
                                                         "/snap", "/var/lib", "/var/snap"};
    std::vector<std::string> roots{"/"};
    for (const MountedVolume& v : volumes) {
        const std::string root = normalizeDirectory(v.rootPath);
        if (root.empty() || root.front() != '/') continue;
        if (!startsWith(v.device, "/dev/") || startsWith(v.device, "/dev/loop")) continue;
        if (v.fileSystemType == "squashfs") continue;
        if (std::any_of(std::begin(kSystemPlaces), std::end(kSystemPlaces),
                        [&](std::string_view place) { return isWithin(root, place); }))
            continue;
        if (std::find(roots.begin(), roots.end(), root) == roots.end()) roots.push_back(root);
    }
    return roots;
}

std::string normalizeDirectory(std::string_view path) {
    std::vector<std::string> parts;
    std::size_t i = 0;
    while (i < path.size()) {
        while (i < path.size() && isSeparator(path[i])) ++i;
        std::size_t end = i;
        while (end < path.size() && !isSeparator(path[end])) ++end;
        const std::string_view part = path.substr(i, end - i);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.emplace_back(part);
        }
        i = end;
    }
    std::string out;
    for (const std::string& p : parts) out += "/" + p;
    return out.empty() ? "/" : out;
}

std::string joinPath(std::string_view directory, std::string_view name) {
    std::string out(directory);
    if (out.empty() || !isSeparator(out.back())) out += '/';
    out += name;
    return out;
}

std::string parentDirectory(std::string_view directory) {
    return normalizeDirectory(joinPath(directory, ".."));
}

FileSelectionModel::FileSelectionModel(std::string openPattern, std::string_view filterText,
                                       int initialFilter, std::string directory)
    : openPattern_(std::move(openPattern)),
      filterLines_(splitFilterLines(filterText)),
      directory_(normalizeDirectory(directory)) {
    if (initialFilter >= 0 && initialFilter < static_cast<int>(filterLines_.size()))
        filterIndex_ = initialFilter;
    resetPath();
}

std::string FileSelectionModel::filterPattern() const {
    if (filterLines_.empty()) return openPattern_;
    return filterLinePattern(filterLines_[static_cast<std::size_t>(filterIndex_)]);
}

void FileSelectionModel::selectFilter(int index) {
    if (index < 0 || index >= static_cast<int>(filterLines_.size())) return;
    filterIndex_ = index;
    resetPath();
}

std::string FileSelectionModel::pathLine() const {
    return joinPath(directory_, filterPattern());
}

void FileSelectionModel::setDirectory(std::string_view directory) {
    directory_ = normalizeDirectory(directory);
    entries_.clear();
    resetPath();
}

void FileSelectionModel::setListing(const std::vector<DirectoryEntry>& listing,
                                    const std::vector<std::string>& roots) {
    entries_ = buildFileList(listing, filterPattern(), roots, directory_ == "/");
    resetPath();
}

bool FileSelectionModel::select(int index) {
    if (index < 0 || index >= static_cast<int>(entries_.size()) ||
        entries_[static_cast<std::size_t>(index)].kind != FileEntryKind::File) {
        resetPath();
        return false;
    }
    path_ = targetOf(index);
    fileChosen_ = true;
    return true;
}

std::string FileSelectionModel::targetOf(int index) const {
    if (index < 0 || index >= static_cast<int>(entries_.size())) return {};
    const FileListEntry& e = entries_[static_cast<std::size_t>(index)];
    switch (e.kind) {
        case FileEntryKind::File:
            return joinPath(directory_, e.name);
        case FileEntryKind::Directory:
            return normalizeDirectory(joinPath(directory_, e.name));
        case FileEntryKind::Root:
            return e.name;
    }
    return {};
}

int FileSelectionModel::parentIndex() const {
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].kind == FileEntryKind::Directory && entries_[i].name == "..")
            return static_cast<int>(i);
    return -1;
}

void FileSelectionModel::resetPath() {
    path_ = pathLine();
    fileChosen_ = false;
}

}  // namespace qv
