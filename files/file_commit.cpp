// All-or-nothing writing with POSIX calls, for their errno. On Linux a temporary file has no
// name until the commit (O_TMPFILE), so a process killed while writing leaves nothing
// behind; where the file system refuses that, it is a hidden file beside the target.
#include "files/file_commit.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <filesystem>
#include <ostream>
#include <random>

namespace {

FileResult Refused(const std::string& path, const std::string& why) {
    return FileResult::Failure(FileStatus::FileError,
                               "ファイル「" + path + "」は" + why + "ため、書き込みません。");
}

constexpr int kMaxLinks = 40;  // as the system follows before it gives up (ELOOP)

// The file a path names once every symbolic link on the way is followed; the file itself
// may not exist yet.
bool FollowLinks(const std::string& path, std::string& target) {
    target = path;
    for (int hops = 0;; ++hops) {
        struct stat info;
        if (lstat(target.c_str(), &info) != 0) return errno == ENOENT;
        if (!S_ISLNK(info.st_mode)) return true;
        if (hops == kMaxLinks) {
            errno = ELOOP;
            return false;
        }
        char link[PATH_MAX];
        const ssize_t n = readlink(target.c_str(), link, sizeof link - 1);
        if (n < 0) return false;
        const std::filesystem::path next(std::string(link, static_cast<std::size_t>(n)));
        target = next.is_absolute() ? next.string()
                                    : (std::filesystem::path(target).parent_path() / next).string();
    }
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// A name in the folder that nothing has yet: ".target.XXXXXX".
std::string HiddenName(const std::string& folder, const std::string& name) {
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::string result = folder + "/." + name + ".";
    for (int k = 0; k < 6; ++k) result += letters[random() % (sizeof letters - 1)];
    return result;
}

// Creates a hidden file beside the target; with the mode 0666 the process's umask applies
// as for any new file.
int CreateHidden(const std::string& folder, const std::string& name, std::string& temporary) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = HiddenName(folder, name);
        const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// An unnamed file in the folder, or -1 with errno set; EOPNOTSUPP where the file system or
// the system cannot make one that can later be named.
int CreateUnnamed(const std::string& folder) {
#ifdef O_TMPFILE
    static const bool procMounted = access("/proc/self/fd", X_OK) == 0;
    if (procMounted) {
        const int fd = open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        // Older kernels read O_TMPFILE as O_DIRECTORY (EISDIR); some file systems refuse it.
        if (fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)) return fd;
    }
#else
    (void)folder;
#endif
    errno = EOPNOTSUPP;
    return -1;
}

// Gives an unnamed file a hidden name beside its target.
bool NameUnnamed(int fd, const std::string& folder, const std::string& name,
                 std::string& temporary) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = HiddenName(folder, name);
        if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return true;
        if (errno != EEXIST) break;
    }
    temporary.clear();
    return false;
}

}  // namespace

struct FileCommit::Staged {
    std::string path;    // as given, for messages
    std::string target;  // the file to replace, symbolic links followed
    std::string folder, name;
    std::string temporary;  // empty while the file has no name
    int fd = -1;            // open until the file has its name
    bool existed = false;
    dev_t folderDevice = 0;
    ino_t folderInode = 0;

    ~Staged() {
        if (fd >= 0) close(fd);
        if (!temporary.empty()) unlink(temporary.c_str());
    }
};

FileCommit::FileCommit(std::ostream* standardOutput) : standardOutput_(standardOutput) {}

FileCommit::~FileCommit() = default;

void FileCommit::KeepUnchanged(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) == 0) unchanged_.push_back({info.st_dev, info.st_ino});
}

FileResult FileCommit::Stage(const std::string& path, std::string_view bytes) {
    if (path.empty())
        return FileResult::Failure(FileStatus::FileError, "出力先のファイル名が空です。");
    if (path == "-") {
        if (!standardOutput_)
            return FileResult::Failure(FileStatus::FileError,
                                       "「-」（標準出力）にはこの出力を書き出せません。");
        if (standardTaken_)
            return FileResult::Failure(FileStatus::FileError,
                                       "標準出力に書き出せる出力は一つだけです。");
        standardTaken_ = true;
        standardBytes_ = bytes;
        return {};
    }

    auto file = std::make_unique<Staged>();
    file->path = path;
    if (!FollowLinks(path, file->target))
        return SystemFileError("の置き場所を調べられません。", path, errno);
    struct stat info;
    file->existed = stat(file->target.c_str(), &info) == 0;
    if (file->existed) {
        if (!S_ISREG(info.st_mode)) return Refused(path, "通常のファイルではない");
        for (const Identity& kept : unchanged_)
            if (kept.device == info.st_dev && kept.inode == info.st_ino)
                return Refused(path, "入力の設計条件ファイルである");
        // Root may write anything; a file without any write permission is still read-only.
        if (access(file->target.c_str(), W_OK) != 0 || (info.st_mode & 0222) == 0)
            return Refused(path, "書き込みが許可されていない");
    }

    const std::filesystem::path target(file->target);
    file->folder = target.has_parent_path() ? target.parent_path().string() : ".";
    file->name = target.filename().string();
    struct stat folder;
    if (stat(file->folder.c_str(), &folder) != 0)
        return SystemFileError("を書き込むフォルダがありません。", path, errno);
    file->folderDevice = folder.st_dev;
    file->folderInode = folder.st_ino;
    for (const auto& other : staged_)
        if (other->folderDevice == folder.st_dev && other->folderInode == folder.st_ino &&
            other->name == file->name)
            return Refused(path, "二つの出力の書き込み先になっている");

    file->fd = CreateUnnamed(file->folder);
    if (file->fd < 0 && errno == EOPNOTSUPP)
        file->fd = CreateHidden(file->folder, file->name, file->temporary);
    if (file->fd < 0)
        return SystemFileError("を書き込むための一時ファイルを作れません。", path, errno);

    const auto notWritten = [&](int error) {
        FileResult result = SystemFileError("を書き込めません。", path, error);
        if (file->existed) result.message += "元のファイルはそのままです。";
        return result;
    };
    if (!WriteAll(file->fd, bytes) || fsync(file->fd) != 0) return notWritten(errno);
    struct stat written;
    if (fstat(file->fd, &written) != 0) return notWritten(errno);
    if (written.st_size != static_cast<off_t>(bytes.size()))
        return notWritten(EIO);  // the file on disk is not what was written
    if (file->existed) {
        // The new file takes the place of the old one with its permissions and, where the
        // process may give it, its owner.
        if (fchmod(file->fd, info.st_mode & 07777) != 0)
            return SystemFileError("の属性を設定できません。", path, errno);
        [[maybe_unused]] const int ignored = fchown(file->fd, info.st_uid, info.st_gid);
    }
    staged_.push_back(std::move(file));
    return {};
}

FileResult FileCommit::Commit() {
    // Every file gets its name and is closed before any target is replaced.
    for (const auto& file : staged_) {
        if (file->temporary.empty() &&
            !NameUnnamed(file->fd, file->folder, file->name, file->temporary))
            return SystemFileError("を書き込めません。", file->path, errno);
        const int fd = file->fd;
        file->fd = -1;
        if (close(fd) != 0) return SystemFileError("を書き込めません。", file->path, errno);
    }
    if (standardTaken_) {
        standardOutput_->write(standardBytes_.data(),
                               static_cast<std::streamsize>(standardBytes_.size()));
        standardOutput_->flush();
        if (!*standardOutput_)
            return FileResult::Failure(FileStatus::FileError, "標準出力に書き出せません。");
    }
    for (const auto& file : staged_) {
        if (rename(file->temporary.c_str(), file->target.c_str()) != 0)
            return SystemFileError("を置き換えられません。", file->path, errno);
        file->temporary.clear();
    }
    staged_.clear();
    standardBytes_.clear();
    return {};
}
