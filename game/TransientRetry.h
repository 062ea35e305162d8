// Antivirus scanners, the indexer and back-up programs open a file for a moment just after
// it is written or closed, and Windows then refuses to open, create, replace or remove it
// with ERROR_ACCESS_DENIED (5), ERROR_SHARING_VIOLATION (32) or ERROR_LOCK_VIOLATION (33).
// Such a refusal is tried again a bounded number of times, each pause longer than the
// last, as SQLite does. Free of <windows.h>, so the rule is tested on every build.
#pragma once

namespace game {

inline constexpr int kTransientRetries = 8;

inline constexpr bool IsTransientRefusal(int code)
{
    return code == 5 || code == 32 || code == 33;
}

// The pause in milliseconds before a call refused with `code` is made again, counted in
// `retries`; 0 when it is not made again. 25 ms longer each time, 900 ms for all eight.
inline constexpr unsigned RetryPauseMs(int code, int& retries)
{
    if (!IsTransientRefusal(code) || retries >= kTransientRetries)
        return 0;
    return 25u * static_cast<unsigned>(++retries);
}

}  // namespace game
