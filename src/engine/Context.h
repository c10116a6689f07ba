#pragma once

#include "Picture.h"
#include "ProgramState.h"
#include "UserMessages.h"
#include "WorkFolder.h"

namespace sporix {

// What every handler works with: the program's state and the platform it runs on.
struct Context {
    ProgramState& state;
    const WorkFolder& folder;
    UserMessages& messages;
    PictureLoader& pictures;

    MainWindowView& main() { return state.views.main; }
    const std::string& text(int number) const { return state.text(number); }
};

}  // namespace sporix
