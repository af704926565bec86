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

    // Runs `body` as Run does, in a child that permissions apply to: a test
    // running as root becomes the unprivileged user nobody (65534) there
    // first; any other user stays who it is. The body works in `folder`: a
    // child that cannot drop root, or whose user cannot enter and list
    // `folder`, answers kSkip with the reason instead.
    //
    // The body runs in the forked copy of the test, never through a new
    // program: the test's own executable may lie where that user cannot
    // reach it (a build tree in a private folder).
    static std::string RunUnprivileged(const std::string& folder,
                                       const std::function<std::string()>& body,
                                       int deadlineSeconds = 120);
};
