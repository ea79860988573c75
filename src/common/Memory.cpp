#include "common/Memory.h"

#include <cstdlib> // defines __GLIBC__ where the C library is glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void KeepFreedMemoryForReuse() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024); // the most glibc accepts
    mallopt(M_TRIM_THRESHOLD, 512 * 1024 * 1024);
#endif
}
