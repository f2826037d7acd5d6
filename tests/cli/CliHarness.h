#pragma once

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../core/generate/TempFolder.h"

namespace tarnholt::clitest {

using Folder = tarnholt::testing::TempFolder;

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

/// What one run of the tool gave.
struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

/// Runs the built tarnholt-cli with `args`, no standard input, and collects its two output streams.
/// A run that ends by a signal (a crash) has status 128 + the signal number.
inline CliRun runCli(const std::vector<std::string>& args)
{
    Folder streams;
    const std::string outPath = streams.file("out"), errPath = streams.file("err");

    std::vector<std::string> words{TARNHOLT_CLI_PATH};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    CliRun run;
    const pid_t child = ::fork();
    if (child == 0) {
        const int in = ::open("/dev/null", O_RDONLY);
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (in < 0 || out < 0 || err < 0)
            ::_exit(127);
        ::dup2(in, 0);
        ::dup2(out, 1);
        ::dup2(err, 2);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    if (child < 0)
        return run;
    int status = 0;
    while (::waitpid(child, &status, 0) < 0)
        if (errno != EINTR)
            return run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.out = streams.read("out");
    run.err = streams.read("err");
    return run;
}

} // namespace tarnholt::clitest
