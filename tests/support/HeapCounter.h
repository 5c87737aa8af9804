// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>

/// Live heap as seen through the global operator new and delete, which this
/// test program replaces. Counting blocks and bytes rather than timing makes
/// a leak in a long run show up as a plain number.
struct HeapSnapshot {
    long long liveBlocks = 0;
    long long liveBytes = 0;
    long long allocations = 0; ///< operator new calls so far, freed or not
};

HeapSnapshot heapSnapshot();

/// Bytes the sanitizer's allocator holds for the program (malloc included),
/// or -1 when the program was built without AddressSanitizer.
long long sanitizerAllocatedBytes();
