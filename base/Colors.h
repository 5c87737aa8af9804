// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>

/// A colour as the window design stores it: 0x00BBGGRR for plain RGB (blue in
/// the high byte), or a system interface colour with kSystemColorFlag set and
/// the role in the low byte, resolved by the widget layer when drawing.
using TColor = std::uint32_t;

inline constexpr TColor kSystemColorFlag = 0x80000000u;

constexpr TColor rgbColor(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}
constexpr std::uint8_t redOf(TColor c) { return std::uint8_t(c & 0xFF); }
constexpr std::uint8_t greenOf(TColor c) { return std::uint8_t((c >> 8) & 0xFF); }
constexpr std::uint8_t blueOf(TColor c) { return std::uint8_t((c >> 16) & 0xFF); }
constexpr bool isSystemColor(TColor c) { return (c & kSystemColorFlag) != 0; }

inline constexpr TColor clWhite = 0x00FFFFFFu;
inline constexpr TColor clRed = 0x000000FFu;
inline constexpr TColor clBlue = 0x00FF0000u;
inline constexpr TColor clGreen = 0x00008000u;
/// Background of dialogs and buttons.
inline constexpr TColor clBtnFace = kSystemColorFlag | 1u;
/// Ordinary text on a window.
inline constexpr TColor clWindowText = kSystemColorFlag | 2u;
/// A point added without a colour of its own takes its series' colour.
inline constexpr TColor clDefault = kSystemColorFlag | 0xFFu;

static_assert(rgbColor(0, 128, 0) == clGreen);
static_assert(rgbColor(255, 0, 0) == clRed && rgbColor(0, 0, 255) == clBlue);
