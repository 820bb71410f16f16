#pragma once
// Runs a piece of a test in a child process whose memory may grow only by a
// given amount, so that a reader that loads too much fails instead of
// passing on a big machine.

#include <cstddef>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace dvx::test {

// The process's address space in bytes, from /proc (0 when unknown).
inline std::size_t addressSpaceInUse() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmSize:") {
            std::size_t kb = 0;
            status >> kb;
            return kb * 1024;
        }
        status.ignore(1 << 16, '\n');
    }
    return 0;
}

// Runs body in a child whose address space may grow by at most extraBytes.
// Returns 0 when body returned true, 1 when it returned false, 2 when it
// threw (std::bad_alloc on reaching the limit) and 3 when the child died.
inline int runWithMemoryLimit(std::size_t extraBytes, const std::function<bool()>& body) {
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const auto limit = static_cast<rlim_t>(addressSpaceInUse() + extraBytes);
        const rlimit bound{limit, limit};
        if (::setrlimit(RLIMIT_AS, &bound) != 0) {
            ::_exit(4);
        }
        int code = 2;
        try {
            code = body() ? 0 : 1;
        } catch (...) {
        }
        ::_exit(code);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 3;
}

} // namespace dvx::test
