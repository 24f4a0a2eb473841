// My Numbers lists: the 404-byte file, damaged files, and the editor's boxes.

#include <gtest/gtest.h>

#include "core/options/number_list.h"
#include "core/util/file_io.h"
#include "test_support.h"

namespace qv {
namespace {

using test::put32;

Bytes listFile(long long count, std::initializer_list<long long> numbers,
               std::size_t places = 100) {
    Bytes b;
    put32(b, count);
    std::size_t k = 0;
    for (long long n : numbers) {
        put32(b, n);
        ++k;
    }
    for (; k < places; ++k) put32(b, 0);
    return b;
}

TEST(NumberList, CheckingThreeNumbersAndUncheckingOne) {
    NumberListEditor editor;
    EXPECT_TRUE(editor.toggle(3));
    EXPECT_TRUE(editor.toggle(17));
    EXPECT_TRUE(editor.toggle(42));
    EXPECT_EQ(numberListBytes(editor.numbers()), listFile(3, {3, 17, 42}));
    EXPECT_EQ(numberListBytes(editor.numbers()).size(), 404u);
    EXPECT_FALSE(editor.toggle(17));
    EXPECT_FALSE(editor.isChecked(17));
    EXPECT_EQ(numberListBytes(editor.numbers()), listFile(2, {3, 42}));
    EXPECT_FALSE(editor.toggle(0));
    EXPECT_FALSE(editor.toggle(101));
    editor.clearAll();
    EXPECT_TRUE(editor.numbers().empty());
    // Every number may be in a list.
    for (int n = 1; n <= 100; ++n) editor.toggle(n);
    EXPECT_EQ(editor.numbers().size(), 100u);
}

TEST(NumberList, SaveAndLoad) {
    test::TempDir dir;
    const std::string path = dir.file("mine.lst");
    ASSERT_TRUE(saveNumberList(path, {9, 8, 7}));
    EXPECT_EQ(readWholeFile(path).value(), listFile(3, {9, 8, 7}));
    std::vector<int> numbers = {1};
    ASSERT_TRUE(loadNumberList(path, numbers));
    EXPECT_EQ(numbers, (std::vector<int>{9, 8, 7}));
    EXPECT_FALSE(loadNumberList(dir.file("none.lst"), numbers));
    EXPECT_EQ(numbers, (std::vector<int>{9, 8, 7}));
}

struct DamagedCase {
    const char* name;
    Bytes data;
    std::vector<int> previous;
    std::vector<int> expected;
};

class NumberListReader : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(NumberListReader, Reads) {
    const DamagedCase& c = GetParam();
    EXPECT_EQ(numberListFromBytes(c.data, c.previous), c.expected);
}

Bytes shortFile(long long count, std::initializer_list<long long> numbers) {
    return listFile(count, numbers, numbers.size());
}

INSTANTIATE_TEST_SUITE_P(
    Files, NumberListReader,
    ::testing::Values(
        DamagedCase{"whole", listFile(2, {5, 6}), {}, {5, 6}},
        DamagedCase{"countAbove100", listFile(250, {5, 6}), {}, {5, 6}},
        DamagedCase{"negativeCount", listFile(-4, {5, 6}), {}, {}},
        DamagedCase{"numbersOutOfRangeDropped", listFile(5, {0, 101, 7, -3, 8}), {}, {7, 8}},
        DamagedCase{"repeatsDropped", listFile(4, {7, 8, 7, 9}), {}, {7, 8, 9}},
        // A short file fills what it holds; the rest keeps the list in memory.
        DamagedCase{"shortFile", shortFile(4, {20, 21}), {1, 2, 3, 4}, {20, 21, 3, 4}},
        DamagedCase{"shortFileOfSmallerCount", shortFile(1, {20}), {1, 2, 3, 4}, {20}},
        DamagedCase{"empty", Bytes{}, {1, 2}, {1, 2}},
        DamagedCase{"partialNumber", Bytes{1, 0, 0, 0, 9, 0}, {4}, {4}}),
    [](const ::testing::TestParamInfo<DamagedCase>& i) { return std::string(i.param.name); });

TEST(NumberList, Caption) {
    EXPECT_EQ(numberListCaption("C:\\lists\\mine.lst"), "Edit Numbers for mine.lst");
    EXPECT_EQ(numberListCaption("/home/me/fav.lst"), "Edit Numbers for fav.lst");
    EXPECT_EQ(numberListCaption("New List"), "Edit Numbers for New List");
}

}  // namespace
}  // namespace qv
