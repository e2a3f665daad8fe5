// Whether the program has a screen to show its window on, decided before the
// application object exists: without one, Qt aborts with a message about
// platform plugins that tells a user nothing about what to do.
#pragma once

namespace tensorium {

// What the program says, on standard error, when there is no display.
inline constexpr const char* kNoDisplayMessage =
    "Tensorium needs a graphical desktop and found no display (neither DISPLAY nor WAYLAND_DISPLAY is set): "
    "start it from a terminal or the applications menu inside a desktop session.";

// True when a platform is named (the -platform option or QT_QPA_PLATFORM) or
// an X or Wayland display is set; Qt then decides whether it can be used.
bool HasDisplay(int argc, char** argv);

}  // namespace tensorium
