// Time of the outputs of a run: the text report written to disk, and the batch process end to
// end (start, run, write Box.txt, exit).
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "calc/run.h"
#include "files/text_report.h"

namespace {

std::string Scratch(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

void BM_TextReport(benchmark::State& state) {
    CalcTable table;
    RecordingMessenger messenger;
    RunCalculation(DesignConditions{}, table, messenger);
    const std::string path = Scratch("dolmeta-bench-Box.txt");
    for (auto _ : state) benchmark::DoNotOptimize(WriteTextReport(path, table));
    std::filesystem::remove(path);
}
BENCHMARK(BM_TextReport)->Unit(benchmark::kMicrosecond);

void BM_BatchProcess(benchmark::State& state) {
    const std::string path = Scratch("dolmeta-bench-batch.txt");
    for (auto _ : state) {
        const pid_t child = fork();
        if (child == 0) {
            if (!std::freopen("/dev/null", "w", stdout)) _exit(126);
            execl(DOLMETA_BINARY, DOLMETA_BINARY, "--batch", "--text", path.c_str(), nullptr);
            _exit(127);
        }
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("batch failed");
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_BatchProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
