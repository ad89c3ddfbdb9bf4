// `ondrell-tool locate` as a user runs it: 100,000 random points in Europe, North Africa and the
// Middle East (dense borders and coasts) on standard input, the answers to /dev/null. Reports the
// points per second of the tool's CPU time (target: 100,000), the map's loading taken out: the
// reference run is the same tool on no points.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

constexpr int kPoints = 100000;

std::filesystem::path PointsFile(int count) {
    const auto path =
        std::filesystem::temp_directory_path() / ("ondrell-bench-locate-" + std::to_string(count) + ".txt");
    if (std::filesystem::exists(path))
        return path;
    std::mt19937 gen(42);
    std::uniform_real_distribution<double> lon(-12, 45), lat(27, 62);
    std::FILE *f = std::fopen(path.c_str(), "w");
    for (int i = 0; i < count; ++i)
        std::fprintf(f, "%.5f %.5f\n", lon(gen), lat(gen));
    std::fclose(f);
    return path;
}

// CPU seconds (user and system) of one run of the tool on the file; negative when it failed.
double ToolCpu(const std::filesystem::path &input) {
    const std::string tool =
        (std::filesystem::canonical("/proc/self/exe").parent_path() / "ondrell-tool").string();
    const std::string map = ONDRELL_MAP_FILE;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, input.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    std::string arg0 = tool, arg1 = "locate", arg2 = "--map", arg3 = map;
    char *argv[] = {arg0.data(), arg1.data(), arg2.data(), arg3.data(), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, tool.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) * 1e-6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void BM_Locate(benchmark::State &state) {
    const auto points = PointsFile(kPoints), none = PointsFile(0);
    double answering = 0;
    for (auto _ : state) {
        const double all = ToolCpu(points), loading = ToolCpu(none);
        if (all < 0 || loading < 0) {
            state.SkipWithError("ondrell-tool locate did not run");
            return;
        }
        answering += all - loading;
        state.SetIterationTime(all);
    }
    state.counters["points_per_cpu_second"] = double(kPoints) * double(state.iterations()) / answering;
}

} // namespace

BENCHMARK(BM_Locate)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
