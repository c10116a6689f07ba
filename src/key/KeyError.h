#pragma once

#include <stdexcept>
#include <string>

namespace sporix {

// A failure that no message of the key foresees (a file that exists but cannot be read,
// a picture that cannot be decoded). It ends the current user action and reaches the
// general error handler, which shows its text; the program goes on.
class KeyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace sporix
