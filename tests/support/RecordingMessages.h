#pragma once

#include <string>
#include <vector>

#include "UserMessages.h"

namespace sporix::test {

// Keeps every message the user would have read, in order; errors are marked "ERROR: ".
class RecordingMessages : public UserMessages {
public:
    void showMessage(const std::string& text) override { shown.push_back(text); }
    void reportError(const std::string& text) override { shown.push_back("ERROR: " + text); }

    // The messages since the last call.
    std::vector<std::string> take() {
        std::vector<std::string> taken;
        taken.swap(shown);
        return taken;
    }

    std::vector<std::string> shown;
};

}  // namespace sporix::test
