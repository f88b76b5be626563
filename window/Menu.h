#pragma once

#include <array>

#include "Form1.h"

// The window's one menu, as the design lays it out; every front end builds its menu from this.
namespace menu {

inline constexpr const char* kFileCaption = "File";

struct Command {
    const char* name;
    const char* caption;
    char ctrlKey;  // the shortcut is Ctrl and this capital
    void (Form1::*click)();
};

// In their order in the drop-down, with no separators.
inline constexpr std::array<Command, 3> kFileCommands{{
    {"mnuOH", "Open Scaffle Word File", 'O', &Form1::mnuOH_Click},
    {"mnuAbout", "About Scaffle!", 'A', &Form1::mnuAbout_Click},
    {"mnuExit", "Exit", 'X', &Form1::mnuExit_Click},
}};

}  // namespace menu
