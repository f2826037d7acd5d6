#pragma once

#include <functional>
#include <string>
#include <sys/types.h>

namespace tarnholt::testing {

/// What a child process reported before it ended.
struct ChildReport {
    bool exited = false; // ended by itself (not by a signal)
    std::string output;  // what the child wrote to its report pipe
};

/// Runs `work` in a forked child and returns its report (the text `work` returns). The child
/// never returns into the test: it ends with _exit.
ChildReport runInChild(const std::function<std::string()>& work);

/// Forks a child running `work` (which must end with _exit or return, then _exit(0) follows).
pid_t startChild(const std::function<void()>& work);

/// Waits for `child`; true when it ended by itself with status 0.
bool waitForChild(pid_t child, bool* killed = nullptr);

} // namespace tarnholt::testing
