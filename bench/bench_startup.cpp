// Start-up of the desktop program to its main menu, map loaded, against a bare Qt window program.
// Both run headless and quit as soon as their window is shown. BM_StartupRatio runs the two
// alternately in one run and reports ondrell / bare (target: at most 1.3).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

std::filesystem::path BinDir() {
    return std::filesystem::canonical("/proc/self/exe").parent_path();
}

// Runs the program to completion; returns its wall time in seconds, or a negative value on failure.
double RunOnce(const std::filesystem::path &program) {
    std::vector<std::string> env;
    for (char **e = environ; *e; ++e)
        env.emplace_back(*e);
    const std::filesystem::path home = std::filesystem::temp_directory_path() / "ondrell-bench-startup";
    std::filesystem::create_directories(home / "runtime");
    std::filesystem::permissions(home / "runtime", std::filesystem::perms::owner_all);
    env.push_back("QT_QPA_PLATFORM=offscreen");
    env.push_back("ONDRELL_QUIT_AFTER_START=1");
    env.push_back("ONDRELL_MAP_FILE=" ONDRELL_MAP_FILE);
    env.push_back("XDG_CONFIG_HOME=" + (home / "config").string());
    env.push_back("XDG_RUNTIME_DIR=" + (home / "runtime").string());
    std::vector<char *> envp;
    for (auto &e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string path = program.string();
    char *argv[] = {path.data(), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, envp.data()) != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? took.count() : -1;
}

void RunProgram(benchmark::State &state, const char *name) {
    const auto program = BinDir() / name;
    for (auto _ : state) {
        const double s = RunOnce(program);
        if (s < 0) {
            state.SkipWithError((std::string(name) + " did not run").c_str());
            return;
        }
        state.SetIterationTime(s);
    }
}

void BM_StartupOndrell(benchmark::State &state) {
    RunProgram(state, "ondrell");
}
void BM_StartupBareQt(benchmark::State &state) {
    RunProgram(state, "bench_startup_bare");
}

void BM_StartupRatio(benchmark::State &state) {
    const auto ondrell = BinDir() / "ondrell", bare = BinDir() / "bench_startup_bare";
    double ondrellTotal = 0, bareTotal = 0;
    for (auto _ : state) {
        const double b = RunOnce(bare), o = RunOnce(ondrell);
        if (b < 0 || o < 0) {
            state.SkipWithError("a start-up program did not run");
            return;
        }
        bareTotal += b;
        ondrellTotal += o;
        state.SetIterationTime(o);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["bare_ms"] = 1000 * bareTotal / n;
    state.counters["ondrell_ms"] = 1000 * ondrellTotal / n;
    state.counters["ratio"] = ondrellTotal / bareTotal;
}

} // namespace

BENCHMARK(BM_StartupOndrell)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_StartupBareQt)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_StartupRatio)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
