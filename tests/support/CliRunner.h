#pragma once
// Runs a program with arguments and collects its exit status, standard
// output and standard error, for tests of the command line.

#include "ScratchFolder.h"

#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace dvx::test {

struct ProgramRun {
    int status = -1; // exit status, -1 when it did not exit normally
    std::string out;
    std::string err;
};

// stdoutPath, when given, receives the standard output instead (e.g. "/dev/full").
inline ProgramRun runProgram(const std::string& program, const std::vector<std::string>& args,
                             const std::string& stdoutPath = "") {
    ScratchFolder scratch;
    const auto outPath = stdoutPath.empty() ? scratch.file("out") : stdoutPath;
    const auto errPath = scratch.file("err");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(),
                                     stdoutPath.empty() ? O_WRONLY | O_CREAT | O_TRUNC : O_WRONLY,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& a : args) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    ProgramRun run;
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
        int wstatus = 0;
        waitpid(pid, &wstatus, 0);
        run.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    run.out = scratch.read("out");
    run.err = scratch.read("err");
    return run;
}

} // namespace dvx::test
