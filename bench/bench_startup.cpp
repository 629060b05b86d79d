// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the game against a bare Qt window with one label, both built by
// the same CMake with the same flags and started as fresh processes the same
// way. A probe preloaded into each reports the first paint of its windows; the
// game's run presses "OK" on the splash at once, so one run times both the
// splash and Form1. Rounds interleave so both see the same machine.
//   bench_startup [ROUNDS]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <ctime>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

struct Run {
    std::vector<double> paintsMs;  // first paint of each window, from the spawn
    double peakMiB = 0;
    double cpuMs = 0;  // user and system time: steadier than wall time on a busy machine
};

long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

// Starts the program with the probe preloaded and reads the paint times it reports.
Run measure(const char *program, const char *press)
{
    std::vector<std::string> env;
    for (char **e = environ; *e; ++e)
        env.emplace_back(*e);
    env.push_back(std::string("LD_PRELOAD=") + VEXLOR_PROBE_LIBRARY);
    if (press)
        env.push_back(std::string("VEXLOR_PROBE_PRESS=") + press);
    std::vector<char *> envp;
    for (std::string &e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    int fds[2];
    if (pipe(fds) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char *args[] = {const_cast<char *>(program), nullptr};
    pid_t pid = 0;
    const long long begin = monotonicNanoseconds();
    if (posix_spawn(&pid, program, &actions, nullptr, args, envp.data()) != 0) {
        std::perror(program);
        std::exit(1);
    }
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    std::string output;
    char buffer[256];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<std::size_t>(n));
    close(fds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);

    Run run;
    run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    run.cpuMs = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
                + static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    for (std::size_t at = 0, end; (end = output.find('\n', at)) != std::string::npos; at = end + 1)
        run.paintsMs.push_back(static_cast<double>(std::stoll(output.substr(at, end - at)) - begin) / 1e6);
    const std::size_t expected = press ? 2 : 1;
    if (run.paintsMs.size() != expected) {
        std::fprintf(stderr, "%s reported %zu first paints, expected %zu\n", program, run.paintsMs.size(), expected);
        std::exit(1);
    }
    return run;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char *argv[])
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    std::vector<double> bare, splash, form1, bareRss, splashRss, form1Rss, bareCpu, splashCpu, form1Cpu;
    for (int i = 0; i < rounds; ++i) {
        const Run b = measure(VEXLOR_BARE_PROGRAM, nullptr);
        const Run s = measure(VEXLOR_GAME_PROGRAM, nullptr);
        const Run g = measure(VEXLOR_GAME_PROGRAM, "OK");
        bare.push_back(b.paintsMs[0]);
        splash.push_back(g.paintsMs[0]);
        form1.push_back(g.paintsMs[1]);
        bareRss.push_back(b.peakMiB);
        splashRss.push_back(s.peakMiB);
        form1Rss.push_back(g.peakMiB);
        bareCpu.push_back(b.cpuMs);
        splashCpu.push_back(s.cpuMs);
        form1Cpu.push_back(g.cpuMs);
    }
    const double base = median(bare);
    std::printf("first paint, median of %d: bare window with one label %.1f ms\n", rounds, base);
    std::printf("  splash %.1f ms = %.2fx bare    Form1 (OK pressed at once) %.1f ms = %.2fx bare\n",
                median(splash), median(splash) / base, median(form1), median(form1) / base);
    const double baseCpu = median(bareCpu);
    std::printf("CPU time to first paint: bare %.1f ms, splash %.1f ms = %.2fx, Form1 %.1f ms = %.2fx\n", baseCpu,
                median(splashCpu), median(splashCpu) / baseCpu, median(form1Cpu), median(form1Cpu) / baseCpu);
    std::printf("peak RSS: bare %.1f MiB, splash %.1f MiB (%+.1f), Form1 %.1f MiB (%+.1f)\n", median(bareRss),
                median(splashRss), median(splashRss) - median(bareRss), median(form1Rss),
                median(form1Rss) - median(bareRss));
    return 0;
}
