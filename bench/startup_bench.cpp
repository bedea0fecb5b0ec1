// Start-up time and peak memory of Test Quovale beside a bare Qt window.
//
// Each program is started many times, in turn, with the probe preloaded;
// the start-up time is from just before the process is spawned to the
// moment the probe sees its window shown and painted, and the peak memory
// is the child's maximum resident set as the kernel counted it.
//
//   quovale_startup_bench <probe.so> <rounds> <program> <bare program> [<bare program with text>]
//
// The goal is measured against the bare window; the one with a line of text
// tells how much of the difference any window that draws text pays.

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

struct Run
{
    double startupMs;
    double peakMiB;
};

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

bool runOnce(const std::string &probe, const std::string &program, Run &run)
{
    int fds[2];
    if (pipe(fds) != 0)
        return false;

    std::vector<std::string> env;
    for (char **e = environ; *e; ++e)
        if (std::strncmp(*e, "LD_PRELOAD=", 11) != 0 && std::strncmp(*e, "QUOVALE_PROBE_FD=", 17) != 0)
            env.emplace_back(*e);
    env.push_back("LD_PRELOAD=" + probe);
    env.push_back("QUOVALE_PROBE_FD=" + std::to_string(fds[1]));
    std::vector<char *> envp;
    for (auto &s : env)
        envp.push_back(s.data());
    envp.push_back(nullptr);
    std::string path = program;
    char *argv[] = {path.data(), nullptr};

    const long long start = monotonicNs();
    pid_t pid = 0;
    if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, envp.data()) != 0) {
        close(fds[0]);
        close(fds[1]);
        return false;
    }
    close(fds[1]);

    std::string line;
    char buffer[64];
    ssize_t n = 0;
    while ((n = read(fds[0], buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR))
        if (n > 0)
            line.append(buffer, static_cast<std::size_t>(n));
    close(fds[0]);

    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || line.empty()) {
        std::fprintf(stderr, "%s: no window shown (status %d)\n", program.c_str(), status);
        return false;
    }
    run.startupMs = static_cast<double>(std::atoll(line.c_str()) - start) / 1e6;
    run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    return true;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

struct Summary
{
    double startup;
    double fastest;
    double peak;
};

Summary summarise(const std::vector<Run> &runs)
{
    std::vector<double> times;
    std::vector<double> peaks;
    for (const Run &r : runs) {
        times.push_back(r.startupMs);
        peaks.push_back(r.peakMiB);
    }
    return {median(times), *std::min_element(times.begin(), times.end()), median(peaks)};
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 5 && argc != 6) {
        std::fprintf(stderr, "usage: %s <probe.so> <rounds> <program> <bare program> [<bare program with text>]\n",
                     argv[0]);
        return 2;
    }
    const std::string probe = argv[1];
    const int rounds = std::max(1, std::atoi(argv[2]));
    const int count = argc - 3;
    const std::string programs[3] = {argv[3], argv[4], count == 3 ? argv[5] : ""};
    const char *names[3] = {"Test Quovale", "bare Qt window", "bare window, one label"};

    std::vector<Run> runs[3];
    // One unmeasured start of each fills the page cache for all alike.
    for (int round = -1; round < rounds; ++round)
        for (int p = 0; p < count; ++p) {
            Run run{};
            if (!runOnce(probe, programs[p], run))
                return 1;
            if (round >= 0)
                runs[p].push_back(run);
        }

    Summary summaries[3]{};
    for (int p = 0; p < count; ++p) {
        summaries[p] = summarise(runs[p]);
        std::printf("%-24s start-up median %6.1f ms (fastest %6.1f ms)   peak memory median %6.1f MiB   (%d starts)\n",
                    names[p], summaries[p].startup, summaries[p].fastest, summaries[p].peak, rounds);
    }
    for (int p = 1; p < count; ++p)
        std::printf("Test Quovale against the %s: start-up %+.1f %%, peak memory %+.1f %%\n", names[p],
                    (summaries[0].startup / summaries[p].startup - 1.0) * 100.0,
                    (summaries[0].peak / summaries[p].peak - 1.0) * 100.0);
    return 0;
}
