// Whole processes, as a user starts them: the program up to its first painted main window, and
// ovrelan-solve writing the CSV of 480 001 points. Each iteration starts the process afresh and
// reports the CPU time it used (user + system, from wait4).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

// Runs the command and returns its CPU time in seconds (negative when it failed).
double cpu_seconds_of(std::vector<std::string> command) {
    std::vector<char*> argv;
    for (std::string& word : command) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        return -1;
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return -1;
    }
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void run(benchmark::State& state, const std::vector<std::string>& command) {
    for (auto _ : state) {
        const double cpu = cpu_seconds_of(command);
        if (cpu < 0) {
            state.SkipWithError("the process failed");
            return;
        }
        state.SetIterationTime(cpu);
    }
}

void BM_startup_to_first_paint(benchmark::State& state) {
    run(state, {OVRELAN_STARTUP_PROBE});
}

void BM_solve_csv_480k(benchmark::State& state) {
    run(state, {OVRELAN_SOLVE, "--Nmax", "10000", "--csv", "/dev/null"});
}

BENCHMARK(BM_startup_to_first_paint)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_solve_csv_480k)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("DISPLAY") == nullptr && std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
