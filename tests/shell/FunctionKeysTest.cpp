#include "shell/FunctionKeys.h"

#include "shell/x11/X11GlobalKeys.h"
#include "tests/shell/ShellFixture.h"

namespace bestitem::testing {
namespace {

using FunctionKeysTest = ShellTest;

TEST(KeyActionFor, TableOfKeys) {
    KeyBindingTable table;
    for (int k = 0; k < 9; ++k) {
        table.ids[static_cast<std::size_t>(k)] = 33001 + k;
    }
    const std::pair<MarkLevel, MarkScope> expected[] = {
        {MarkLevel::Premium, MarkScope::Selected}, {MarkLevel::Valuable, MarkScope::Selected},
        {MarkLevel::Pickup, MarkScope::Selected},  {MarkLevel::Show, MarkScope::Selected},
        {MarkLevel::Premium, MarkScope::All},      {MarkLevel::Valuable, MarkScope::All},
        {MarkLevel::Pickup, MarkScope::All},       {MarkLevel::Show, MarkScope::All},
        {MarkLevel::Hidden, MarkScope::Selected},
    };
    for (int k = 0; k < 9; ++k) {
        const auto action = keyActionFor(table, 33001 + k);
        ASSERT_TRUE(action) << k;
        EXPECT_EQ(action->level, expected[k].first) << k;
        EXPECT_EQ(action->scope, expected[k].second) << k;
    }
    EXPECT_FALSE(keyActionFor(table, 33010));
    EXPECT_FALSE(keyActionFor(table, 0));
    // The first equal entry decides.
    table.ids[4] = table.ids[1];
    EXPECT_EQ(keyActionFor(table, table.ids[1])->scope, MarkScope::Selected);
}

TEST_F(FunctionKeysTest, IdentifiersCountEveryRequest) {
    keys->refusedVirtualKeys = {0x72};  // F3 held by another program
    load("1;A;x");
    const HotKeyId first = idOfKey(0);
    EXPECT_GT(first, 33000);
    EXPECT_EQ(idOfKey(1), first + 1);
    EXPECT_EQ(idOfKey(2), 0);  // refused, but its number is used up
    EXPECT_EQ(idOfKey(3), first + 3);
    EXPECT_EQ(idOfKey(8), first + 8);
}

TEST_F(FunctionKeysTest, KeysMarkAsTheirCaptionsSay) {
    pressKey(4);  // nothing bound yet: nothing happens
    load("1;A;x\r\n2;B;y\r\n3;C;z");
    EXPECT_EQ(marks(0), "0000");

    pressKey(0);  // F1 with nothing selected
    EXPECT_EQ(marks(0) + marks(1) + marks(2), "000000000000");

    selectRows({0, 2});
    pressKey(1);  // F2
    pressKey(0);  // then F1
    EXPECT_EQ(marks(0), "1111");
    EXPECT_EQ(marks(1), "0000");
    EXPECT_EQ(marks(2), "1111");
    pressKey(8);  // F9 clears the selected rows only
    EXPECT_EQ(marks(0), "0000");
    EXPECT_EQ(marks(2), "0000");

    pressKey(6);  // F7: all rows pick up
    EXPECT_EQ(marks(0) + marks(1) + marks(2), "001100110011");
    selectRows({1});
    pressKey(3);  // F4
    EXPECT_EQ(marks(1), "0001");
    keys->press(12345);  // unknown identifier
    EXPECT_EQ(marks(1), "0001");
}

TEST_F(FunctionKeysTest, KeysStillWorkAfterASecondLoad) {
    load("1;A;x");
    const KeyBindingTable first = state.keys;
    load("1;B;y");
    EXPECT_EQ(state.keys.ids, first.ids);
    EXPECT_EQ(keys->grabs.size(), 9u);  // bound once
    selectRows({1});
    pressKey(0);
    EXPECT_EQ(marks(0), "0000");
    EXPECT_EQ(marks(1), "1111");
    pressKey(7);
    EXPECT_EQ(marks(0), "0001");
}

TEST_F(FunctionKeysTest, ALaterLoadRetriesRefusedKeys) {
    keys->refusedVirtualKeys = {0x70};
    load("1;A;x");
    EXPECT_EQ(idOfKey(0), 0);
    keys->refusedVirtualKeys.clear();
    load("1;B;y");
    EXPECT_NE(idOfKey(0), 0);
    selectRows({0});
    pressKey(0);
    EXPECT_EQ(marks(0), "1111");
}

TEST(X11GlobalKeys, LockVariants) {
    using Variants = std::vector<std::uint16_t>;
    EXPECT_EQ(X11GlobalKeys::lockVariants(0x10), (Variants{0, 0x02, 0x10, 0x12}));
    EXPECT_EQ(X11GlobalKeys::lockVariants(0x08), (Variants{0, 0x02, 0x08, 0x0A}));
    EXPECT_EQ(X11GlobalKeys::lockVariants(0), (Variants{0, 0x02}));
}

}  // namespace
}  // namespace bestitem::testing
