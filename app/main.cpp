// Dolmeta: the desktop program, or the batch mode with --batch.
#include <cstdio>

int main(int argc, char** argv) {
    (void)argc;
    (void)argv;
    std::puts("dolmeta");
    return 0;
}
