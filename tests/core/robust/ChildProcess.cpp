#include "ChildProcess.h"

#include <cerrno>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

namespace tarnholt::testing {

pid_t startChild(const std::function<void()>& work)
{
    std::fflush(nullptr); // nothing buffered is written twice or lost
    pid_t pid = ::fork();
    if (pid == 0) {
        work();
        ::_exit(0);
    }
    return pid;
}

bool waitForChild(pid_t child, bool* killed)
{
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (killed)
        *killed = WIFSIGNALED(status);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

ChildReport runInChild(const std::function<std::string()>& work)
{
    int fds[2];
    ChildReport report;
    if (::pipe(fds) != 0)
        return report;
    std::fflush(nullptr);
    pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        std::string text = work();
        const char* p = text.data();
        std::size_t left = text.size();
        while (left > 0) {
            ssize_t n = ::write(fds[1], p, left);
            if (n <= 0)
                break;
            p += n;
            left -= static_cast<std::size_t>(n);
        }
        ::close(fds[1]);
        ::_exit(0);
    }
    ::close(fds[1]);
    char buffer[4096];
    for (;;) {
        ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        report.output.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    report.exited = WIFEXITED(status);
    report.exitCode = report.exited ? WEXITSTATUS(status) : -1;
    return report;
}

} // namespace tarnholt::testing
