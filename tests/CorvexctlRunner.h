#pragma once

#include <cstdio>
#include <string>
#include <sys/wait.h>

// Runs the corvexctl binary with the arguments and collects its output (stdout and stderr).
struct CorvexctlRun {
    int code = -1;
    std::string out;
};

inline CorvexctlRun Corvexctl(const std::string& args) {
    CorvexctlRun r;
    FILE* pipe = popen((std::string(CORVEXCTL_PATH) + " " + args + " 2>&1").c_str(), "r");
    if (!pipe)
        return r;
    char buf[4096];
    while (size_t n = fread(buf, 1, sizeof buf, pipe))
        r.out.append(buf, n);
    int status = pclose(pipe);
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}
