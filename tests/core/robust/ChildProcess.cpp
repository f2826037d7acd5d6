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
    const pid_t pid = startChild([&] {
        ::close(fds[0]);
        const std::string text = work();
        for (std::size_t done = 0; done < text.size();) {
            const ssize_t n = ::write(fds[1], text.data() + done, text.size() - done);
            if (n <= 0)
                break;
            done += static_cast<std::size_t>(n);
        }
    });
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
    bool killed = true;
    waitForChild(pid, &killed);
    report.exited = !killed;
    return report;
}

} // namespace tarnholt::testing
