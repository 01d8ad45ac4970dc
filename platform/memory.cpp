#include "platform/memory.hpp"

#include <cstdlib>  // defines __GLIBC__ with glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace velkor::platform {

void KeepLargeBlocksForReuse() noexcept {
#if defined(__GLIBC__)
    // Blocks up to 64 MB come from the heap (the largest image, the credits roll, decodes to
    // 12.5 MB), and the heap's top is given back only past 128 MB of free space.
    mallopt(M_MMAP_THRESHOLD, 64 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024 * 1024);
#endif
}

void ReturnFreedMemory() noexcept {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

}  // namespace velkor::platform
