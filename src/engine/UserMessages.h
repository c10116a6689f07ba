#pragma once

#include <string>

namespace sporix {

// Every message the user reads goes through here: modal boxes with one OK button, in which
// a line feed breaks the lines. Texts are Windows-1252 bytes, as the key's files hold them.
class UserMessages {
public:
    virtual ~UserMessages() = default;
    virtual void showMessage(const std::string& text) = 0;
    // The general error handler: a failure that no message foresees, with the system's text.
    virtual void reportError(const std::string& text) = 0;
};

}  // namespace sporix
