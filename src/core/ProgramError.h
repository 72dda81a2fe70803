#pragma once

#include <stdexcept>
#include <string>

/// A program error: a request payload that does not fit a frame, a reply shorter than its decoder needs.
/// It abandons the current command; the command loop (view or command-line tool) catches it, tells the
/// user and goes on. It is never used for ordinary failures of the device, which are reported as false.
class CProgramError : public std::invalid_argument {
public:
    explicit CProgramError(const std::string& what)
        : std::invalid_argument(what) {}
};
