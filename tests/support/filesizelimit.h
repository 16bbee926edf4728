#pragma once
// A full disk for one call: while it runs, the process may write no file beyond a size.
#include <csignal>
#include <sys/resource.h>

namespace testsupport {

template <class Work> auto withFileSizeLimit(rlim_t bytes, Work work)
{
    rlimit saved {};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = bytes;
    const auto handler = std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead
    setrlimit(RLIMIT_FSIZE, &small);
    const auto result = work();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    return result;
}

} // namespace testsupport
