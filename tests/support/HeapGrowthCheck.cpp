// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "HeapGrowthCheck.h"

#include "HeapCounter.h"

#include <algorithm>
#include <limits>
#include <sstream>

namespace {

constexpr long long kLeakedBlockBytes = 16;

HeapLevel currentLevel()
{
    const HeapSnapshot heap = heapSnapshot();
    return {heap.liveBlocks, heap.liveBytes, sanitizerAllocatedBytes()};
}

// Each figure of `a` and `b` combined on its own, as the highest or lowest.
template <class Pick>
HeapLevel combined(const HeapLevel& a, const HeapLevel& b, Pick pick)
{
    return {pick(a.blocks, b.blocks), pick(a.bytes, b.bytes), pick(a.sanitizerBytes, b.sanitizerBytes)};
}

long long higher(long long a, long long b) { return std::max(a, b); }
long long lower(long long a, long long b) { return std::min(a, b); }

} // namespace

HeapGrowthCheck::HeapGrowthCheck(int runs, int warmUpRuns)
    : runs_(runs),
      warmUpRuns_(warmUpRuns),
      stretch_(warmUpRuns / 2),
      warmUpHighest_{std::numeric_limits<long long>::min(), std::numeric_limits<long long>::min(),
                     std::numeric_limits<long long>::min()},
      endLowest_{std::numeric_limits<long long>::max(), std::numeric_limits<long long>::max(),
                 std::numeric_limits<long long>::max()}
{
}

void HeapGrowthCheck::afterRun(int run)
{
    if (run > warmUpRuns_ - stretch_ && run <= warmUpRuns_)
        warmUpHighest_ = combined(warmUpHighest_, currentLevel(), higher);
    if (run > runs_ - stretch_)
        endLowest_ = combined(endLowest_, currentLevel(), lower);
    if (run == warmUpRuns_)
        allocationsAfterWarmUp_ = heapSnapshot().allocations;
    if (run == runs_)
        allocationsAtEnd_ = heapSnapshot().allocations;
}

testing::AssertionResult HeapGrowthCheck::heapDidNotGrow() const
{
    const long long runsBetween = runs_ - stretch_ - warmUpRuns_;
    if (runsBetween <= kAllowance.blocks || runsBetween * kLeakedBlockBytes <= kAllowance.bytes ||
        runsBetween * kLeakedBlockBytes <= kAllowance.sanitizerBytes)
        return testing::AssertionFailure() << "too few runs after the warm-up: a leak of one small block per "
                                              "run would stay within the allowance; "
                                           << summary();
    // Without calls to operator new between the two stretches the counts
    // would prove nothing.
    if (allocationsAtEnd_ - allocationsAfterWarmUp_ <= runs_ - warmUpRuns_)
        return testing::AssertionFailure() << "the runs hardly used the heap; " << summary();
    const bool grew = endLowest_.blocks - warmUpHighest_.blocks > kAllowance.blocks ||
                      endLowest_.bytes - warmUpHighest_.bytes > kAllowance.bytes ||
                      (endLowest_.sanitizerBytes >= 0 &&
                       endLowest_.sanitizerBytes - warmUpHighest_.sanitizerBytes > kAllowance.sanitizerBytes);
    if (grew)
        return testing::AssertionFailure() << "the live heap grew; " << summary();
    return testing::AssertionSuccess();
}

std::string HeapGrowthCheck::summary() const
{
    std::ostringstream out;
    out << "runs " << runs_ << ", operator new calls from run " << warmUpRuns_ << " to " << runs_ << ": "
        << allocationsAtEnd_ - allocationsAfterWarmUp_ << "; highest over runs " << warmUpRuns_ - stretch_ + 1
        << "-" << warmUpRuns_ << " -> lowest over runs " << runs_ - stretch_ + 1 << "-" << runs_
        << ": live blocks " << warmUpHighest_.blocks << " -> " << endLowest_.blocks << ", live bytes "
        << warmUpHighest_.bytes << " -> " << endLowest_.bytes << ", sanitizer bytes "
        << warmUpHighest_.sanitizerBytes << " -> " << endLowest_.sanitizerBytes << " (allowance "
        << kAllowance.blocks << " blocks, " << kAllowance.bytes << " bytes)";
    return out.str();
}
