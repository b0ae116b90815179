#include "items/ItemTable.h"

#include <charconv>
#include <limits>

namespace bestitem {
namespace {

// The number a plain decimal text stands for, when the number reads back as the
// same bytes.
bool parsePlainNumber(std::string_view text, std::uint32_t& number) {
    if (text.empty() || text.size() > 10 || (text.size() > 1 && text.front() == '0')) {
        return false;
    }
    const auto result = std::from_chars(text.data(), text.data() + text.size(), number);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

std::string decimal(std::uint32_t number) {
    char digits[12];
    const auto result = std::to_chars(std::begin(digits), std::end(digits), number);
    return std::string(digits, result.ptr);
}

}  // namespace

std::uint8_t markPattern(MarkLevel level) {
    switch (level) {
        case MarkLevel::Premium:
            return 0b1111;
        case MarkLevel::Valuable:
            return 0b1110;
        case MarkLevel::Pickup:
            return 0b1100;
        case MarkLevel::Show:
            return 0b1000;
        case MarkLevel::Hidden:
            return 0b0000;
    }
    return 0;
}

void ItemTable::reserve(std::size_t rows, std::size_t nameBytes) {
    rows_.reserve(rows);
    marks_.reserve(rows);
    names_.reserve(nameBytes);
}

void ItemTable::storeName(Row& row, std::string_view name) {
    row.nameStart = names_.size();
    row.nameLength = static_cast<std::uint32_t>(name.size());
    names_.append(name);
}

std::size_t ItemTable::appendRow(std::string_view number, std::string_view name) {
    const std::size_t index = rows_.size();
    rows_.push_back(Row{0, 0, kNoNumber});
    marks_.push_back(0);
    setCell(index, NumberColumn, number);
    setCell(index, NameColumn, name);
    return index;
}

void ItemTable::appendRows(std::span<const std::string_view> names, std::uint32_t firstNumber) {
    std::size_t nameBytes = 0;
    for (std::string_view name : names) {
        nameBytes += name.size();
    }
    reserve(rows_.size() + names.size(), names_.size() + nameBytes);
    std::uint32_t number = firstNumber;
    for (std::string_view name : names) {
        if (number == kNoNumber || name.size() > std::numeric_limits<std::uint32_t>::max()) {
            appendRow(decimal(number), name);
        } else {
            Row row{0, 0, number};
            storeName(row, name);
            rows_.push_back(row);
            marks_.push_back(0);
        }
        ++number;
    }
}

void ItemTable::setCustomCell(std::size_t row, int column, std::string_view text) {
    customCells_[customKey(row, column)] = std::string(text);
    marks_[row] |= kHasCustomCell;
}

void ItemTable::dropCustomCell(std::size_t row, int column) {
    if ((marks_[row] & kHasCustomCell) != 0) {
        customCells_.erase(customKey(row, column));
    }
}

const std::string* ItemTable::customCell(std::size_t row, int column) const {
    if ((marks_[row] & kHasCustomCell) == 0) {
        return nullptr;
    }
    const auto found = customCells_.find(customKey(row, column));
    return found == customCells_.end() ? nullptr : &found->second;
}

void ItemTable::setCell(std::size_t row, int column, std::string_view text) {
    if (row >= rows_.size() || column < 0 || column >= kItemColumnCount) {
        return;
    }
    dropCustomCell(row, column);
    Row& target = rows_[row];
    if (column == NumberColumn) {
        if (!parsePlainNumber(text, target.number) || target.number == kNoNumber) {
            target.number = kNoNumber;
            setCustomCell(row, column, text);
        }
    } else if (column == NameColumn) {
        if (text.size() > std::numeric_limits<std::uint32_t>::max()) {
            setCustomCell(row, column, text);
        } else {
            storeName(target, text);
        }
    } else {
        const auto bit = static_cast<std::uint8_t>(1u << (column - kFirstMarkColumn));
        if (text.empty()) {
            marks_[row] &= static_cast<std::uint8_t>(~bit);
        } else {
            marks_[row] |= bit;
            if (text != kMarkText) {
                setCustomCell(row, column, text);
            }
        }
    }
}

std::string ItemTable::cell(std::size_t row, int column) const {
    if (row >= rows_.size() || column < 0 || column >= kItemColumnCount) {
        return {};
    }
    if (const std::string* custom = customCell(row, column)) {
        return *custom;
    }
    switch (column) {
        case NumberColumn:
            return rows_[row].number == kNoNumber ? std::string() : decimal(rows_[row].number);
        case NameColumn:
            return std::string(name(row));
        default:
            return (marks_[row] & (1u << (column - kFirstMarkColumn))) != 0 ? std::string(kMarkText)
                                                                            : std::string();
    }
}

std::string_view ItemTable::name(std::size_t row) const {
    if (const std::string* custom = customCell(row, NameColumn)) {
        return *custom;
    }
    return std::string_view(names_).substr(rows_[row].nameStart, rows_[row].nameLength);
}

void ItemTable::writePattern(std::size_t row, std::uint8_t pattern) {
    if ((marks_[row] & kHasCustomCell) != 0) {
        for (int column = kFirstMarkColumn; column < kItemColumnCount; ++column) {
            dropCustomCell(row, column);
        }
    }
    marks_[row] = static_cast<std::uint8_t>((marks_[row] & ~kMarkMask) | pattern);
}

void ItemTable::applyLevel(MarkLevel level, MarkScope scope,
                           std::span<const std::size_t> selectedRows) {
    const std::uint8_t pattern = markPattern(level);
    if (scope == MarkScope::Selected) {
        for (std::size_t row : selectedRows) {
            if (row < rows_.size()) {
                writePattern(row, pattern);
            }
        }
        return;
    }
    if (customCells_.empty()) {
        for (std::uint8_t& bits : marks_) {
            bits = static_cast<std::uint8_t>((bits & ~kMarkMask) | pattern);
        }
        return;
    }
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        writePattern(row, pattern);
    }
}

std::size_t ItemTable::memoryBytes() const {
    return names_.capacity() + rows_.capacity() * sizeof(Row) + marks_.capacity() +
           customCells_.size() * (sizeof(std::string) + 3 * sizeof(void*)) +
           customCells_.bucket_count() * sizeof(void*);
}

}  // namespace bestitem
