// All-or-nothing writing with POSIX calls, for their errno. On Linux a temporary file has no
// name until the commit (O_TMPFILE), so a process killed while writing leaves nothing
// behind; where the file system refuses that, it is a hidden file beside the target. Each
// replaced file keeps a second name (a hard link) until every target is in place, so that
// a later failure can put it back.
#include "files/file_commit.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <filesystem>
#include <ostream>
#include <random>

#include "files/transient_name.h"

namespace {

FileResult Refused(const std::string& path, const std::string& why) {
    return FileResult::Failure(FileStatus::FileError,
                               "ファイル「" + path + "」は" + why + "ため、書き込みません。");
}

FileResult Interrupted() {
    return FileResult::Failure(FileStatus::Interrupted, "中断しました。");
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

// Whether every name along the path fits the file system's limit for one name.
bool NamesFit(const std::string& path) {
    for (const auto& part : std::filesystem::path(path))
        if (part.native().size() > NAME_MAX) return false;
    return true;
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

// A name in the folder that nothing has yet: "." and the target's name, cut short where
// needed so that the whole stays within one name's limit, "." and six letters.
std::string HiddenName(const std::string& name) {
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    constexpr std::size_t kRoom = NAME_MAX - 8;
    std::size_t kept = std::min(name.size(), kRoom);
    // Never cut a UTF-8 character in two.
    while (kept < name.size() && kept > 0 && (name[kept] & 0xC0) == 0x80) --kept;
    std::string result(1, '.');
    result.append(name, 0, kept);
    result += '.';
    for (int k = 0; k < 6; ++k) result += letters[random() % (sizeof letters - 1)];
    return result;
}

// `attempt` tries one hidden name and returns false with errno set when it cannot have it.
template <typename Attempt>
bool TakeHiddenName(const std::string& name, std::string& hidden, Attempt attempt) {
    for (int k = 0; k < 100; ++k) {
        hidden = HiddenName(name);
        if (attempt(hidden)) return true;
        if (errno != EEXIST) return false;
    }
    return false;
}

// An unnamed file in the folder, or -1 with errno set; EOPNOTSUPP where the file system or
// the system cannot make one that can later be named.
int CreateUnnamed(int folder) {
#ifdef O_TMPFILE
    static const bool procMounted = access("/proc/self/fd", X_OK) == 0;
    if (procMounted) {
        const int fd = openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        // Older kernels read O_TMPFILE as O_DIRECTORY (EISDIR); some file systems refuse it.
        if (fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)) return fd;
    }
#else
    (void)folder;
#endif
    errno = EOPNOTSUPP;
    return -1;
}

// Whether an error says that the file system keeps no second name for a file.
bool NoHardLinks(int error) {
    return error == EPERM || error == EOPNOTSUPP || error == ENOTSUP || error == EMLINK;
}

// Blocks every signal that can be blocked while it lives: what it guards is finished, or
// undone, before a signal can end the process.
class SignalsHeld {
  public:
    SignalsHeld() {
        sigset_t all;
        sigfillset(&all);
        pthread_sigmask(SIG_BLOCK, &all, &previous_);
    }
    ~SignalsHeld() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

  private:
    sigset_t previous_;
};

}  // namespace

struct FileCommit::Staged {
    std::string path;         // as given, for messages
    std::string name;         // the target's name in its folder, symbolic links followed
    int folder = -1;          // the target's folder, open
    int fd = -1;              // the new content, open until it has a name
    TransientName temporary;  // the new content's name beside the target
    TransientName backup;     // a second name of the replaced file during the commit
    bool created = false;     // the commit made the target, which did not exist

    ~Staged() {
        temporary.Remove();
        backup.Remove();
        if (fd >= 0) close(fd);
        if (folder >= 0) close(folder);
    }

    // Gives the unnamed new content its hidden name and closes it.
    bool Name() {
        if (!temporary.Held()) {
            const std::string self = "/proc/self/fd/" + std::to_string(fd);
            std::string hidden;
            if (!TakeHiddenName(name, hidden, [&](const std::string& candidate) {
                    return linkat(AT_FDCWD, self.c_str(), folder, candidate.c_str(),
                                  AT_SYMLINK_FOLLOW) == 0;
                }))
                return false;
            temporary.Hold(folder, hidden);
        }
        const int open = fd;
        fd = -1;
        return close(open) == 0;
    }

    // Makes the new content the target. False with errno set when it cannot; the target is
    // then as it was.
    bool Place() {
        struct stat info;
        if (fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT) return false;
            // A new name never replaces what may have appeared there since the staging.
            if (linkat(folder, temporary.Name().c_str(), folder, name.c_str(), 0) == 0) {
                created = true;
                temporary.Remove();
                return true;
            }
            if (!NoHardLinks(errno) || !MoveTemporary()) return false;
            created = true;
            return true;
        }
        if (!S_ISREG(info.st_mode)) {
            errno = EISDIR;  // told as "no regular file"
            return false;
        }
        std::string second;
        if (!TakeHiddenName(name, second, [&](const std::string& candidate) {
                return linkat(folder, name.c_str(), folder, candidate.c_str(), 0) == 0;
            })) {
            // Without hard links the old file cannot be kept aside; it is replaced outright.
            return NoHardLinks(errno) && MoveTemporary();
        }
        backup.Hold(folder, second);
        if (renameat(folder, temporary.Name().c_str(), folder, name.c_str()) != 0) {
            const int error = errno;
            backup.Remove();
            errno = error;
            return false;
        }
        temporary.Release();
        return true;
    }

    // Puts back what the target was before Place.
    void Undo() {
        if (created) {
            unlinkat(folder, name.c_str(), 0);
        } else if (backup.Held()) {
            // Should the old file not go back, it is kept under its second name.
            renameat(folder, backup.Name().c_str(), folder, name.c_str());
            backup.Release();
        }
    }

  private:
    bool MoveTemporary() {
        if (renameat(folder, temporary.Name().c_str(), folder, name.c_str()) != 0) return false;
        temporary.Release();
        return true;
    }
};

FileCommit::FileCommit(std::ostream* standardOutput, const std::atomic<bool>* cancel)
    : standardOutput_(standardOutput), cancel_(cancel) {}

FileCommit::~FileCommit() {
    if (standardFile_) std::fclose(standardFile_);
}

void FileCommit::KeepUnchanged(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) == 0) unchanged_.push_back({info.st_dev, info.st_ino});
}

FileResult FileCommit::Stage(const std::string& path, std::string_view bytes) {
    return Stage(path, [bytes](const Pieces& write) { write(bytes); });
}

FileResult FileCommit::StageStandardOutput(const std::function<void(const Pieces&)>& make) {
    if (!standardOutput_)
        return FileResult::Failure(FileStatus::FileError,
                                   "「-」（標準出力）にはこの出力を書き出せません。");
    if (standardTaken_)
        return FileResult::Failure(FileStatus::FileError,
                                   "標準出力に書き出せる出力は一つだけです。");
    standardTaken_ = true;
    // Held in an unnamed file until the commit rather than in memory: it may be large.
    standardFile_ = std::tmpfile();
    if (!standardFile_)
        return SystemFileError("を書き込むための一時ファイルを作れません。", "-", errno);
    int error = 0;
    make([&](std::string_view piece) {
        if (error == 0 && Cancelled()) error = ECANCELED;
        if (error == 0 && !WriteAll(fileno(standardFile_), piece)) error = errno;
        return error == 0;
    });
    if (error == ECANCELED) return Interrupted();
    if (error != 0)
        return FileResult::Failure(
            FileStatus::FileError,
            std::string("標準出力に書き出す出力を一時ファイルに書けません。（") +
                std::strerror(error) + "）");
    return {};
}

FileResult FileCommit::Stage(const std::string& path,
                             const std::function<void(const Pieces&)>& make) {
    if (path.empty())
        return FileResult::Failure(FileStatus::FileError, "出力先のファイル名が空です。");
    if (path == "-") return StageStandardOutput(make);
    if (Cancelled()) return Interrupted();
    const std::string tooLong =
        "名前が長すぎる（一つの名前は " + std::to_string(NAME_MAX) + " バイトまで）";
    if (!NamesFit(path)) return Refused(path, tooLong);

    auto file = std::make_unique<Staged>();
    file->path = path;
    std::string target;
    if (!FollowLinks(path, target)) {
        if (errno == ENAMETOOLONG) return Refused(path, tooLong);
        return SystemFileError("の置き場所を調べられません。", path, errno);
    }
    if (!NamesFit(target)) return Refused(path, tooLong);
    struct stat info;
    const bool existed = stat(target.c_str(), &info) == 0;
    if (existed) {
        if (!S_ISREG(info.st_mode)) return Refused(path, "通常のファイルではない");
        for (const Identity& kept : unchanged_)
            if (kept.device == info.st_dev && kept.inode == info.st_ino)
                return Refused(path, "入力の設計条件ファイルである");
        // Root may write anything; a file without any write permission is still read-only.
        if (access(target.c_str(), W_OK) != 0 || (info.st_mode & 0222) == 0)
            return Refused(path, "書き込みが許可されていない");
    }

    const std::filesystem::path targetPath(target);
    const std::string folderPath =
        targetPath.has_parent_path() ? targetPath.parent_path().string() : ".";
    file->name = targetPath.filename().string();
    file->folder = open(folderPath.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    struct stat folder;
    if (file->folder < 0 || fstat(file->folder, &folder) != 0)
        return SystemFileError("を書き込むフォルダがありません。", path, errno);
    for (const auto& other : staged_) {
        struct stat otherFolder;
        if (fstat(other->folder, &otherFolder) == 0 && otherFolder.st_dev == folder.st_dev &&
            otherFolder.st_ino == folder.st_ino && other->name == file->name)
            return Refused(path, "二つの出力の書き込み先になっている");
    }

    file->fd = CreateUnnamed(file->folder);
    if (file->fd < 0 && errno == EOPNOTSUPP) {
        std::string hidden;
        if (TakeHiddenName(file->name, hidden, [&](const std::string& candidate) {
                file->fd = openat(file->folder, candidate.c_str(),
                                  O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
                return file->fd >= 0;
            }))
            file->temporary.Hold(file->folder, hidden);
    }
    if (file->fd < 0)
        return SystemFileError("を書き込むための一時ファイルを作れません。", path, errno);

    const auto notWritten = [&](int error) {
        FileResult result = SystemFileError("を書き込めません。", path, error);
        if (existed) result.message += "元のファイルはそのままです。";
        return result;
    };
    int error = 0;
    off_t size = 0;
    make([&](std::string_view piece) {
        if (error == 0 && Cancelled()) error = ECANCELED;
        if (error == 0 && !WriteAll(file->fd, piece)) error = errno;
        size += static_cast<off_t>(piece.size());
        return error == 0;
    });
    if (error == ECANCELED) return Interrupted();
    if (error != 0 || fsync(file->fd) != 0) return notWritten(error != 0 ? error : errno);
    struct stat written;
    if (fstat(file->fd, &written) != 0) return notWritten(errno);
    if (written.st_size != size)
        return notWritten(EIO);  // the file on disk is not what was written
    if (existed) {
        // The new file takes the place of the old one with its permissions and, where the
        // process may give it, its owner.
        if (fchmod(file->fd, info.st_mode & 07777) != 0)
            return SystemFileError("の属性を設定できません。", path, errno);
        [[maybe_unused]] const int ignored = fchown(file->fd, info.st_uid, info.st_gid);
    }
    staged_.push_back(std::move(file));
    return {};
}

FileResult FileCommit::CopyToStandardOutput() {
    const int fd = fileno(standardFile_);
    char buffer[65536];
    for (off_t at = 0;;) {
        if (Cancelled()) return Interrupted();
        const ssize_t n = pread(fd, buffer, sizeof buffer, at);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return SystemFileError("を書き出せません。", "-", errno);
        if (n == 0) break;
        standardOutput_->write(buffer, n);
        if (!*standardOutput_) break;
        at += n;
    }
    standardOutput_->flush();
    if (*standardOutput_) return {};
    if (Cancelled()) return Interrupted();
    return FileResult::Failure(FileStatus::FileError, "標準出力に書き出せません。");
}

FileResult FileCommit::PutInPlace() {
    // From the first target replaced to the last, nothing stops the commit half way.
    const SignalsHeld held;
    std::size_t placed = 0;
    int error = 0;
    for (; placed < staged_.size(); ++placed)
        if (!staged_[placed]->Place()) {
            error = errno;
            break;
        }
    if (placed == staged_.size()) {
        staged_.clear();  // the replaced files' second names go with them
        return {};
    }
    for (std::size_t k = placed; k-- > 0;) staged_[k]->Undo();
    const std::string& path = staged_[placed]->path;
    if (error == EISDIR) return Refused(path, "通常のファイルではない");
    return SystemFileError("を置き換えられません。", path, error);
}

FileResult FileCommit::Commit() {
    if (Cancelled()) return Interrupted();
    // Every file gets its name and is closed before any target is replaced.
    for (const auto& file : staged_)
        if (!file->Name()) return SystemFileError("を書き込めません。", file->path, errno);
    if (standardFile_) {
        const FileResult written = CopyToStandardOutput();
        std::fclose(standardFile_);
        standardFile_ = nullptr;
        if (!written.ok()) return written;
    }
    return PutInPlace();
}
