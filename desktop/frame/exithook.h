#pragma once
// What ExitSystem runs, after its log line, to end the program. The program installs one that
// releases its lock; tests install one that throws, so ExitSystem can be watched without exiting.
#include <functional>

namespace korvell {

using ExitHook = std::function<void()>;

// Installs hook (empty: none). Returns the previous one.
ExitHook setExitHook(ExitHook hook);

} // namespace korvell
