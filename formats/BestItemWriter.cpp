#include "formats/BestItemWriter.h"

#include <array>
#include <cstring>
#include <ctime>

namespace bestitem {
namespace {

constexpr std::size_t kFlagsSize = 8;  // "=1,0,1,0"

constexpr std::array<std::array<char, kFlagsSize>, 16> makeFlagTexts() {
    std::array<std::array<char, kFlagsSize>, 16> texts{};
    for (unsigned bits = 0; bits < 16; ++bits) {
        auto& text = texts[bits];
        text[0] = '=';
        for (unsigned column = 0; column < 4; ++column) {
            text[1 + 2 * column] = (bits >> column) & 1u ? '1' : '0';
            if (column < 3) {
                text[2 + 2 * column] = ',';
            }
        }
    }
    return texts;
}

constexpr auto kFlagTexts = makeFlagTexts();

}  // namespace

LocalDate currentLocalDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return LocalDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

TextBytes versionLine(LocalDate date) {
    return concatenate(
        {"Version=", numberText(date.year), numberText(date.month), numberText(date.day)});
}

TextBytes buildBestItemText(const ItemTable& table, LocalDate date) {
    const TextBytes version = versionLine(date);
    const std::size_t rows = table.rowCount();
    std::size_t size = version.size() + rows * (2 + kFlagsSize);
    for (std::size_t row = 0; row < rows; ++row) {
        size += table.name(row).size();
    }
    TextBytes text(size, '\0');
    char* out = text.data();
    std::memcpy(out, version.data(), version.size());
    out += version.size();
    for (std::size_t row = 0; row < rows; ++row) {
        const TextView name = table.name(row);
        *out++ = '\r';
        *out++ = '\n';
        std::memcpy(out, name.data(), name.size());
        out += name.size();
        std::memcpy(out, kFlagTexts[table.markBits(row)].data(), kFlagsSize);
        out += kFlagsSize;
    }
    return text;
}

}  // namespace bestitem
