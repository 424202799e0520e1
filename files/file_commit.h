// Every file the program writes goes through a FileCommit: all its outputs are written to
// temporary files first and replace their targets only when every one of them is complete,
// so a failure leaves each earlier file as it was. A single file is a commit of one.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "files/file_result.h"

class FileCommit {
  public:
    // `standardOutput` is where the path "-" writes; without one, "-" is refused.
    explicit FileCommit(std::ostream* standardOutput = nullptr);
    // Whatever was staged and not committed is discarded.
    ~FileCommit();
    FileCommit(const FileCommit&) = delete;
    FileCommit& operator=(const FileCommit&) = delete;

    // A file that no output of this commit may replace, under any of its names (the input).
    void KeepUnchanged(const std::string& path);

    // Writes the bytes to a temporary file beside the target, checked to the last byte, and
    // keeps it for the commit. A symbolic link is followed: its target is replaced. Refused
    // with a message: an empty path, a target that is no regular file, one the user may not
    // write, one kept unchanged, and a second output to the same file.
    FileResult Stage(const std::string& path, std::string_view bytes);

    // Puts every staged file in place of its target, or none when one cannot be. A commit
    // is made once.
    FileResult Commit();

    // Whether an output was staged for standard output.
    bool WritesStandardOutput() const { return standardTaken_; }

  private:
    struct Staged;
    std::ostream* standardOutput_;
    bool standardTaken_ = false;
    std::string standardBytes_;
    std::vector<std::unique_ptr<Staged>> staged_;
    struct Identity {
        unsigned long long device, inode;
    };
    std::vector<Identity> unchanged_;
};

// What a writer that stages into a commit of its own returns: the commit's outcome when the
// staging succeeded.
inline FileResult CommitWhenStaged(FileCommit& commit, const FileResult& staged) {
    return staged.ok() ? commit.Commit() : staged;
}
