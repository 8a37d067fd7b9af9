// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef HEAPPOLICY_H
#define HEAPPOLICY_H

#ifdef __GLIBC__
#include <malloc.h>
#endif

// How the process keeps the memory it frees. A database of a million sentences is a few hundred
// megabytes in small blocks; by default the C library hands freed memory back to the system as soon
// as enough lies free at the top of the heap, and a database loaded, built or merged afterwards has
// to be given it again page by page, which costs more than the work itself on some systems
// (virtual machines above all). Freed memory is kept for the next database instead. Blocks of a few
// megabytes (a file's write buffers) stay in the heap, where a freed one is used again; larger ones
// come from the system apart from it, which keeps the recovery copy's snapshot slices short. (Set
// by hand, the threshold no longer follows the C library's own rule, which lands near 32 MB and
// made those slices take twice as long; at the library's starting 128 KB, a save took three
// times as long.)
namespace HeapPolicy {

constexpr int keptFreeBytes = 512 * 1024 * 1024;
constexpr int heapBlocksUpTo = 4 * 1024 * 1024;

// Called once at the start of main(), before anything large is allocated.
inline void keepFreedMemory()
{
#ifdef __GLIBC__
    mallopt(M_TRIM_THRESHOLD, keptFreeBytes);
    mallopt(M_MMAP_THRESHOLD, heapBlocksUpTo);
#endif
}

} // namespace HeapPolicy

#endif // HEAPPOLICY_H
