#pragma once

#include <cstdlib>
#include <fstream>
#include <string>

// A field of /proc/self/status in kB ("VmRSS", "VmHWM", "VmSize"); -1 when
// it cannot be read.
inline long StatusKb(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.compare(0, field.size() + 1, field + ":") == 0)
            return std::atol(line.c_str() + field.size() + 1);
    }
    return -1;
}
