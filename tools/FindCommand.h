#pragma once

#include "engine/SearchOptions.h"
#include "engine/SearchTuning.h"

#include <cstdio>
#include <string>
#include <vector>

// vodizuzi-find: the search engine as a command-line tool.
class OutputStream;

class FindCommand {
public:
    enum Status { kFound = 0, kNothingFound = 1, kUsageError = 2, kFailure = 2 };

    // Runs the command with `args` (without the program name), printing to
    // the descriptor `out` and to `err`.
    int Run(const std::vector<std::string>& args, int out, std::FILE* err);

private:
    bool Parse(const std::vector<std::string>& args, std::string& problem);
    // Runs the search; false, with the reason, when it could not be done.
    bool Search(OutputStream& output, std::FILE* err, bool& found, std::string& failure);
    bool ParseOption(const std::string& arg, std::string& problem);

    SearchOptions m_options;
    SearchTuning m_tuning;
    bool m_progress = false;
    bool m_help = false;
    std::vector<std::string> m_operands;
};
