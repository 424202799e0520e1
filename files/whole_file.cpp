// Whole-file reading with POSIX calls, for their errno; writing is a commit of one file.
#include "files/whole_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "files/file_commit.h"

FileResult ReadWholeFile(const std::string& path, std::string& bytes, std::size_t limit) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return SystemFileError("を開けません。", path, errno);
    std::string content;
    char buffer[65536];
    // One byte beyond the limit tells a file that is too long from one that just fits.
    while (content.size() <= limit) {
        const std::size_t wanted = std::min(sizeof buffer, limit + 1 - content.size());
        const ssize_t n = read(fd, buffer, wanted);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int error = errno;
            close(fd);
            return SystemFileError("を読めません。", path, error);
        }
        if (n == 0) break;
        content.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    if (content.size() > limit)
        return FileResult::Failure(FileStatus::FormatError,
                                   "ファイル「" + path + "」は大きすぎるため読めません（" +
                                       std::to_string(limit) + " バイトまで）。");
    bytes = std::move(content);
    return {};
}

FileResult WriteWholeFile(const std::string& path, const std::string& bytes) {
    FileCommit commit;
    return CommitWhenStaged(commit, commit.Stage(path, bytes));
}
