#pragma once

#include <functional>
#include <string>

// Runs part of a test in a forked child process, so that it may change what
// belongs to the whole process (the user, the limit on open descriptors)
// without touching the test itself.
class ChildProcess {
public:
    // A body's answer that starts with this asks the test to skip, saying why.
    static constexpr const char* kSkip = "skip: ";

    // Runs `body` in a child and returns the text it returned. A child that
    // throws, crashes, exits early or outlives the deadline gives a text that
    // says so instead.
    static std::string Run(const std::function<std::string()>& body, int deadlineSeconds = 120);

    // Makes a process that runs as root the unprivileged user nobody (65534),
    // so that permissions apply to it; a process that is not root is left as
    // it is. False, with the reason, when that cannot be done.
    static bool DropPrivileges(std::string& why);
};
