// Whole-file reading and replace-on-completion writing with POSIX calls, for their errno.
#include "files/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace {

FileResult Failed(const std::string& what, const std::string& path, int error) {
    return FileResult::Failure(FileStatus::FileError, "ファイル「" + path + "」" + what + "（" +
                                                          std::strerror(error) + "）");
}

// Permissions of the file that is replaced, or those a newly created file would get.
mode_t TargetMode(const std::string& target) {
    struct stat info;
    if (stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return info.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// The file a path names, through a symbolic link, so that the link stays a link.
std::string ResolvedTarget(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error)) return path;
    const auto target = std::filesystem::weakly_canonical(path, error);
    return error ? path : target.string();
}

bool WriteAll(int fd, const std::string& bytes) {
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = write(fd, data, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

FileResult ReadWholeFile(const std::string& path, std::string& bytes, std::size_t limit) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Failed("を開けません。", path, errno);
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
            return Failed("を読めません。", path, error);
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
    const std::string target = ResolvedTarget(path);
    std::filesystem::path folder = std::filesystem::path(target).parent_path();
    if (folder.empty()) folder = ".";
    std::string name = ".";  // hidden beside the target
    name += std::filesystem::path(target).filename().string();
    name += ".XXXXXX";
    std::string temporary = (folder / name).string();

    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return Failed("を書き込むための一時ファイルを作れません。", path, errno);
    const auto abandon = [&](const char* what) {
        const int error = errno;
        close(fd);
        unlink(temporary.c_str());
        return Failed(what, path, error);
    };
    if (!WriteAll(fd, bytes) || fsync(fd) != 0) return abandon("を書き込めません。");
    if (fchmod(fd, TargetMode(target)) != 0) return abandon("の属性を設定できません。");
    if (close(fd) != 0) {
        const int error = errno;
        unlink(temporary.c_str());
        return Failed("を書き込めません。", path, error);
    }
    if (rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        unlink(temporary.c_str());
        return Failed("を置き換えられません。", path, error);
    }
    return {};
}
