// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <sys/types.h>

/// Peak resident memory (VmHWM) of `root` and every process descended from
/// it, summed, in KiB. A program that hands its window to a helper process,
/// as gnuplot does, is charged for both.
long peakResidentKiB(pid_t root);
