// A folder with little room left, for real: a small tmpfs mounted on it and filled up where
// the test may mount one (as root), otherwise a limit on the size of the files this process
// writes (RLIMIT_FSIZE, with SIGXFSZ ignored so that the write fails with EFBIG).
#pragma once

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/statvfs.h>

#include <csignal>
#include <string>

#include "tests/files/temp_folder.h"

class NearlyFullDisk {
  public:
    // `folder` must exist and be empty; it is a file system of its own until the end.
    explicit NearlyFullDisk(const std::string& folder) : folder_(folder) {
        mounted_ = mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=2m") == 0;
    }
    ~NearlyFullDisk() {
        if (limited_) {
            setrlimit(RLIMIT_FSIZE, &saved_);
            std::signal(SIGXFSZ, previous_);
        }
        if (mounted_) umount2(folder_.c_str(), MNT_DETACH);
    }
    NearlyFullDisk(const NearlyFullDisk&) = delete;
    NearlyFullDisk& operator=(const NearlyFullDisk&) = delete;

    // From now on about `bytes` more can be written.
    void LeaveFree(std::size_t bytes) {
        if (mounted_) {
            struct statvfs info;
            statvfs(folder_.c_str(), &info);
            const std::size_t free = info.f_bavail * info.f_bsize;
            if (free > bytes) WriteBytes(folder_ + "/filler", std::string(free - bytes, 'f'));
            return;
        }
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved_;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
        limited_ = true;
    }
    // Entries the disk itself added to the folder (the filler).
    int OwnEntries() const { return mounted_ ? 1 : 0; }

  private:
    std::string folder_;
    bool mounted_ = false;
    bool limited_ = false;
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};
