#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/options/file_selection.h"

using namespace qv;

namespace {

std::vector<std::string> texts(const std::vector<FileListEntry>& list) {
    std::vector<std::string> out;
    for (const FileListEntry& e : list) out.push_back(e.text);
    return out;
}

// A listing in the jumbled order a file system gives.
std::vector<DirectoryEntry> mixedListing() {
    return {{"zeta.dat", false}, {"archive", true},     {".", true},          {"Beta.DAT", false},
            {"..", true},        {"notes.txt", false},  {"alpha.dat", false}, {"Old", true},
            {".hidden", true},   {".cache.dat", false}, {"data.dat", true},   {"mid.wl5", false}};
}

const char* const kWheelFilter =
    "All Wheeling Tables *.wl?|Pick 4 Wheels *.wl4|Pick 5 Wheels *.wl5|Pick 6 Wheels *.wl6";

}  // namespace

TEST(FileSelectionList, FilesFirstThenDirectoriesEachAscendingThenRoots) {
    const auto list = buildFileList(mixedListing(), "*.dat", {"/", "/media/usb"}, false);
    const std::vector<std::string> expected = {
        "alpha.dat", "Beta.DAT",      "zeta.dat",             // files, letter case ignored
        "[..]",      "[archive]",     "[data.dat]", "[Old]",  // "." and hidden names left out
        "[-/-]",     "[-/media/usb-]"};                       // roots in the order given
    EXPECT_EQ(texts(list), expected);
    EXPECT_EQ(list[5].kind, FileEntryKind::Directory);  // a directory named like a match
    EXPECT_EQ(list[5].name, "data.dat");
    EXPECT_EQ(list.back().kind, FileEntryKind::Root);
    EXPECT_EQ(list.back().name, "/media/usb");

    // Whatever the names, no directory ever comes before a file.
    const auto sorted = buildFileList({{"[a", true},
                                       {"~z.dat", false},
                                       {"A", true},
                                       {"0.dat", false},
                                       {"_", true},
                                       {"Z.dat", false}},
                                      "*.dat", {}, false);
    bool seenDirectory = false;
    for (const FileListEntry& e : sorted) {
        if (e.kind == FileEntryKind::Directory) seenDirectory = true;
        EXPECT_FALSE(seenDirectory && e.kind == FileEntryKind::File) << e.text;
    }
}

TEST(FileSelectionList, NoMatchingFilesLeavesDirectoriesAndRoots) {
    const std::vector<DirectoryEntry> listing = {
        {"a.qvt", false}, {"sub", true}, {"..", true}, {".", true}};
    EXPECT_EQ(texts(buildFileList(listing, "*.dat", {"/"}, false)),
              (std::vector<std::string>{"[..]", "[sub]", "[-/-]"}));
    // At the top of the tree there is nothing above.
    EXPECT_EQ(texts(buildFileList(listing, "*.dat", {"/"}, true)),
              (std::vector<std::string>{"[sub]", "[-/-]"}));
}

TEST(FileSelectionList, Wildcards) {
    EXPECT_TRUE(matchesPattern("LOTTO.DAT", "*.dat"));
    EXPECT_TRUE(matchesPattern("a.b.dat", "*.dat"));
    EXPECT_TRUE(matchesPattern("six.wl6", "*.wl?"));
    EXPECT_FALSE(matchesPattern("six.wl", "*.wl?"));
    EXPECT_FALSE(matchesPattern("lotto.dat.bak", "*.dat"));
    EXPECT_TRUE(matchesPattern("abXcdYcd", "ab*cd"));  // the star has to give back
}

TEST(FileSelectionFilter, LinesAndPatterns) {
    EXPECT_EQ(splitFilterLines(kWheelFilter),
              (std::vector<std::string>{"All Wheeling Tables *.wl?", "Pick 4 Wheels *.wl4",
                                        "Pick 5 Wheels *.wl5", "Pick 6 Wheels *.wl6"}));
    EXPECT_EQ(splitFilterLines("Quorvantile Database Files *.dat"),
              (std::vector<std::string>{"Quorvantile Database Files *.dat"}));
    EXPECT_EQ(splitFilterLines("A *.a||B *.b|"), (std::vector<std::string>{"A *.a", "B *.b"}));
    EXPECT_TRUE(splitFilterLines("").empty());

    EXPECT_EQ(filterLinePattern("Pick 5 Wheels *.wl5"), "*.wl5");
    EXPECT_EQ(filterLinePattern("*.qvt"), "*.qvt");
    EXPECT_EQ(filterLinePattern("Trailing "), "");
}

TEST(FileSelectionPaths, Arithmetic) {
    EXPECT_EQ(normalizeDirectory("/home/me/"), "/home/me");
    EXPECT_EQ(normalizeDirectory("/home//me/./lotto/.."), "/home/me");
    EXPECT_EQ(normalizeDirectory("\\data\\games"), "/data/games");
    EXPECT_EQ(normalizeDirectory("/.."), "/");
    EXPECT_EQ(joinPath("/home/me", "*.dat"), "/home/me/*.dat");
    EXPECT_EQ(joinPath("/", "*.dat"), "/*.dat");
    EXPECT_EQ(parentDirectory("/home/me"), "/home");
    EXPECT_EQ(parentDirectory("/home"), "/");
    EXPECT_EQ(parentDirectory("/"), "/");
}

TEST(FileSelectionRoots, RootFirstThenStorageDevicesOnce) {
    const std::vector<MountedVolume> volumes = {
        {"/", "/dev/sda2", "ext4"},
        {"/proc", "proc", "proc"},
        {"/run/user/1000", "tmpfs", "tmpfs"},
        {"/boot/efi", "/dev/sda1", "vfat"},
        {"/home", "/dev/sda3", "ext4"},
        {"/snap/core/123", "/dev/loop3", "squashfs"},
        {"/media/me/USB STICK/", "/dev/sdb1", "vfat"},
        {"/home", "/dev/sda3", "ext4"},
    };
    EXPECT_EQ(listedRoots(volumes),
              (std::vector<std::string>{"/", "/home", "/media/me/USB STICK"}));
    EXPECT_EQ(listedRoots({}), std::vector<std::string>{"/"});
    EXPECT_EQ(rootEntryText("/"), "[-/-]");
}

TEST(FileSelectionModel, OpensWithThePatternAndChoosesOnlyFiles) {
    FileSelectionModel model("*.dat", "Quorvantile Database Files *.dat", 0, "/home/me/lotto/");
    EXPECT_EQ(model.directory(), "/home/me/lotto");
    EXPECT_EQ(model.pathLine(), "/home/me/lotto/*.dat");
    EXPECT_EQ(model.path(), "/home/me/lotto/*.dat");
    EXPECT_FALSE(model.fileChosen());

    model.setListing({{"b.dat", false}, {"..", true}, {"a.dat", false}, {"sub", true}}, {"/"});
    EXPECT_EQ(texts(model.entries()),
              (std::vector<std::string>{"a.dat", "b.dat", "[..]", "[sub]", "[-/-]"}));
    EXPECT_TRUE(model.select(1));
    EXPECT_EQ(model.path(), "/home/me/lotto/b.dat");
    EXPECT_TRUE(model.fileChosen());
    // A directory or root chosen after a file leaves no file chosen.
    EXPECT_FALSE(model.select(3));
    EXPECT_FALSE(model.fileChosen());
    EXPECT_EQ(model.path(), "/home/me/lotto/*.dat");
    EXPECT_FALSE(model.select(99));

    EXPECT_EQ(model.targetOf(2), "/home/me");
    EXPECT_EQ(model.targetOf(3), "/home/me/lotto/sub");
    EXPECT_EQ(model.targetOf(4), "/");
    EXPECT_EQ(model.targetOf(-1), "");
    EXPECT_EQ(model.parentIndex(), 2);

    model.setDirectory(model.targetOf(2));
    EXPECT_TRUE(model.entries().empty());
    EXPECT_EQ(model.pathLine(), "/home/me/*.dat");
}

TEST(FileSelectionModel, FilterLineChangesPatternButKeepsDirectory) {
    FileSelectionModel model("*.wl?", kWheelFilter, 0, "/wheels");
    const std::vector<DirectoryEntry> listing = {
        {"four.wl4", false}, {"five.wl5", false}, {"six.wl6", false}, {"five.WL5", false},
        {"x.dat", false},    {"..", true},        {"more", true}};
    model.setListing(listing, {});
    EXPECT_EQ(texts(model.entries()), (std::vector<std::string>{"five.WL5", "five.wl5", "four.wl4",
                                                                "six.wl6", "[..]", "[more]"}));
    model.select(0);
    model.selectFilter(2);
    EXPECT_EQ(model.filterIndex(), 2);
    EXPECT_FALSE(model.fileChosen());
    EXPECT_EQ(model.pathLine(), "/wheels/*.wl5");
    model.setListing(listing, {});
    EXPECT_EQ(texts(model.entries()),
              (std::vector<std::string>{"five.WL5", "five.wl5", "[..]", "[more]"}));
    EXPECT_EQ(model.openPattern(), "*.wl?");  // descriptions still read wheel headers

    model.selectFilter(7);  // ignored
    EXPECT_EQ(model.filterIndex(), 2);
    FileSelectionModel badIndex("*.dat", "Only *.dat", 5, "/");
    EXPECT_EQ(badIndex.filterIndex(), 0);
    FileSelectionModel noFilter("*.qvt", "", 0, "/t");
    EXPECT_EQ(noFilter.pathLine(), "/t/*.qvt");
}
