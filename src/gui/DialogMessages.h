#pragma once

#include "UserMessages.h"

namespace sporix {

// Modal message boxes with one OK button and the program's default title.
class DialogMessages : public UserMessages {
public:
    void showMessage(const std::string& text) override;
    void reportError(const std::string& text) override;
};

}  // namespace sporix
