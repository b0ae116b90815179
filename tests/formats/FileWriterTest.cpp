#include "formats/FileWriter.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "tests/TempDir.h"

namespace bestitem {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

std::size_t entriesIn(const std::filesystem::path& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                  std::filesystem::directory_iterator()));
}

TEST(WriteTextFile, CreatesAndReplacesWholeFiles) {
    TempDir dir;
    const std::string path = dir.file("bestitem.ini");
    const std::string gbk = "Version=20191122\r\n\xB3\xA4\xBD\xA3=1,1,1,1";
    ASSERT_TRUE(writeTextFile(path, gbk).ok);
    EXPECT_EQ(readBytes(path), gbk);
    ASSERT_TRUE(writeTextFile(path, "short").ok);
    EXPECT_EQ(readBytes(path), "short");
    ASSERT_TRUE(writeTextFile(path, "").ok);
    EXPECT_EQ(readBytes(path), "");
    EXPECT_EQ(entriesIn(dir.path()), 1u);  // no temporary file left behind
}

TEST(WriteTextFile, KeepsModeOfExistingFileAndUmaskForNewOnes) {
    TempDir dir;
    const std::string existing = dir.file("old.ini");
    writeBytes(existing, "old");
    ::chmod(existing.c_str(), 0640);
    ASSERT_TRUE(writeTextFile(existing, "new").ok);
    struct stat status {};
    ::stat(existing.c_str(), &status);
    EXPECT_EQ(status.st_mode & 07777, 0640u);

    const mode_t mask = ::umask(022);
    ASSERT_TRUE(writeTextFile(dir.file("new.ini"), "x").ok);
    ::umask(mask);
    ::stat(dir.file("new.ini").c_str(), &status);
    EXPECT_EQ(status.st_mode & 07777, 0644u);
}

TEST(WriteTextFile, WritesThroughASymbolicLink) {
    TempDir dir;
    writeBytes(dir.file("real.ini"), "old");
    std::filesystem::create_symlink(dir.file("real.ini"), dir.file("link.ini"));
    ASSERT_TRUE(writeTextFile(dir.file("link.ini"), "new").ok);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.ini")));
    EXPECT_EQ(readBytes(dir.file("real.ini")), "new");
}

TEST(WriteTextFile, FailuresReturnFalseAndCreateNothing) {
    TempDir dir;
    const std::string missingFolder = dir.file("no/such/folder/bestitem.ini");
    const std::string cases[] = {missingFolder, "/proc/bestitem-new.ini", dir.path().string(),
                                 dir.path().string() + "/", ""};
    for (const std::string& path : cases) {
        const WriteResult result = writeTextFile(path, "Version=1");
        EXPECT_FALSE(result.ok) << path;
        EXPECT_NE(result.error, 0) << path;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("no")));
    EXPECT_EQ(entriesIn(dir.path()), 0u);
}

// A small tmpfs that the test mounts itself; root without the mount capability skips.
class FullDisk : public ::testing::Test {
protected:
    void SetUp() override {
        if (::mount("tmpfs", dir_.path().c_str(), "tmpfs", 0, "size=64k") != 0) {
            GTEST_SKIP() << "SKIPPED: cannot mount a small tmpfs here (" << std::strerror(errno)
                         << "); the full-disk case is not tested";
        }
        mounted_ = true;
    }
    void TearDown() override {
        if (mounted_) {
            ::umount(dir_.path().c_str());
        }
    }
    TempDir dir_;
    bool mounted_ = false;
};

TEST_F(FullDisk, FailedWriteLeavesTheOldFileWhole) {
    const std::string path = dir_.file("bestitem.ini");
    const std::string old = "Version=20191122\r\nSword=1,1,1,1";
    ASSERT_TRUE(writeTextFile(path, old).ok);
    const std::string tooBig(256 * 1024, 'x');
    const WriteResult result = writeTextFile(path, tooBig);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, ENOSPC);
    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(entriesIn(dir_.path()), 1u);

    // Space freed by the failed attempt is usable again.
    EXPECT_TRUE(writeTextFile(path, "Version=1").ok);
    EXPECT_EQ(readBytes(path), "Version=1");
}

}  // namespace
}  // namespace bestitem
