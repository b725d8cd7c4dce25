// Start-up time and memory of programs on a real X server: from the moment a
// program is started to its first painted frame (reported by the preloaded
// first-frame probe), and its peak resident memory by then. The programs are
// run in turn, alternating, so that a change in the machine's load touches
// them alike. Prints the median of each, and the ratio of the first program
// to the second.
//
//     startup_bench PROBE RUNS PROGRAM...
#include "median.h"
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Run
{
    double milliseconds;
    double peakMiB;
};

long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

Run runOnce(const std::string &probe, const std::string &program)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        std::perror("pipe");
        std::exit(2);
    }
    const long long start = monotonicNanoseconds();
    const pid_t child = fork();
    if (child == 0) {
        close(pipeFds[0]);
        setenv("LD_PRELOAD", probe.c_str(), 1);
        setenv("FIRST_FRAME_FD", std::to_string(pipeFds[1]).c_str(), 1);
        execl(program.c_str(), program.c_str(), static_cast<char *>(nullptr));
        std::perror("exec");
        _exit(127);
    }
    close(pipeFds[1]);

    pollfd waiting{pipeFds[0], POLLIN, 0};
    char line[64] = {};
    long long frame = 0;
    if (poll(&waiting, 1, 20000) == 1 && read(pipeFds[0], line, sizeof line - 1) > 0)
        frame = std::atoll(line);
    close(pipeFds[0]);

    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (frame == 0) {
        std::fprintf(stderr, "%s painted no frame within 20 s\n", program.c_str());
        std::exit(1);
    }
    return {static_cast<double>(frame - start) / 1e6,
            static_cast<double>(usage.ru_maxrss) / 1024.0};
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s PROBE RUNS PROGRAM...\n", argv[0]);
        return 2;
    }
    const std::string probe = argv[1];
    const int runs = std::atoi(argv[2]);
    const std::vector<std::string> programs(argv + 3, argv + argc);

    runOnce(probe, programs.front()); // warm the file cache; not counted
    std::vector<std::vector<double>> times(programs.size()), memory(programs.size());
    for (int run = 0; run < runs; ++run) {
        for (std::size_t i = 0; i < programs.size(); ++i) {
            const Run result = runOnce(probe, programs[i]);
            times[i].push_back(result.milliseconds);
            memory[i].push_back(result.peakMiB);
        }
    }

    std::vector<double> medianTimes, medianMemory;
    for (std::size_t i = 0; i < programs.size(); ++i) {
        medianTimes.push_back(median(times[i]));
        medianMemory.push_back(median(memory[i]));
        const auto [fastest, slowest] = std::minmax_element(times[i].begin(), times[i].end());
        std::printf("%-40s first frame %7.1f ms (min %.1f, max %.1f), peak RSS %6.1f MiB\n",
                    programs[i].substr(programs[i].rfind('/') + 1).c_str(), medianTimes[i],
                    *fastest, *slowest, medianMemory[i]);
    }
    if (programs.size() >= 2) {
        std::printf("start-up ratio %.2f, memory difference %.1f MiB (medians of %d runs)\n",
                    medianTimes[0] / medianTimes[1], medianMemory[0] - medianMemory[1], runs);
    }
    return 0;
}
