// The desktop program.
#include "app/desktop.h"

#include "app/batch.h"

int RunDesktop(int argc, char** argv) {
    return RunBatch(argc, argv);
}
