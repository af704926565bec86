#pragma once

#include "tests/support/WaitUntil.h"

#include <csignal>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// A copy of options_writer (OPTIONS_WRITER) running with `args` as the test's
// own user.
class WriterProcess {
public:
    explicit WriterProcess(std::vector<std::string> args) {
        args.insert(args.begin(), OPTIONS_WRITER);
        std::vector<char*> argv;
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        m_pid = ::fork();
        if (m_pid == 0) {
            // Only calls that are safe in the child of a threaded process.
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
    }
    ~WriterProcess() {
        if (m_pid > 0 && !Ended()) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    WriterProcess(const WriterProcess&) = delete;
    WriterProcess& operator=(const WriterProcess&) = delete;

    // Whether it has ended, without waiting.
    bool Ended() {
        if (m_status < 0 && m_pid > 0 && ::waitpid(m_pid, &m_status, WNOHANG) != m_pid)
            m_status = -1;
        return m_status >= 0;
    }
    // Its exit code once it ended within the test deadline; -1 when it could
    // not start, did not end in time or ended by a signal.
    int Wait() {
        if (m_pid <= 0 || !WaitUntil([this] { return Ended(); }))
            return -1;
        return WIFEXITED(m_status) ? WEXITSTATUS(m_status) : -1;
    }

private:
    pid_t m_pid = -1;
    int m_status = -1;
};
