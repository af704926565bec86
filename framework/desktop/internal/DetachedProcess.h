#pragma once

#include <string>
#include <vector>

// Starts a program that runs on its own: never waited for, yet reaped when it
// ends so that it leaves no zombie behind.
class DetachedProcess {
public:
    // Runs argv[0], looked up in PATH unless it holds a slash, with `argv` as
    // its argument vector: no shell, every argument passed with its exact
    // bytes. True when the program was executed.
    static bool Start(const std::vector<std::string>& argv);
};
