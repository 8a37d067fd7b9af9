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
// (virtual machines above all). Freed memory is kept for the next database instead. Large blocks
// still come from the system apart from the heap: kept in the heap, the recovery copy's snapshot
// slices took twice as long.
namespace HeapPolicy {

constexpr int keptFreeBytes = 512 * 1024 * 1024;

// Called once at the start of main(), before anything large is allocated.
inline void keepFreedMemory()
{
#ifdef __GLIBC__
    mallopt(M_TRIM_THRESHOLD, keptFreeBytes);
#endif
}

} // namespace HeapPolicy

#endif // HEAPPOLICY_H
