#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "items/HugePages.h"

namespace bestitem {

enum class MarkLevel : std::uint8_t { Premium, Valuable, Pickup, Show, Hidden };
enum class MarkScope : std::uint8_t { Selected, All };

enum ItemColumn : int {
    NumberColumn = 0,
    NameColumn = 1,
    PremiumColumn = 2,
    ValuableColumn = 3,
    PickupColumn = 4,
    ShowColumn = 5,
};
inline constexpr int kItemColumnCount = 6;
inline constexpr int kFirstMarkColumn = PremiumColumn;
inline constexpr int kMarkColumnCount = 4;

// "√" in the system code page.
inline constexpr std::string_view kMarkText = "\xA1\xCC";

// Bit k set: mark column 2 + k is set. A level sets its own column and every
// mark column to its right.
std::uint8_t markPattern(MarkLevel level);

// Rows of six byte-text cells: number, name and four marks. Rows are only ever
// appended. A row costs a name slice of one shared arena, its number and its mark
// bits; cells set to texts those cannot hold exactly (a number that is not plain
// decimal, a mark other than "√") are kept aside, so every cell reads back as set.
class ItemTable {
public:
    std::size_t appendRow(std::string_view number, std::string_view name);
    // Appends one row per name, numbered firstNumber, firstNumber + 1, ...
    void appendRows(std::span<const std::string_view> names, std::uint32_t firstNumber = 1);

    std::size_t rowCount() const { return rows_.size(); }

    // Out-of-range rows or columns are ignored on set and read as empty.
    void setCell(std::size_t row, int column, std::string_view text);
    std::string cell(std::size_t row, int column) const;

    std::string_view name(std::size_t row) const;
    // Bit k: mark column 2 + k is not empty.
    std::uint8_t markBits(std::size_t row) const { return marks_[row] & kMarkMask; }

    // Writes the level's pattern into every visited row's four mark cells; rows
    // outside the table are skipped. Selected visits `selectedRows` in the order
    // given, All every row.
    void applyLevel(MarkLevel level, MarkScope scope, std::span<const std::size_t> selectedRows);

    // Bytes held for the table, slack of its containers included.
    std::size_t memoryBytes() const;

    void reserve(std::size_t rows, std::size_t nameBytes);

private:
    static constexpr std::uint8_t kMarkMask = 0x0F;
    static constexpr std::uint8_t kHasCustomCell = 0x10;
    static constexpr std::uint32_t kNoNumber = UINT32_MAX;

    struct Row {
        std::uint64_t nameStart;
        std::uint32_t nameLength;
        std::uint32_t number;  // kNoNumber when cell 0 is kept aside
    };

    static std::uint64_t customKey(std::size_t row, int column) {
        return static_cast<std::uint64_t>(row) * kItemColumnCount + column;
    }
    void setCustomCell(std::size_t row, int column, std::string_view text);
    void dropCustomCell(std::size_t row, int column);
    const std::string* customCell(std::size_t row, int column) const;
    void storeName(Row& row, std::string_view name);
    void writePattern(std::size_t row, std::uint8_t pattern);

    std::basic_string<char, std::char_traits<char>, HugePageAllocator<char>> names_;
    LargeVector<Row> rows_;
    LargeVector<std::uint8_t> marks_;  // mark bits and kHasCustomCell
    std::unordered_map<std::uint64_t, std::string> customCells_;
};

}  // namespace bestitem
