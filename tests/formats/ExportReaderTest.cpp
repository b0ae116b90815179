#include "formats/ExportReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/TempDir.h"

namespace bestitem {
namespace {

using namespace std::string_literals;
using testing::TempDir;
using testing::writeBytes;

std::vector<std::string> strings(const TextList& views) {
    return std::vector<std::string>(views.begin(), views.end());
}

TEST(NameOfRecord, Table) {
    const std::pair<std::string, std::string> cases[] = {
        {"1;Sword;x", "Sword"},
        {";Sword;x", "Sword"},
        {"1;Sword", ""},
        {"1;;x", ""},
        {"Sword", ""},
        {"", ""},
        {"1; Sword ;x", " Sword "},
        {"1;\xB3\xA4\xBD\xA3;x", "\xB3\xA4\xBD\xA3"},
        // The ";" after an odd run of high bytes is hidden: the name runs to the next one.
        {"1;\xE5\x89\x91;x;y", "\xE5\x89\x91;x"},
        {"1\xE5;a;b;c", "b"},
        {"1;a\nb;c", "a\nb"},
    };
    for (const auto& [record, name] : cases) {
        EXPECT_EQ(nameOfRecord(record), name) << "record '" << record << "'";
    }
}

struct FileCase {
    const char* title;
    std::string bytes;
    std::vector<std::string> names;
};

TEST(ReadExport, GbkFixtures) {
    const FileCase cases[] = {
        {"two records and a final CR LF", "1;A;x\r\n2;B;y\r\n", {"A", "B"}},
        {"empty line between records", "1;A;x\r\n\r\n2;B;y", {"A", "", "B"}},
        {"LF-only file is one record", "1;A\n2;B;y\n3;C;z\n", {"A\n2"}},
        {"NUL after the first record",
         "1;A;x\r\n\0"
         "2;B;y\r\n"s,
         {"A"}},
        {"NUL at the start",
         "\0"
         "1;A;x"s,
         {}},
        {"two-byte characters before ;",
         "1;\xB3\xA4\xBD\xA3;x\r\n2;\xB6\xDC\xC5\xC6;y",
         {"\xB3\xA4\xBD\xA3", "\xB6\xDC\xC5\xC6"}},
        {"odd high run before ;", "1;\xE5\x89\x91;x;y\r\n2;B;z", {"\xE5\x89\x91;x", "B"}},
        {"odd high run before CR LF joins the records", "1;A;x\xB3\r\n2;B;y", {"A"}},
        {"empty file", "", {}},
        {"header line is a record", "id;name;price\r\n1;A;2", {"name", "A"}},
    };
    TempDir dir;
    for (const FileCase& c : cases) {
        const std::string path = dir.file("export.txt");
        writeBytes(path, c.bytes);
        const ExportText read = readExport(path);
        EXPECT_EQ(strings(read.names), c.names) << c.title;
        EXPECT_EQ(read.records.size(), read.names.size()) << c.title;
        EXPECT_EQ(read.text, TextView(c.bytes).substr(0, c.bytes.find('\0'))) << c.title;
    }
}

TEST(ReadExport, RecordsAreTheCrLfSplit) {
    TempDir dir;
    writeBytes(dir.file("e.txt"), "1;A;x\r\n\r\n2;B\r\n");
    const ExportText read = readExport(dir.file("e.txt"));
    EXPECT_EQ(strings(read.records), (std::vector<std::string>{"1;A;x", "", "2;B"}));
    EXPECT_EQ(strings(read.names), (std::vector<std::string>{"A", "", ""}));
}

TEST(ReadExport, FailuresReadAsEmpty) {
    TempDir dir;
    for (const std::string& path : {dir.file("missing.txt"), dir.path().string(), ""s}) {
        const ExportText read = readExport(path);
        EXPECT_TRUE(read.text.empty()) << path;
        EXPECT_TRUE(read.records.empty()) << path;
        EXPECT_TRUE(read.names.empty()) << path;
    }
}

TEST(ReadExport, ViewsSurviveAMove) {
    TempDir dir;
    std::string big(3 << 20, 'x');  // large enough for the huge-page path
    big += "\r\n1;Big;y";
    writeBytes(dir.file("big.txt"), big);
    ExportText read = readExport(dir.file("big.txt"));
    ExportText moved = std::move(read);
    ASSERT_EQ(moved.names.size(), 2u);
    EXPECT_EQ(moved.names[1], "Big");
    EXPECT_EQ(moved.text.size(), big.size());
}

}  // namespace
}  // namespace bestitem
