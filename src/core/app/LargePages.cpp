#include "app/LargePages.h"

#include <cstdlib>
#include <fstream>
#include <string>

#if defined(__linux__) && defined(__GLIBC__)
#include <unistd.h>
#define TARNHOLT_CAN_RERUN 1
#endif

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define TARNHOLT_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || __has_feature(memory_sanitizer)
#define TARNHOLT_SANITIZED 1
#endif
#endif

namespace tarnholt {

void preferLargePages([[maybe_unused]] char** argv)
{
#if defined(TARNHOLT_CAN_RERUN) && !defined(TARNHOLT_SANITIZED)
    if (argv == nullptr || std::getenv("TARNHOLT_LARGE_PAGES") != nullptr)
        return;
    // "always" needs no request and "never" refuses it; only "madvise" gains from the re-run.
    std::ifstream mode("/sys/kernel/mm/transparent_hugepage/enabled");
    std::string setting;
    std::getline(mode, setting);
    if (setting.find("[madvise]") == std::string::npos)
        return;
    std::string tunables;
    if (const char* current = std::getenv("GLIBC_TUNABLES")) {
        tunables = current;
        if (tunables.find("glibc.malloc.hugetlb") != std::string::npos)
            return;
        tunables += ':';
    }
    tunables += "glibc.malloc.hugetlb=1";
    if (::setenv("TARNHOLT_LARGE_PAGES", "1", 1) != 0 || ::setenv("GLIBC_TUNABLES", tunables.c_str(), 1) != 0)
        return;
    ::execv("/proc/self/exe", argv);
    // Still here: the re-run could not start. The program works the same without it.
#endif
}

} // namespace tarnholt
