#include "items/ItemTable.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace bestitem {
namespace {

const std::string kMark(kMarkText);

// The four mark cells of a row as "√"/"" texts, in column order.
std::array<std::string, 4> marksOf(const ItemTable& table, std::size_t row) {
    return {table.cell(row, 2), table.cell(row, 3), table.cell(row, 4), table.cell(row, 5)};
}

ItemTable tableOf(std::initializer_list<std::string_view> names) {
    ItemTable table;
    std::vector<std::string_view> list(names);
    table.appendRows(list);
    return table;
}

TEST(ItemTable, AppendedRowsReadBackExactly) {
    ItemTable table;
    EXPECT_EQ(table.rowCount(), 0u);
    EXPECT_EQ(table.appendRow("1", "\xB3\xA4\xBD\xA3"), 0u);
    EXPECT_EQ(table.appendRow("2", ""), 1u);
    table.appendRows(std::vector<std::string_view>{"a=b", "c,d"}, 1);
    ASSERT_EQ(table.rowCount(), 4u);
    EXPECT_EQ(table.cell(0, 0), "1");
    EXPECT_EQ(table.cell(0, 1), "\xB3\xA4\xBD\xA3");
    EXPECT_EQ(table.cell(1, 1), "");
    EXPECT_EQ(table.cell(2, 0), "1");
    EXPECT_EQ(table.cell(3, 0), "2");
    EXPECT_EQ(table.cell(3, 1), "c,d");
    for (std::size_t row = 0; row < 4; ++row) {
        EXPECT_EQ(marksOf(table, row), (std::array<std::string, 4>{}));
    }
}

TEST(ItemTable, CellsHoldAnyText) {
    ItemTable table = tableOf({"Sword"});
    const std::vector<std::pair<int, std::string>> cases = {
        {0, "007"},    {0, "-1"},  {0, "4294967295"}, {0, ""}, {0, "42"},
        {1, "Shield"}, {2, kMark}, {3, "x"},          {4, ""}, {5, "\xA1\xCC\xA1\xCC"},
    };
    for (const auto& [column, text] : cases) {
        table.setCell(0, column, text);
        EXPECT_EQ(table.cell(0, column), text) << "column " << column;
    }
    // Only emptiness counts as a mark.
    EXPECT_EQ(table.markBits(0), 0b1011);
}

TEST(ItemTable, OutOfRangeCellsAreIgnoredAndReadEmpty) {
    ItemTable table = tableOf({"Sword"});
    table.setCell(1, 1, "x");
    table.setCell(0, 6, "x");
    table.setCell(0, -1, "x");
    EXPECT_EQ(table.rowCount(), 1u);
    EXPECT_EQ(table.cell(1, 1), "");
    EXPECT_EQ(table.cell(0, 6), "");
    EXPECT_EQ(table.cell(0, -1), "");
}

TEST(ItemTable, LevelsWriteTheirPatterns) {
    struct Case {
        MarkLevel level;
        std::array<bool, 4> set;
    };
    const Case cases[] = {
        {MarkLevel::Premium, {true, true, true, true}},
        {MarkLevel::Valuable, {false, true, true, true}},
        {MarkLevel::Pickup, {false, false, true, true}},
        {MarkLevel::Show, {false, false, false, true}},
        {MarkLevel::Hidden, {false, false, false, false}},
    };
    for (const Case& c : cases) {
        for (MarkLevel before : {MarkLevel::Premium, MarkLevel::Hidden}) {
            ItemTable table = tableOf({"a", "b", "c"});
            table.applyLevel(before, MarkScope::All, {});
            const std::size_t selected[] = {1};
            table.applyLevel(c.level, MarkScope::Selected, selected);
            table.applyLevel(c.level, MarkScope::Selected, selected);  // idempotent
            std::array<std::string, 4> expected;
            for (int k = 0; k < 4; ++k) {
                expected[k] = c.set[k] ? kMark : "";
            }
            EXPECT_EQ(marksOf(table, 1), expected) << static_cast<int>(c.level);
            // Rows that were not selected keep what they had.
            EXPECT_EQ(marksOf(table, 0), marksOf(table, 2));
            EXPECT_EQ(table.markBits(0), markPattern(before));
            EXPECT_EQ(table.cell(1, 1), "b");
            EXPECT_EQ(table.cell(1, 0), "2");
        }
    }
}

TEST(ItemTable, ValuableAfterPremiumClearsOnlyPremium) {
    ItemTable table = tableOf({"a"});
    table.applyLevel(MarkLevel::Premium, MarkScope::All, {});
    table.applyLevel(MarkLevel::Valuable, MarkScope::All, {});
    EXPECT_EQ(marksOf(table, 0), (std::array<std::string, 4>{"", kMark, kMark, kMark}));
}

TEST(ItemTable, EmptySelectionAndEmptyTableChangeNothing) {
    ItemTable empty;
    empty.applyLevel(MarkLevel::Premium, MarkScope::All, {});
    EXPECT_EQ(empty.rowCount(), 0u);

    ItemTable table = tableOf({"a", "b"});
    table.applyLevel(MarkLevel::Premium, MarkScope::Selected, {});
    EXPECT_EQ(table.markBits(0) | table.markBits(1), 0);
    const std::size_t outside[] = {2, 99};
    table.applyLevel(MarkLevel::Premium, MarkScope::Selected, outside);
    EXPECT_EQ(table.markBits(0) | table.markBits(1), 0);
}

TEST(ItemTable, LevelsReplaceOddMarkTexts) {
    ItemTable table = tableOf({"a", "b"});
    table.setCell(0, 2, "yes");
    table.setCell(1, 5, "on");
    table.applyLevel(MarkLevel::Valuable, MarkScope::All, {});
    EXPECT_EQ(marksOf(table, 0), (std::array<std::string, 4>{"", kMark, kMark, kMark}));
    EXPECT_EQ(marksOf(table, 1), (std::array<std::string, 4>{"", kMark, kMark, kMark}));
}

TEST(ItemTable, LaterRowsStartClearAndLeaveEarlierMarks) {
    ItemTable table = tableOf({"a", "b"});
    table.applyLevel(MarkLevel::Pickup, MarkScope::All, {});
    table.appendRows(std::vector<std::string_view>{"a", "b"});
    EXPECT_EQ(table.markBits(0), markPattern(MarkLevel::Pickup));
    EXPECT_EQ(table.markBits(1), markPattern(MarkLevel::Pickup));
    EXPECT_EQ(table.markBits(2), 0);
    EXPECT_EQ(table.cell(2, 0), "1");
    EXPECT_EQ(table.cell(3, 0), "2");
}

}  // namespace
}  // namespace bestitem
