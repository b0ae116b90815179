#include <sys/mount.h>

#include <QLineEdit>
#include <cerrno>
#include <cstring>

#include "shell/Commands.h"
#include "shell/FunctionKeys.h"
#include "shell/WidgetDialogs.h"
#include "tests/shell/ShellFixture.h"

namespace bestitem::testing {
namespace {

using CommandsTest = ShellTest;

const std::string kTwoItems = "1;\xB3\xA4\xBD\xA3;x\r\n2;Shield;y\r\n";

std::vector<std::string> numbers(const ItemTable& table) {
    std::vector<std::string> cells;
    for (std::size_t row = 0; row < table.rowCount(); ++row) {
        cells.push_back(table.cell(row, 0));
    }
    return cells;
}

TEST_F(CommandsTest, LoadingTwiceAppendsNumberedCopiesAndSavesBoth) {
    load(kTwoItems);
    selectRows({0});
    pressKey(1);  // F2 on the first row
    load(kTwoItems);
    EXPECT_EQ(numbers(window.model().table()), (std::vector<std::string>{"1", "2", "1", "2"}));
    EXPECT_EQ(marks(0), "0111");
    EXPECT_EQ(marks(2), "0000");
    EXPECT_EQ(window.list().columnWidth(0), 50);
    EXPECT_EQ(window.pathBox().text().toStdString(), dir.file("export2.txt"));
    EXPECT_EQ(state.chosenPath, dir.file("export2.txt"));
    EXPECT_EQ(state.exportText.names.size(), 2u);

    const std::string target = dir.file("bestitem.ini");
    dialogs.savePaths.push_back(target);
    window.runSaveCommand();
    EXPECT_EQ(readBytes(target),
              "Version=20191122\r\n\xB3\xA4\xBD\xA3=0,1,1,1\r\nShield=0,0,0,0\r\n"
              "\xB3\xA4\xBD\xA3=0,0,0,0\r\nShield=0,0,0,0");
    EXPECT_EQ(dialogs.savedTold, 1);
}

TEST_F(CommandsTest, CancelledOrMissingPathChangesOnlyThePathBox) {
    load(kTwoItems);
    const KeyBindingTable keysBefore = state.keys;
    for (const std::string& path : {std::string(), dir.file("missing.txt"), dir.path().string() + "/"}) {
        dialogs.exportPaths.push_back(path);
        window.runLoadCommand();
        EXPECT_EQ(window.pathBox().text().toStdString(), path);
        EXPECT_EQ(state.chosenPath, path);
        EXPECT_EQ(window.model().rowCount(), 2);
        EXPECT_EQ(state.exportText.names.size(), 2u);
        EXPECT_EQ(state.keys.ids, keysBefore.ids);
    }
}

TEST_F(CommandsTest, FolderAddsNoRowsButBindsKeysAndNarrowsColumn) {
    EXPECT_EQ(window.list().columnWidth(0), 67);
    dialogs.exportPaths.push_back(dir.path().string());
    window.runLoadCommand();
    EXPECT_EQ(window.model().rowCount(), 0);
    EXPECT_EQ(window.list().columnWidth(0), 50);
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(idOfKey(k), keys->grabs[static_cast<std::size_t>(k)].first);
        EXPECT_EQ(keys->grabs[static_cast<std::size_t>(k)].second, 0x70 + k);
    }
}

TEST_F(CommandsTest, SavingAnEmptyTableWritesTheVersionLineAlone) {
    const std::string target = dir.file("bestitem.ini");
    dialogs.savePaths.push_back(target);
    window.runSaveCommand();
    EXPECT_EQ(readBytes(target), "Version=20191122");
    EXPECT_EQ(dialogs.savedTold, 1);
}

TEST_F(CommandsTest, EverySaveStartsWithTheSameDialogSettings) {
    load(kTwoItems);
    dialogs.savePaths = {dir.file("other.ini"), std::nullopt};
    window.runSaveCommand();
    window.runSaveCommand();  // cancelled
    ASSERT_EQ(dialogs.saveSettingsSeen.size(), 2u);
    for (const SaveDialogSettings& settings : dialogs.saveSettingsSeen) {
        EXPECT_EQ(settings.fileName, "bestitem.ini");
        EXPECT_EQ(settings.caption, QString::fromUtf8("保存文件bestitem.ini"));
        EXPECT_EQ(settings.filterDescription, QString::fromUtf8("Quellar客户端极品文件"));
        EXPECT_EQ(settings.filterPattern, "*.ini");
    }
    EXPECT_EQ(dialogs.savedTold, 1);  // the cancel wrote nothing and said nothing
    EXPECT_FALSE(std::filesystem::exists(dir.file("bestitem.ini")));
}

TEST_F(CommandsTest, FailedWriteIsToldAndChangesNothing) {
    load(kTwoItems);
    pressKey(4);
    const std::string target = "/proc/bestitem-cannot-exist.ini";
    dialogs.savePaths.push_back(target);
    window.runSaveCommand();
    EXPECT_EQ(dialogs.savedTold, 0);
    ASSERT_EQ(dialogs.failuresTold.size(), 1u);
    EXPECT_EQ(dialogs.failuresTold[0].first, target);
    EXPECT_NE(dialogs.failuresTold[0].second, 0);
    EXPECT_EQ(marks(0), "1111");
    EXPECT_EQ(window.model().rowCount(), 2);

    const QString text = saveFailureText("/x/bestitem.ini", ENOSPC);
    EXPECT_TRUE(text.contains("/x/bestitem.ini"));
    EXPECT_TRUE(text.contains(QString::fromUtf8("磁盘空间不足")));
}

TEST_F(CommandsTest, FullDiskKeepsTheOldFile) {
    TempDir disk;
    if (::mount("tmpfs", disk.path().c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "SKIPPED: cannot mount a small tmpfs here (" << std::strerror(errno) << ")";
    }
    const std::string target = disk.file("bestitem.ini");
    writeBytes(target, "Version=1");
    std::string big;
    for (int i = 0; i < 8000; ++i) {
        big += std::to_string(i) + ";NameNameName;x\r\n";
    }
    load(big);
    dialogs.savePaths.push_back(target);
    window.runSaveCommand();
    const std::string after = readBytes(target);
    ::umount(disk.path().c_str());
    EXPECT_EQ(after, "Version=1");
    EXPECT_EQ(dialogs.savedTold, 0);
    ASSERT_EQ(dialogs.failuresTold.size(), 1u);
    EXPECT_EQ(dialogs.failuresTold[0].second, ENOSPC);
}

TEST(DirectoryEntryExists, Table) {
    TempDir dir;
    writeBytes(dir.file("items.txt"), "x");
    writeBytes(dir.file("odd[1].txt"), "x");
    const std::pair<std::string, bool> cases[] = {
        {dir.file("items.txt"), true},
        {dir.path().string(), true},
        {dir.path().string() + "/", false},
        {dir.file("*.txt"), true},
        {dir.file("it?ms.txt"), true},
        {dir.file("*.ini"), false},
        {dir.file("odd[1].txt"), true},
        {dir.file("missing.txt"), false},
        {"", false},
        {"/", false},
    };
    for (const auto& [path, exists] : cases) {
        EXPECT_EQ(directoryEntryExists(path), exists) << path;
    }
}

}  // namespace
}  // namespace bestitem::testing
