// Antivirus scanners, the indexer and back-up programs open a file for a moment just after
// it is written or closed, and Windows then refuses to open, create, replace or remove it
// with ERROR_ACCESS_DENIED (5), ERROR_SHARING_VIOLATION (32) or ERROR_LOCK_VIOLATION (33).
// Such a refusal is tried again a bounded number of times, each pause longer than the
// last, as SQLite does. Free of <windows.h>: the pause is handed in.
#pragma once

namespace game {

inline constexpr int kTransientRetries = 8;

inline constexpr bool IsTransientRefusal(int code)
{
    return code == 5 || code == 32 || code == 33;
}

// The pause before retry `n` (0 for the first): 25 ms more each time, 900 ms for all.
inline constexpr unsigned RetryPauseMs(int n)
{
    return 25u * static_cast<unsigned>(n + 1);
}

// Calls `attempt` (0 on success, else the error code) until it succeeds, fails otherwise
// than transiently or the retries are used up, with `pause(ms)` before each retry; returns
// the last result.
template <class Attempt, class Pause>
int RetryTransient(Attempt&& attempt, Pause&& pause)
{
    int result = attempt();
    for (int n = 0; n < kTransientRetries && IsTransientRefusal(result); ++n) {
        pause(RetryPauseMs(n));
        result = attempt();
    }
    return result;
}

}  // namespace game
