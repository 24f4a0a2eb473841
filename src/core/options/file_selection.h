#pragma once
// The rules behind the file-selection dialog: which lines its list shows and in what order,
// the filter lines, and where the path goes as the user moves between directories.
// The dialog reads the file system and hands the listings in, so these rules never touch it.

#include <string>
#include <string_view>
#include <vector>

namespace qv {

enum class FileEntryKind { File, Directory, Root };

// One name of a directory listing, as the file system gives it.
struct DirectoryEntry {
    std::string name;
    bool isDirectory = false;
};

// One line of the list: the text shown, what it is, and the name it stands for (a file or
// directory name, or a root's absolute path).
struct FileListEntry {
    std::string text;
    FileEntryKind kind = FileEntryKind::File;
    std::string name;

    friend bool operator==(const FileListEntry&, const FileListEntry&) = default;
};

// A mounted file system as the system reports it.
struct MountedVolume {
    std::string rootPath;
    std::string device;
    std::string fileSystemType;
};

// The filter text split at every "|"; empty pieces are dropped.
std::vector<std::string> splitFilterLines(std::string_view filterText);
// The pattern of a filter line: the text after its last space, or the whole line.
std::string filterLinePattern(std::string_view line);
// DOS-style wildcards: "*" any run of characters, "?" any one character; letter case is
// ignored, as files often come from Windows.
bool matchesPattern(std::string_view name, std::string_view pattern);

// "[name]" and "[-root-]".
std::string directoryEntryText(std::string_view name);
std::string rootEntryText(std::string_view rootPath);
// The list order: files before directories, each group ascending (letter case ignored, then
// exact bytes so that the order is total).
bool listsBefore(const FileListEntry& a, const FileListEntry& b);

// The list for one directory: the files matching `pattern`, then its subdirectories in
// brackets, sorted; then the roots in the order given. "." is never listed, nor any other
// hidden name; ".." is listed unless the directory is the top of the tree.
std::vector<FileListEntry> buildFileList(const std::vector<DirectoryEntry>& listing,
                                         std::string_view pattern,
                                         const std::vector<std::string>& roots, bool atTopOfTree);

// The roots offered for navigation: "/" first, then every other mounted file system that
// lives on a storage device (pseudo file systems, snap images and the like are left out),
// in the system's order, each once.
std::vector<std::string> listedRoots(const std::vector<MountedVolume>& volumes);

// Path arithmetic on absolute paths with "/" separators. "\" is taken as a separator too.
std::string normalizeDirectory(std::string_view path);
std::string joinPath(std::string_view directory, std::string_view name);
// The directory one level up; "/" stays "/".
std::string parentDirectory(std::string_view directory);

// The dialog's state: the pattern it was opened with, the filter lines, the current directory
// and list, and the path it hands back.
class FileSelectionModel {
public:
    FileSelectionModel(std::string openPattern, std::string_view filterText, int initialFilter,
                       std::string directory);

    // The pattern the dialog was opened with; it decides how files are described.
    const std::string& openPattern() const { return openPattern_; }
    const std::vector<std::string>& filterLines() const { return filterLines_; }
    int filterIndex() const { return filterIndex_; }
    // The pattern of the selected filter line; the opening pattern when there is none.
    std::string filterPattern() const;
    // Another filter line; the directory stays. Out-of-range indexes are ignored.
    void selectFilter(int index);

    const std::string& directory() const { return directory_; }
    // The current directory followed by the filter pattern, as the path line shows it.
    std::string pathLine() const;
    // The chosen file's full path once a file is selected; the path line otherwise.
    const std::string& path() const { return path_; }
    bool fileChosen() const { return fileChosen_; }

    // Moves to another directory (already known to be readable); the list must then be
    // refilled and no file is chosen.
    void setDirectory(std::string_view directory);
    void setListing(const std::vector<DirectoryEntry>& listing,
                    const std::vector<std::string>& roots);
    const std::vector<FileListEntry>& entries() const { return entries_; }

    // Selecting a line: a file becomes the chosen path; anything else chooses nothing.
    // Returns whether a file was chosen.
    bool select(int index);
    // Where a line leads: a file's or directory's full path, or a root; empty when out of range.
    std::string targetOf(int index) const;
    // The index of the ".." line, or -1.
    int parentIndex() const;

private:
    void resetPath();

    std::string openPattern_;
    std::vector<std::string> filterLines_;
    int filterIndex_ = 0;
    std::string directory_;
    std::vector<FileListEntry> entries_;
    std::string path_;
    bool fileChosen_ = false;
};

}  // namespace qv
