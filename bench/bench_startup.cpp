// Start-up of the desktop program to its main menu, map loaded, against a bare Qt window program.
// Both run headless. BM_StartupRatio runs the two alternately, one pair per iteration, each leaving
// on the event loop's first turn after its window is shown (built, laid out, mapped, nothing painted
// yet), and reports the median of the pairs' ratios ondrell / bare in wall time and in CPU time
// (target: at most 1.3). BM_StartupRatioPainted does the same up to each window's first painted
// frame, where the menu draws its texts and controls and the bare window only its background. Both
// fail when start-up writes a file in the program's settings folder.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

std::filesystem::path BinDir() {
    return std::filesystem::canonical("/proc/self/exe").parent_path();
}

std::filesystem::path Home() {
    return std::filesystem::temp_directory_path() / "ondrell-bench-startup";
}

struct Run {
    double wall = -1; // seconds; negative when the program failed
    double cpu = 0;   // user + system seconds of the child
};

double Seconds(const timeval &t) {
    return double(t.tv_sec) + double(t.tv_usec) * 1e-6;
}

Run RunOnce(const std::filesystem::path &program, const char *quitAfter = "shown") {
    std::vector<std::string> env;
    for (char **e = environ; *e; ++e)
        env.emplace_back(*e);
    const std::filesystem::path home = Home();
    std::filesystem::create_directories(home / "runtime");
    std::filesystem::permissions(home / "runtime", std::filesystem::perms::owner_all);
    env.push_back("QT_QPA_PLATFORM=offscreen");
    env.push_back(std::string("ONDRELL_QUIT_AFTER_START=") + quitAfter);
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
        return {};
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    return {took.count(), Seconds(usage.ru_utime) + Seconds(usage.ru_stime)};
}

void RunProgram(benchmark::State &state, const char *name) {
    const auto program = BinDir() / name;
    for (auto _ : state) {
        const Run run = RunOnce(program);
        if (run.wall < 0) {
            state.SkipWithError((std::string(name) + " did not run").c_str());
            return;
        }
        state.SetIterationTime(run.wall);
    }
}

void BM_StartupOndrell(benchmark::State &state) {
    RunProgram(state, "ondrell");
}
void BM_StartupBareQt(benchmark::State &state) {
    RunProgram(state, "bench_startup_bare");
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void RunPairs(benchmark::State &state, const char *quitAfter) {
    const auto ondrell = BinDir() / "ondrell", bare = BinDir() / "bench_startup_bare";
    std::filesystem::remove_all(Home() / "config");
    std::vector<double> wallRatios, cpuRatios, bareMs, ondrellMs;
    for (auto _ : state) {
        const Run b = RunOnce(bare, quitAfter), o = RunOnce(ondrell, quitAfter);
        if (b.wall < 0 || o.wall < 0) {
            state.SkipWithError("a start-up program did not run");
            return;
        }
        wallRatios.push_back(o.wall / b.wall);
        cpuRatios.push_back(o.cpu / b.cpu);
        bareMs.push_back(1000 * b.wall);
        ondrellMs.push_back(1000 * o.wall);
        state.SetIterationTime(o.wall);
    }
    if (std::filesystem::exists(Home() / "config"))
        state.SkipWithError("start-up wrote to the settings folder");
    state.counters["bare_ms"] = Median(bareMs);
    state.counters["ondrell_ms"] = Median(ondrellMs);
    state.counters["wall_ratio"] = Median(wallRatios);
    state.counters["cpu_ratio"] = Median(cpuRatios);
}

void BM_StartupRatio(benchmark::State &state) {
    RunPairs(state, "shown");
}
void BM_StartupRatioPainted(benchmark::State &state) {
    RunPairs(state, "painted");
}

} // namespace

BENCHMARK(BM_StartupOndrell)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_StartupBareQt)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_StartupRatio)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_StartupRatioPainted)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
