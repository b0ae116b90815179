#include "formats/TextBytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bestitem {
namespace {

using namespace std::string_literals;

struct FindCase {
    std::string text;
    std::string search;
    std::optional<std::int64_t> start;
    std::int64_t expected;
};

TEST(FindText, Table) {
    const FindCase cases[] = {
        {"1;Sword;x", ";", {}, 2},
        {"1;Sword;x", ";", 3, 8},
        {"1;Sword;x", ";", 10, -1},
        {"1;Sword;x", ";", 9, -1},  // the last byte is not a ";"
        {"1;Sword;x", ";", 1, 2},
        {"1;Sword;x", ";", 0, 2},
        {"1;Sword;x", ";", -5, 2},
        {"abc", "", 3, 1},  // an empty search gives 1, not the start
        {"abc", "", {}, 1},
        {"abc", "", 4, -1},
        {"", "", {}, -1},
        {"", "a", {}, -1},
        {"abc", "abcd", {}, -1},  // would run past the end
        {"abcabc", "bc", 3, 5},
        {"ABC", "b", {}, -1},  // case-sensitive
        // A two-byte character before ";" does not hide it.
        {"\xB3\xA4;x", ";", {}, 3},
        // An odd run of high bytes swallows the ";" (a UTF-8 three-byte character).
        {"\xE5\x89\x91;x;", ";", {}, 6},
        {"\xE5\x89\x91;", ";", {}, -1},
        // Pairing starts at the scanned region, not at the start of the text.
        {"\xB3\xA4;x", ";", 2, -1},
        {"a\xB3;", ";", 2, -1},
        {"a\xB3;", ";", 3, 3},
        // The second byte of a pair is never a match start, even when it would match.
        {"\xB3"
         "ab",
         "ab",
         {},
         -1},
        {"\xB3"
         "aab",
         "ab",
         {},
         3},
        // A high byte at the very end ends the scan.
        {"ab\xB3", "\xB3", {}, 3},
        {"\xA1\xCC\xA1\xCC", "\xCC\xA1", {}, -1},
        {"\xA1\xCC\xA1\xCC", "\xA1\xCC", 3, 3},
    };
    for (const FindCase& c : cases) {
        EXPECT_EQ(findText(c.text, c.search, c.start), c.expected)
            << "text '" << c.text << "' search '" << c.search << "' start "
            << (c.start ? std::to_string(*c.start) : "none");
    }
}

TEST(MidText, Table) {
    struct Case {
        std::int64_t start;
        std::int64_t length;
        std::string expected;
    };
    const Case cases[] = {
        {0, 2, ""},  {4, 1, ""},  {1, 0, ""},  {2, 9, "bc"},          {1, 3, "abc"},
        {3, 1, "c"}, {-1, 5, ""}, {2, -1, ""}, {1, INT64_MAX, "abc"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(midText("abc", c.start, c.length), c.expected) << c.start << "," << c.length;
    }
    EXPECT_EQ(midText("\xB3\xA4", 2, 1), "\xA4");  // byte-wise, may cut a character
}

TEST(SplitText, Table) {
    struct Case {
        std::string text;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"\r\na", {"", "a"}},
        {"\r\n", {""}},
        {"\r\n\r\n", {"", ""}},
        {"a\rb\nc", {"a\rb\nc"}},
        {"a\r\r\nb", {"a\r", "b"}},
        // A high byte right before CR LF swallows the CR.
        {"a\xB3\r\nb", {"a\xB3\r\nb"}},
        {"a\xB3\xA4\r\nb", {"a\xB3\xA4", "b"}},
        {"\xB3\r\n\r\nb", {"\xB3\r\n", "b"}},
        {"a\xB3", {"a\xB3"}},
    };
    for (const Case& c : cases) {
        const TextList members = splitText(c.text, "\r\n");
        EXPECT_EQ(std::vector<std::string>(members.begin(), members.end()), c.expected)
            << "text '" << c.text << "'";
    }
    EXPECT_EQ(splitText("a;;b", ";").size(), 3u);
    EXPECT_EQ(splitText("abc", "").size(), 1u);  // no endless loop
}

TEST(NumberText, Table) {
    EXPECT_EQ(numberText(7), "7");
    EXPECT_EQ(numberText(2019), "2019");
    EXPECT_EQ(numberText(-1), "-1");
    EXPECT_EQ(numberText(0), "0");
    EXPECT_EQ(numberText(INT64_MIN), "-9223372036854775808");
}

TEST(TextBytes, FromAndToBytes) {
    const std::string withNul = "ab\0cd"s;
    EXPECT_EQ(textFromBytes(withNul), "ab");
    EXPECT_EQ(textFromBytes(std::string_view("abc")), "abc");
    EXPECT_EQ(textFromBytes(std::span<const char>()), "");
    EXPECT_EQ(textFromBytes("\0abc"s), "");
    EXPECT_EQ(bytesFromText("a\xB3"), (std::vector<char>{'a', '\xB3'}));
    EXPECT_TRUE(bytesFromText("").empty());
    EXPECT_EQ(concatenate({"Version=", "2019", "", "11"}), "Version=201911");
    EXPECT_TRUE(isEmpty(""));
    EXPECT_FALSE(isEmpty(" "));
}

}  // namespace
}  // namespace bestitem
