#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "app/LargePages.h"
#include "cli/Commands.h"

int main(int argc, char* argv[])
{
    tarnholt::preferLargePages(argv);
    try {
        std::vector<std::string> args(argv + 1, argv + argc);
        return tarnholt::runCommandLine(args, std::cout, std::cerr);
    } catch (...) {
        std::fputs("tarnholt-cli: unexpected failure\n", stderr);
        return tarnholt::ExitFailed;
    }
}
