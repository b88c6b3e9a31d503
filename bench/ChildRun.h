#pragma once
// Runs a program as a child process (standard output discarded) and takes
// its wall time, CPU time (user + system) and peak resident size from
// wait4's resource usage - the figure /usr/bin/time -v reports as "Maximum
// resident set size".
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

struct ChildRun {
    double seconds = 0;
    double cpuSeconds = 0;
    long peakKilobytes = 0;
    bool ok = false;
};

inline ChildRun runChild(const std::vector<std::string>& args)
{
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::fflush(stdout); // or the child writes our buffered lines again
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::freopen("/dev/null", "w", stdout);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    ChildRun run;
    int status = 0;
    rusage usage{};
    if (pid < 0 || ::wait4(pid, &status, 0, &usage) != pid)
        return run;
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.peakKilobytes = usage.ru_maxrss;
    const auto toSeconds = [](timeval t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    run.cpuSeconds = toSeconds(usage.ru_utime) + toSeconds(usage.ru_stime);
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

// The best wall and CPU time and the highest peak over the runs of one command.
struct BestRun {
    double seconds = 0;
    double cpuSeconds = 0;
    long peakKilobytes = 0;

    void add(const ChildRun& run)
    {
        if (seconds == 0 || run.seconds < seconds)
            seconds = run.seconds;
        if (cpuSeconds == 0 || run.cpuSeconds < cpuSeconds)
            cpuSeconds = run.cpuSeconds;
        peakKilobytes = std::max(peakKilobytes, run.peakKilobytes);
    }
};
