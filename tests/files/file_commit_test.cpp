// Writing files all or nothing, against real file-system faults: special files, links,
// permissions, a nearly full disk, and outputs that must not be replaced.
#include "files/file_commit.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "files/whole_file.h"
#include "tests/files/nearly_full_disk.h"
#include "tests/files/temp_folder.h"

namespace fs = std::filesystem;

namespace {

bool Says(const FileResult& result, const std::string& text) {
    return result.message.find(text) != std::string::npos;
}

}  // namespace

// Until the commit, the new content has no name: a process killed while writing leaves the
// folder as it was. At the commit every file takes its place.
TEST(FileCommit, StagedFilesAppearOnlyAtTheCommit) {
    TempFolder folder;
    WriteBytes(folder / "a.txt", "old a");
    {
        FileCommit commit;
        ASSERT_TRUE(commit.Stage(folder / "a.txt", "new a").ok());
        ASSERT_TRUE(commit.Stage(folder / "b.txt", "new b").ok());
        EXPECT_EQ(folder.EntryCount(), 1);
        EXPECT_EQ(ReadBytes(folder / "a.txt"), "old a");
        ASSERT_TRUE(commit.Commit().ok());
    }
    EXPECT_EQ(ReadBytes(folder / "a.txt"), "new a");
    EXPECT_EQ(ReadBytes(folder / "b.txt"), "new b");
    EXPECT_EQ(folder.EntryCount(), 2);
}

// One output that cannot be written leaves every target as it was and no temporary file.
TEST(FileCommit, AFailedOutputCommitsNone) {
    TempFolder folder;
    WriteBytes(folder / "a.txt", "old a");
    fs::create_directory(folder / "c.txt");
    {
        FileCommit commit;
        ASSERT_TRUE(commit.Stage(folder / "a.txt", "new a").ok());
        ASSERT_TRUE(commit.Stage(folder / "b.txt", "new b").ok());
        EXPECT_FALSE(commit.Stage(folder / "c.txt", "new c").ok());
    }
    EXPECT_EQ(ReadBytes(folder / "a.txt"), "old a");
    EXPECT_FALSE(fs::exists(folder / "b.txt"));
    EXPECT_EQ(folder.EntryCount(), 2);
}

// A target that is no regular file, that the user may not write, that is the input under
// another name or that two outputs share is refused, and stays what it was.
TEST(FileCommit, TargetsThatMustNotBeReplacedAreRefused) {
    TempFolder folder;
    mkfifo((folder / "fifo").c_str(), 0644);
    fs::create_directory(folder / "folder");
    WriteBytes(folder / "readonly.txt", "kept");
    chmod((folder / "readonly.txt").c_str(), 0444);
    WriteBytes(folder / "input.dat", "input");
    fs::create_hard_link(folder / "input.dat", folder / "other-name.dat");
    fs::create_symlink("fifo", folder / "link-to-fifo");
    struct Case {
        std::string path, says;
    } cases[] = {
        {folder / "fifo", "通常のファイルではない"},
        {folder / "link-to-fifo", "通常のファイルではない"},
        {folder / "folder", "通常のファイルではない"},
        {folder / "readonly.txt", "書き込みが許可されていない"},
        {folder / "other-name.dat", "入力の設計条件ファイル"},
        {folder / "twice.txt", "二つの出力"},
        {"", "ファイル名が空"},
        {"-", "標準出力"},
    };
    for (const Case& c : cases) {
        FileCommit commit;
        commit.KeepUnchanged(folder / "input.dat");
        ASSERT_TRUE(commit.Stage(folder / "twice.txt", "first").ok());
        const FileResult result = commit.Stage(c.path, "new");
        EXPECT_EQ(result.status, FileStatus::FileError) << c.path;
        EXPECT_TRUE(Says(result, c.says)) << result.message;
    }
    EXPECT_TRUE(fs::is_fifo(folder / "fifo"));
    EXPECT_TRUE(fs::is_symlink(folder / "link-to-fifo"));
    EXPECT_EQ(ReadBytes(folder / "readonly.txt"), "kept");
    EXPECT_EQ(ReadBytes(folder / "input.dat"), "input");
    EXPECT_EQ(folder.EntryCount(), 6);
}

// A link stays a link: the file it leads to is replaced in its own folder, with its
// permissions, even through a link to a link or one to a file not yet there.
TEST(FileCommit, SymbolicLinksAreFollowedToTheirTarget) {
    TempFolder folder;
    fs::create_directory(folder / "real");
    WriteBytes(folder / "real/out.txt", "old");
    chmod((folder / "real/out.txt").c_str(), 0640);
    fs::create_symlink("real/out.txt", folder / "link");
    fs::create_symlink(folder / "link", folder / "link-to-link");
    fs::create_symlink("real/new.txt", folder / "dangling");
    ASSERT_TRUE(WriteWholeFile(folder / "link-to-link", "new").ok());
    ASSERT_TRUE(WriteWholeFile(folder / "dangling", "created").ok());
    EXPECT_TRUE(fs::is_symlink(folder / "link"));
    EXPECT_TRUE(fs::is_symlink(folder / "link-to-link"));
    EXPECT_EQ(ReadBytes(folder / "real/out.txt"), "new");
    EXPECT_EQ(ReadBytes(folder / "real/new.txt"), "created");
    EXPECT_EQ(fs::status(folder / "real/out.txt").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(folder.EntryCount(), 4);
}

TEST(FileCommit, DashWritesToStandardOutputOnceAtTheCommit) {
    std::ostringstream out;
    FileCommit commit(&out);
    ASSERT_TRUE(commit.Stage("-", "report").ok());
    EXPECT_FALSE(commit.Stage("-", "again").ok());
    EXPECT_EQ(out.str(), "");
    ASSERT_TRUE(commit.Commit().ok());
    EXPECT_EQ(out.str(), "report");
}

// A disk that fills part way: the earlier file stays byte for byte, nothing else is left
// and the message names the file and says the earlier one is kept.
TEST(FileCommit, NearlyFullDiskKeepsTheEarlierFile) {
    TempFolder folder;
    fs::create_directory(folder / "disk");
    NearlyFullDisk disk(folder / "disk");
    const std::string target = folder / "disk/out.bin", earlier(40'000, 'e');
    WriteBytes(target, earlier);
    disk.LeaveFree(60'000);
    const FileResult result = WriteWholeFile(target, std::string(300'000, 'n'));
    EXPECT_EQ(result.status, FileStatus::FileError);
    EXPECT_TRUE(Says(result, target)) << result.message;
    EXPECT_TRUE(Says(result, "元のファイルはそのままです")) << result.message;
    EXPECT_EQ(ReadBytes(target), earlier);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder / "disk"), fs::directory_iterator()),
              1 + disk.OwnEntries());
}
