#pragma once

namespace tarnholt {

/// Big zones are millions of small records built in fresh memory, and on virtual machines each
/// first touch of a 4 KiB page is expensive. With transparent huge pages available on request
/// ("madvise" mode), this runs the program once more with the C library asked to back its heap
/// with them (GLIBC_TUNABLES=glibc.malloc.hugetlb=1), which makes opening a large World about
/// twice as fast. Call it first thing in main, before any thread or window exists.
///
/// Nothing happens when the kernel or C library cannot do it, when the tunable is already set,
/// under a sanitizer, or when TARNHOLT_LARGE_PAGES is set in the environment (0 switches it off;
/// the re-run sets it to 1 so that it never loops). If the re-run cannot start, the program simply
/// goes on as it is.
void preferLargePages(char** argv);

} // namespace tarnholt
