#pragma once

#include <stdexcept>

// Thrown before anything is searched when the limit on open descriptors
// leaves fewer than a search needs: a folder, its parent and one file.
class TooFewDescriptors : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
