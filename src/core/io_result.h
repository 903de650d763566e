#pragma once
// Outcome of a file operation: success, or failure with a reason a user can read.

#include <string>

struct IoResult {
    bool ok = true;
    std::string reason; // Italian, UTF-8; empty on success
    bool inUse = false; // failed because another program holds the file

    static IoResult success() { return {}; }
    static IoResult failure(std::string why) { return {false, std::move(why)}; }
    static IoResult heldElsewhere(std::string why) { return {false, std::move(why), true}; }
    explicit operator bool() const { return ok; }
};

// Italian text for a C library error number (errno), for messages to the user.
std::string describeErrno(int error);
