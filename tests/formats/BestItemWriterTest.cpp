#include "formats/BestItemWriter.h"

#include <gtest/gtest.h>

#include <ctime>
#include <vector>

namespace bestitem {
namespace {

TEST(VersionLine, DigitsWithoutLeadingZeros) {
    const std::pair<LocalDate, std::string> cases[] = {
        {{2019, 11, 22}, "Version=20191122"}, {{2020, 1, 5}, "Version=202015"},
        {{2021, 3, 2}, "Version=202132"},     {{2021, 10, 2}, "Version=2021102"},
        {{2021, 2, 10}, "Version=2021210"},   {{2026, 12, 31}, "Version=20261231"},
    };
    for (const auto& [date, line] : cases) {
        EXPECT_EQ(versionLine(date), line);
    }
}

TEST(CurrentLocalDate, MatchesLocalTime) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const LocalDate date = currentLocalDate();
    // A midnight between the two reads could move the day on; the year cannot jump.
    EXPECT_EQ(date.year, local.tm_year + 1900);
    EXPECT_GE(date.month, 1);
    EXPECT_LE(date.month, 12);
    EXPECT_GE(date.day, 1);
    EXPECT_LE(date.day, 31);
}

TEST(BuildBestItemText, ExactBytes) {
    const LocalDate date{2019, 11, 22};
    ItemTable table;
    EXPECT_EQ(buildBestItemText(table, date), "Version=20191122");

    table.appendRow("1", "Sword");
    table.appendRow("2", "Shield");
    const std::size_t sword[] = {0};
    const std::size_t shield[] = {1};
    table.applyLevel(MarkLevel::Premium, MarkScope::Selected, sword);
    table.applyLevel(MarkLevel::Show, MarkScope::Selected, shield);
    EXPECT_EQ(buildBestItemText(table, date),
              "Version=20191122\r\nSword=1,1,1,1\r\nShield=0,0,0,1");
}

TEST(BuildBestItemText, NamesAreWrittenUnchanged) {
    ItemTable table;
    table.appendRows(std::vector<std::string_view>{"a=b", "c,d", "", "\xB3\xA4\xBD\xA3", "a=b"});
    const std::size_t second[] = {1};
    table.applyLevel(MarkLevel::Valuable, MarkScope::Selected, second);
    table.setCell(2, 4, "anything");  // only emptiness counts
    EXPECT_EQ(buildBestItemText(table, {2020, 1, 5}),
              "Version=202015\r\na=b=0,0,0,0\r\nc,d=0,1,1,1\r\n=0,0,1,0\r\n"
              "\xB3\xA4\xBD\xA3=0,0,0,0\r\na=b=0,0,0,0");
}

}  // namespace
}  // namespace bestitem
