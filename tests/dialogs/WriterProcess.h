#pragma once

#include "WaitUntil.h"

#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// A copy of options_writer (OPTIONS_WRITER) running with `args`; its output
// goes to a pipe. With `asNobody`, a process running as root first drops to
// the user and group nobody (65534); it ends with kCannotDropRoot when it
// cannot.
class WriterProcess {
public:
    static constexpr int kCannotDropRoot = 77;

    WriterProcess(std::vector<std::string> args, bool asNobody) {
        args.insert(args.begin(), OPTIONS_WRITER);
        std::vector<char*> argv;
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        int out[2];
        if (::pipe2(out, O_CLOEXEC) != 0)
            return;
        m_pid = ::fork();
        if (m_pid == 0) {
            // Only calls that are safe in the child of a threaded process.
            ::dup2(out[1], STDOUT_FILENO);
            if (asNobody && ::getuid() == 0 &&
                (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
                ::_exit(kCannotDropRoot);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        m_out = out[0];
    }
    ~WriterProcess() {
        if (m_pid > 0 && !Ended()) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
        if (m_out >= 0)
            ::close(m_out);
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
    // What it printed; call after Wait.
    std::string Output() const {
        std::string text;
        char block[4096];
        ssize_t got;
        while (m_out >= 0 && (got = ::read(m_out, block, sizeof block)) > 0)
            text.append(block, static_cast<size_t>(got));
        return text;
    }

private:
    pid_t m_pid = -1;
    int m_out = -1;
    int m_status = -1;
};
