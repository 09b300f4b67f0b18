#pragma once

#include <stdexcept>

// Raised when the settings file exists but cannot be opened for writing: it ends the
// operation whose put triggered the save.
class ConfigWriteError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};
