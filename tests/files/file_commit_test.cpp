// Writing files all or nothing, against real file-system faults: special files, links,
// permissions, a nearly full disk, and outputs that must not be replaced.
#include "files/file_commit.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
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

// Between the staging and the commit a target turns into a folder: the commit fails on it,
// and a target replaced before it is put back, so that every target is what it was.
TEST(FileCommit, ATargetThatTurnsIntoAFolderBeforeTheCommitLeavesEveryTargetAsItWas) {
    for (const bool existed : {true, false}) {
        SCOPED_TRACE(existed ? "target existed" : "new target");
        TempFolder folder;
        WriteBytes(folder / "A.txt", "old A");
        if (existed) WriteBytes(folder / "B.json", "old B");
        {
            FileCommit commit;
            ASSERT_TRUE(commit.Stage(folder / "A.txt", "new A").ok());
            ASSERT_TRUE(commit.Stage(folder / "B.json", "new B").ok());
            ASSERT_TRUE(commit.Stage(folder / "C.pdf", "new C").ok());
            fs::remove(folder / "B.json");
            fs::create_directory(folder / "B.json");
            const FileResult result = commit.Commit();
            EXPECT_EQ(result.status, FileStatus::FileError);
            EXPECT_TRUE(Says(result, folder / "B.json")) << result.message;
        }
        EXPECT_EQ(ReadBytes(folder / "A.txt"), "old A");
        EXPECT_TRUE(fs::is_directory(folder / "B.json"));
        EXPECT_FALSE(fs::exists(folder / "C.pdf"));
        EXPECT_EQ(folder.EntryCount(), 2);
    }
}

// Standard output is written first at the commit; when it cannot be, no file is replaced.
TEST(FileCommit, StandardOutputThatFailsCommitsNothing) {
    TempFolder folder;
    WriteBytes(folder / "a.txt", "old a");
    std::ostringstream out;
    out.setstate(std::ios::badbit);  // as a pipe whose reader has gone
    {
        FileCommit commit(&out);
        ASSERT_TRUE(commit.Stage(folder / "a.txt", "new a").ok());
        ASSERT_TRUE(commit.Stage("-", "report").ok());
        const FileResult result = commit.Commit();
        EXPECT_TRUE(Says(result, "標準出力に書き出せません")) << result.message;
    }
    EXPECT_EQ(ReadBytes(folder / "a.txt"), "old a");
    EXPECT_EQ(folder.EntryCount(), 1);
}

// A name of up to 255 bytes is written, over an earlier file too, though the temporary
// names beside it are longer; a longer one is refused alone with the reason.
TEST(FileCommit, NamesUpToTheLimitAreWrittenLongerOnesRefusedWithTheReason) {
    TempFolder folder;
    const std::string longest = folder / (std::string(246, 'n') + "üabc.txt");  // 255 bytes
    const std::string tooLong = folder / (std::string(252, 'n') + ".txt");
    WriteBytes(longest, "old");
    FileCommit commit;
    ASSERT_TRUE(commit.Stage(longest, "new").ok());
    ASSERT_TRUE(commit.Stage(folder / (std::string(251, 'm') + ".txt"), "created").ok());
    const FileResult refused = commit.Stage(tooLong, "x");
    EXPECT_EQ(refused.status, FileStatus::FileError);
    EXPECT_TRUE(Says(refused, "名前が長すぎる（一つの名前は 255 バイトまで）")) << refused.message;
    ASSERT_TRUE(commit.Commit().ok());
    EXPECT_EQ(ReadBytes(longest), "new");
    EXPECT_EQ(folder.EntryCount(), 2);
}

// Cancelled while staging or before the commit: nothing is written and nothing is left.
TEST(FileCommit, CancelledBeforeTheCommitWritesNothing) {
    TempFolder folder;
    WriteBytes(folder / "a.txt", "old a");
    std::atomic<bool> cancel{false};
    std::ostringstream out;
    {
        FileCommit commit(&out, &cancel);
        ASSERT_TRUE(commit.Stage(folder / "a.txt", "new a").ok());
        ASSERT_TRUE(commit.Stage("-", "report").ok());
        cancel = true;
        EXPECT_EQ(commit.Commit().status, FileStatus::Interrupted);
    }
    {
        FileCommit commit(&out, &cancel);
        const FileResult staged =
            commit.Stage(folder / "b.txt", [](const FileCommit::Pieces& write) {
                for (int k = 0; k < 1000 && write("piece"); ++k) {
                }
            });
        EXPECT_EQ(staged.status, FileStatus::Interrupted);
    }
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(ReadBytes(folder / "a.txt"), "old a");
    EXPECT_EQ(folder.EntryCount(), 1);
}
