#include "framework/desktop/internal/DetachedProcess.h"

#include <cerrno>
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {
// The spawn settings for a program of its own: a session of its own (so the
// terminal's job control does not reach it), default signal handling, no
// blocked signals and no descriptors beyond the standard three.
class SpawnSettings {
public:
    SpawnSettings() {
        posix_spawnattr_init(&m_attributes);
        sigset_t signals;
        sigemptyset(&signals);
        posix_spawnattr_setsigmask(&m_attributes, &signals);
        sigfillset(&signals);
        posix_spawnattr_setsigdefault(&m_attributes, &signals);
        posix_spawnattr_setflags(&m_attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK |
                                                    POSIX_SPAWN_SETSIGDEF);
        posix_spawn_file_actions_init(&m_actions);
        posix_spawn_file_actions_addclosefrom_np(&m_actions, STDERR_FILENO + 1);
    }
    ~SpawnSettings() {
        posix_spawn_file_actions_destroy(&m_actions);
        posix_spawnattr_destroy(&m_attributes);
    }
    SpawnSettings(const SpawnSettings&) = delete;
    SpawnSettings& operator=(const SpawnSettings&) = delete;

    const posix_spawnattr_t* Attributes() const { return &m_attributes; }
    const posix_spawn_file_actions_t* Actions() const { return &m_actions; }

private:
    posix_spawnattr_t m_attributes;
    posix_spawn_file_actions_t m_actions;
};
} // namespace

bool DetachedProcess::Start(const std::vector<std::string>& argv) {
    if (argv.empty())
        return false;
    std::vector<char*> arguments;
    for (const std::string& argument : argv)
        arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);

    // glibc's posix_spawnp returns only after the exec: a program that cannot
    // be found or run comes back here as an error, not as a child that exits.
    const SpawnSettings settings;
    pid_t pid = 0;
    if (posix_spawnp(&pid, arguments[0], settings.Actions(), settings.Attributes(),
                     arguments.data(), environ) != 0)
        return false;

    std::thread([pid] {
        while (waitpid(pid, nullptr, 0) == -1 && errno == EINTR) {
        }
    }).detach();
    return true;
}
