// The program itself against what a shell can do to it: a pipe whose reader has gone, Ctrl-C
// while a table is being formatted, and a memory limit. Each run must end with a message
// and its exit status, never by a signal, and leave no file behind.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "tests/files/temp_folder.h"

namespace {

struct Ended {
    int status = -1;  // exit status, or 128 + the signal that ended it
    std::string err;
};

// Starts the program with its standard output on `out`, limited to `dataLimit` bytes of
// memory when given; `whileRunning` is called with its process id until it returns false.
Ended Launch(const std::vector<std::string>& arguments, int out,
             std::optional<rlim_t> dataLimit = std::nullopt,
             const std::function<bool(pid_t)>& whileRunning = {}) {
    std::vector<std::string> words = {DOLMETA_EXECUTABLE};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    int err[2];
    EXPECT_EQ(pipe2(err, O_CLOEXEC), 0);
    const pid_t child = fork();
    if (child == 0) {
        dup2(out, STDOUT_FILENO);
        dup2(err[1], STDERR_FILENO);
        if (dataLimit) {
            const rlimit limit{*dataLimit, *dataLimit};
            setrlimit(RLIMIT_DATA, &limit);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(err[1]);
    const auto running = [child] {
        siginfo_t info{};
        return waitid(P_PID, child, &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == 0;
    };
    if (whileRunning)
        while (running() && whileRunning(child))
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    Ended ended;
    char buffer[4096];
    for (ssize_t n; (n = read(err[0], buffer, sizeof buffer)) > 0;) ended.err.append(buffer, n);
    close(err[0]);
    int status = 0;
    waitpid(child, &status, 0);
    ended.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return ended;
}

int DevNull() {
    return open("/dev/null", O_WRONLY | O_CLOEXEC);
}

// Whether the process has a file open under `prefix`: an output being staged there.
bool Stages(pid_t pid, const std::string& prefix) {
    std::error_code error;
    for (const auto& fd :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/fd", error)) {
        const auto target = std::filesystem::read_symlink(fd.path(), error);
        if (!error && target.string().starts_with(prefix)) return true;
    }
    return false;
}

}  // namespace

// `dolmeta --batch --json - --text out.txt | head -1`, with head already gone: the run fails
// with a message and neither the report nor any temporary file is written.
TEST(BatchProcess, AClosedStandardOutputFailsTheRunAndLeavesNothing) {
    TempFolder folder;
    WriteBytes(folder / "out.txt", "earlier");
    int pipeFds[2];
    ASSERT_EQ(pipe2(pipeFds, O_CLOEXEC), 0);
    close(pipeFds[0]);
    const Ended ended = Launch(
        {"--batch", "--json", "-", "--text", folder / "out.txt", "--pdf", folder / "out.pdf"},
        pipeFds[1]);
    close(pipeFds[1]);
    EXPECT_EQ(ended.status, 1) << ended.err;
    EXPECT_NE(ended.err.find("標準出力に書き出せません。"), std::string::npos) << ended.err;
    EXPECT_EQ(ReadBytes(folder / "out.txt"), "earlier");
    EXPECT_EQ(folder.EntryCount(), 1);
}

// Ctrl-C once the table is being written to its temporary file: the run stops there with
// status 130 and nothing is written.
TEST(BatchProcess, CtrlCWhileTheTableIsFormattedWritesNothing) {
    TempFolder folder;
    const std::string table = folder / "table.csv";
    bool interrupted = false;
    const int out = DevNull();
    const Ended ended = Launch({"--batch", "--sweep", "h1=-200:-0.001:0.001", "--csv", table}, out,
                               std::nullopt, [&](pid_t pid) {
                                   if (!Stages(pid, folder / "")) return true;
                                   interrupted = kill(pid, SIGINT) == 0;
                                   return false;
                               });
    close(out);
    ASSERT_TRUE(interrupted) << "the table was never staged: " << ended.err;
    EXPECT_EQ(ended.status, 130) << ended.err;
    EXPECT_NE(ended.err.find("interrupted"), std::string::npos) << ended.err;
    EXPECT_EQ(folder.EntryCount(), 0);
}

#if defined(__SANITIZE_ADDRESS__)
#define MEMORY_LIMITED(name) DISABLED_##name  // the sanitizer reserves terabytes up front
#else
#define MEMORY_LIMITED(name) name
#endif

// Under a memory limit a study that cannot fit is refused before it starts, and a run that
// runs out of memory anywhere ends with a message and status 1, never by a signal.
TEST(BatchProcess, MEMORY_LIMITED(AMemoryLimitEndsWithAMessage)) {
    TempFolder folder;
    const int out = DevNull();
    const Ended refused =
        Launch({"--batch", "--sweep", "h1=0.001:1000:0.001", "--csv", folder / "t.csv"}, out,
               rlim_t{256} << 20);
    EXPECT_EQ(refused.status, 1) << refused.err;
    EXPECT_NE(refused.err.find("MB のメモリーが必要ですが"), std::string::npos) << refused.err;

    // Below some limit the study's table or a thread's stack does not fit: either it is
    // refused, or an allocation fails wherever it fails.
    int messages = 0, completed = 0;
    for (rlim_t megabytes = 2; megabytes <= 32; megabytes += 2) {
        const Ended ended =
            Launch({"--batch", "--sweep", "h1=0.5:20:0.01", "--csv", folder / "t.csv"}, out,
                   megabytes << 20);
        SCOPED_TRACE(std::to_string(megabytes) + " MB: " + ended.err);
        ASSERT_TRUE(ended.status == 1 || ended.status == 3) << ended.status;
        if (ended.status == 1) {
            EXPECT_TRUE(ended.err.find("メモリーが足りないため、処理を中止しました。") !=
                            std::string::npos ||
                        ended.err.find("MB のメモリーが必要ですが") != std::string::npos);
            EXPECT_EQ(folder.EntryCount(), 0);
            ++messages;
        } else {
            EXPECT_EQ(folder.EntryCount(), 1);
            std::filesystem::remove(folder / "t.csv");
            ++completed;
        }
    }
    close(out);
    EXPECT_GT(messages, 0);
    EXPECT_GT(completed, 0);
}
