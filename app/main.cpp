// Dolmeta: the desktop program, or one calculation without a window with --batch.
#include <csignal>
#include <cstring>

#include "app/batch.h"
#include "app/desktop.h"

int main(int argc, char** argv) {
    // A file-size limit then fails the write with a message instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    for (int k = 1; k < argc; ++k)
        if (std::strcmp(argv[k], "--batch") == 0 || std::strcmp(argv[k], "--help") == 0)
            return RunBatch(argc, argv);
    return RunDesktop(argc, argv);
}
