// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "HeapCounter.h"

#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>

// Provided by the AddressSanitizer runtime when there is one; weak, so the
// plain build links too and sees a null address.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes() __attribute__((weak));

namespace {

std::atomic<long long> g_liveBlocks{0};
std::atomic<long long> g_liveBytes{0};
std::atomic<long long> g_allocations{0};

void* counted(void* p)
{
    if (p) {
        g_liveBlocks.fetch_add(1, std::memory_order_relaxed);
        g_liveBytes.fetch_add(static_cast<long long>(malloc_usable_size(p)), std::memory_order_relaxed);
        g_allocations.fetch_add(1, std::memory_order_relaxed);
    }
    return p;
}

void* allocate(std::size_t size)
{
    if (void* p = counted(std::malloc(size ? size : 1)))
        return p;
    throw std::bad_alloc();
}

void* allocateAligned(std::size_t size, std::align_val_t alignment)
{
    const auto align = static_cast<std::size_t>(alignment);
    // aligned_alloc wants a size that is a multiple of the alignment.
    const std::size_t rounded = (size + align - 1) / align * align;
    if (void* p = counted(std::aligned_alloc(align, rounded ? rounded : align)))
        return p;
    throw std::bad_alloc();
}

void release(void* p) noexcept
{
    if (!p)
        return;
    g_liveBlocks.fetch_sub(1, std::memory_order_relaxed);
    g_liveBytes.fetch_sub(static_cast<long long>(malloc_usable_size(p)), std::memory_order_relaxed);
    std::free(p);
}

} // namespace

HeapSnapshot heapSnapshot()
{
    return {g_liveBlocks.load(), g_liveBytes.load(), g_allocations.load()};
}

long long sanitizerAllocatedBytes()
{
    if (!__sanitizer_get_current_allocated_bytes)
        return -1;
    return static_cast<long long>(__sanitizer_get_current_allocated_bytes());
}

void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return counted(std::malloc(size ? size : 1));
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return counted(std::malloc(size ? size : 1));
}
void* operator new(std::size_t size, std::align_val_t alignment) { return allocateAligned(size, alignment); }
void* operator new[](std::size_t size, std::align_val_t alignment) { return allocateAligned(size, alignment); }

void operator delete(void* p) noexcept { release(p); }
void operator delete[](void* p) noexcept { release(p); }
void operator delete(void* p, std::size_t) noexcept { release(p); }
void operator delete[](void* p, std::size_t) noexcept { release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { release(p); }
void operator delete(void* p, std::align_val_t) noexcept { release(p); }
void operator delete[](void* p, std::align_val_t) noexcept { release(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { release(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { release(p); }
