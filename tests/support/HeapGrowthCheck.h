// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <gtest/gtest.h>

#include <string>

/// How much the program holds on the heap at one moment.
struct HeapLevel {
    long long blocks = 0; ///< live blocks from operator new
    long long bytes = 0; ///< their usable bytes
    long long sanitizerBytes = -1; ///< everything, malloc included; -1 without AddressSanitizer
};

/// Tells a leak from a cache over a long run of the same work.
///
/// A leak adds to the heap on every run. A cache fills during the first runs
/// and may afterwards drop what it holds and take it again, Qt's pixmap and
/// font caches on timers, so when depends on the machine's speed. The check
/// therefore compares the lowest level seen over the last runs with the
/// highest seen over the last runs of the warm-up: a cache that empties and
/// fills again stays within that, while a leak of even one small block per
/// run adds thousands of blocks in between.
class HeapGrowthCheck {
public:
    /// Room for the few one-off allocations a long run may still make after
    /// the warm-up and never repeat (a container's next capacity step, a slot
    /// in the event dispatcher's timer table). It does not grow with the
    /// runs; one 16-byte block per run over a soak's runs is far beyond it.
    static constexpr HeapLevel kAllowance{64, 16 * 1024, 16 * 1024};

    /// Runs are numbered 1 to `runs`; the first `warmUpRuns` fill the caches,
    /// and the last half of them and of all runs are the two stretches compared.
    HeapGrowthCheck(int runs, int warmUpRuns);

    /// Records the heap after run `run`; call it after every run, with the
    /// program at rest.
    void afterRun(int run);

    /// Success when the heap did not grow beyond the allowance, the runs
    /// between the two stretches are enough for a leak of one small block per
    /// run to exceed it, and the runs really went through operator new.
    testing::AssertionResult heapDidNotGrow() const;

    /// The figures compared, for the test's log.
    std::string summary() const;

private:
    int runs_;
    int warmUpRuns_;
    int stretch_;
    HeapLevel warmUpHighest_;
    HeapLevel endLowest_;
    long long allocationsAfterWarmUp_ = 0;
    long long allocationsAtEnd_ = 0;
};
