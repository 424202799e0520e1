// Dolmeta: the desktop program, or one calculation without a window with --batch.
#include <cstring>

#include "app/batch.h"
#include "app/desktop.h"

int main(int argc, char** argv) {
    for (int k = 1; k < argc; ++k)
        if (std::strcmp(argv[k], "--batch") == 0) return RunBatch(argc, argv);
    return RunDesktop(argc, argv);
}
