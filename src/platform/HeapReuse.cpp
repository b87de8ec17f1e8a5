#include "HeapReuse.h"

#include <malloc.h>

namespace {

// Blocks up to this size come from the heap, not from a mapping of their own that is unmapped
// when freed (the largest value the allocator takes).
constexpr int kMappedFrom = 32 << 20;
// Free memory at the heap's top is given back only past this much: more than a frame of the
// software renderer's bins and scene data, which it frees at the end of every frame.
constexpr int kReturnedPast = 256 << 20;

} // namespace

void keep_freed_memory() {
    mallopt(M_MMAP_THRESHOLD, kMappedFrom);
    mallopt(M_TRIM_THRESHOLD, kReturnedPast);
}
