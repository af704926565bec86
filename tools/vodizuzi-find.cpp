#include "tools/FindCommand.h"

#include <csignal>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv) {
    // A closed pipe ends the program quietly, as it ends grep, even when the
    // parent ignored or blocked SIGPIPE.
    std::signal(SIGPIPE, SIG_DFL);
    sigset_t pipeSignal;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    sigprocmask(SIG_UNBLOCK, &pipeSignal, nullptr);
    return FindCommand().Run(std::vector<std::string>(argv + 1, argv + argc), STDOUT_FILENO,
                             stderr);
}
