#pragma once
// ExitSystem in tests: the installed hook throws instead of ending the test program.
#include "desktop/frame/exithook.h"

namespace frametest {

struct ProgramEnded { };

class CatchExit {
public:
    CatchExit()
    {
        previous = korvell::setExitHook([] { throw ProgramEnded {}; });
    }
    ~CatchExit() { korvell::setExitHook(std::move(previous)); }
    CatchExit(const CatchExit&) = delete;
    CatchExit& operator=(const CatchExit&) = delete;

private:
    korvell::ExitHook previous;
};

} // namespace frametest
