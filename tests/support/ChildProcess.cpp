#include "tests/support/ChildProcess.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
void WriteAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t wrote = ::write(fd, text.data() + done, text.size() - done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return;
        done += static_cast<size_t>(wrote);
    }
}

// Makes a process that runs as root the user and group nobody, with no
// supplementary groups; any other process is left as it is. Empty when done,
// else why it cannot be.
std::string DropPrivileges() {
    if (::geteuid() != 0)
        return {};
    const gid_t nobody = 65534;
    if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0)
        return std::string("cannot become the unprivileged user 65534: ") + std::strerror(errno);
    if (::geteuid() == 0 || ::setuid(0) == 0)
        return "root privileges remain after changing to user 65534";
    return {};
}
} // namespace

std::string ChildProcess::Run(const std::function<std::string()>& body, int deadlineSeconds) {
    int channel[2];
    if (::pipe2(channel, O_CLOEXEC) != 0)
        return std::string("pipe: ") + std::strerror(errno);
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid < 0)
        return std::string("fork: ") + std::strerror(errno);
    if (pid == 0) {
        ::close(channel[0]);
        std::string answer;
        try {
            answer = body();
        } catch (const std::exception& e) {
            answer = std::string("child threw: ") + e.what();
        }
        WriteAll(channel[1], answer);
        ::_exit(0);
    }
    ::close(channel[1]);

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(deadlineSeconds);
    std::string answer;
    bool late = false;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            late = true;
            break;
        }
        pollfd wait{channel[0], POLLIN, 0};
        if (::poll(&wait, 1, static_cast<int>(left.count())) < 0 && errno != EINTR)
            break;
        char buffer[4096];
        const ssize_t got = ::read(channel[0], buffer, sizeof buffer);
        if (got < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (got <= 0)
            break;
        answer.append(buffer, static_cast<size_t>(got));
    }
    ::close(channel[0]);
    if (late)
        ::kill(pid, SIGKILL);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (late)
        return "the child did not finish within " + std::to_string(deadlineSeconds) + " s";
    if (WIFSIGNALED(status))
        return "the child ended by signal " + std::to_string(WTERMSIG(status));
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "the child exited with status " + std::to_string(WEXITSTATUS(status));
    return answer;
}

std::string ChildProcess::RunUnprivileged(const std::string& folder,
                                          const std::function<std::string()>& body,
                                          int deadlineSeconds) {
    return Run(
        [&]() -> std::string {
            if (const std::string why = DropPrivileges(); !why.empty())
                return kSkip + why;
            if (::access(folder.c_str(), R_OK | X_OK) != 0)
                return std::string(kSkip) + "the unprivileged user cannot reach " + folder;
            return body();
        },
        deadlineSeconds);
}
