// Every file the program writes goes through a FileCommit: all its outputs are written to
// temporary files first and replace their targets only when every one of them is complete,
// so a failure leaves each earlier file as it was. A single file is a commit of one.
#pragma once

#include <atomic>
#include <cstdio>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "files/file_result.h"

class FileCommit {
  public:
    // `standardOutput` is where the path "-" writes; without one, "-" is refused. Once
    // `cancel` is set, staging stops and the commit writes nothing (FileStatus::Interrupted),
    // until the commit has begun to replace targets; from then on it runs to its end.
    explicit FileCommit(std::ostream* standardOutput = nullptr,
                        const std::atomic<bool>* cancel = nullptr);
    // Whatever was staged and not committed is discarded.
    ~FileCommit();
    FileCommit(const FileCommit&) = delete;
    FileCommit& operator=(const FileCommit&) = delete;

    // A file that no output of this commit may replace, under any of its names (the input).
    void KeepUnchanged(const std::string& path);

    // Writes the bytes to a temporary file beside the target, checked to the last byte, and
    // keeps it for the commit. A symbolic link is followed: its target is replaced. Refused
    // with a message: an empty path, a name too long for the file system, a target that is
    // no regular file, one the user may not write, one kept unchanged, and a second output
    // to the same file.
    FileResult Stage(const std::string& path, std::string_view bytes);

    // Takes one piece of an output; false once the output can no longer be written (a write
    // failed, or the commit was cancelled), after which the maker should stop.
    using Pieces = std::function<bool(std::string_view piece)>;
    // The same for an output made piece by piece, so that it is never held whole in memory.
    FileResult Stage(const std::string& path, const std::function<void(const Pieces&)>& make);

    // Puts every staged file in place of its target, or none when one cannot be: a target
    // replaced before another failed is put back. Standard output is written first, since
    // what reaches it cannot be taken back. A commit is made once.
    FileResult Commit();

    // Whether an output was staged for standard output.
    bool WritesStandardOutput() const { return standardTaken_; }

  private:
    struct Staged;
    bool Cancelled() const { return cancel_ && cancel_->load(std::memory_order_relaxed); }
    FileResult StageStandardOutput(const std::function<void(const Pieces&)>& make);
    FileResult CopyToStandardOutput();
    FileResult PutInPlace();

    std::ostream* standardOutput_;
    const std::atomic<bool>* cancel_;
    bool standardTaken_ = false;
    std::FILE* standardFile_ = nullptr;  // what "-" writes, unnamed until the commit
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
