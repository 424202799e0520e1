// A name held for a moment goes when a signal ends the process, and only then is it the
// handler's: a name released stays.
#include "files/transient_name.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "tests/files/temp_folder.h"

TEST(TransientName, ASignalThatEndsTheProcessRemovesTheNamesHeld) {
    for (const int signal : {SIGTERM, SIGABRT, SIGHUP}) {
        SCOPED_TRACE(signal);
        TempFolder folder;
        WriteBytes(folder / ".held", "temporary");
        WriteBytes(folder / "kept", "target");
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            std::signal(signal, SIG_DFL);
            const int dir = open((folder / "").c_str(), O_PATH | O_DIRECTORY);
            TransientName held, released;
            held.Hold(dir, ".held");
            released.Hold(dir, "kept");
            released.Release();
            raise(signal);
            _exit(0);  // not reached
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        EXPECT_FALSE(std::filesystem::exists(folder / ".held"));
        EXPECT_EQ(ReadBytes(folder / "kept"), "target");
    }
}
