// Where the program's own lines (usage, content check, replay results, traces) go when it is a
// windowed program without a console of its own.
#pragma once

#include <string>

namespace velkor::platform {

// On Windows the game is a GUI-subsystem program: started from cmd.exe or PowerShell it has no
// standard output or error, so this points the missing ones (std::cout, std::cerr, std::clog) at
// the console of the process that started it. Output already redirected (a file, a pipe) stays
// where it goes; with no console anywhere (a double-click) nothing changes. Elsewhere the
// standard streams are always given and this does nothing. Returns a trace line saying what it
// did, empty when nothing was missing.
std::string UseParentConsole();

}  // namespace velkor::platform
