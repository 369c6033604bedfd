// Start-up of the editor to its first shown window, offscreen, as a whole
// process: exec, Qt, fonts, the window and a new score.

#include "RatioReporter.h"

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

void BM_StartUpToFirstWindow(benchmark::State& state) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("SORN_QUIT_WHEN_SHOWN", "1", 1);
    char exe[] = SORN_EDITOR_EXE;
    char* argv[] = {exe, nullptr};
    for (auto _ : state) {
        pid_t pid;
        if (posix_spawn(&pid, exe, nullptr, nullptr, argv, environ) != 0) {
            state.SkipWithError("spawn");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("exit status");
    }
}
BENCHMARK(BM_StartUpToFirstWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    sorn::bench::RatioReporter reporter({{"BM_StartUpToFirstWindow", "", 300}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    return 0;
}
