// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

// Feeds arbitrary bytes to the cell conversion and the show-roots command and
// checks what must hold whatever a cell holds. Input layout: the first byte
// picks the decimal separator (bit 1 set: '.', else ','), the rest is split
// at '\n' into the twelve cells, real part then imaginary part of rows 1 to 6;
// the last cell takes everything left, newlines included. So a seed file reads
// like the table: ",-1\n1\n-0,5\n" is row 1 = (-1, 1) and row 2 half filled.

#include "CellConversion.h"
#include "Exception.h"
#include "FakeRootSeries.h"
#include "FakeRootTable.h"
#include "InputFilter.h"
#include "PlottedRoot.h"
#include "RootTable.h"
#include "ShowRoots.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kCellCount = RootTable::kColumnCount * (RootTable::kLastRootRow - RootTable::kFirstRootRow + 1);
constexpr std::size_t kMaxPoints = 6;

[[noreturn]] void fail(const char* property, std::string_view text)
{
    std::fprintf(stderr, "property broken: %s\ncell text (%zu bytes): '%.*s'\n", property,
                 text.size(), static_cast<int>(text.size()), text.data());
    std::abort();
}

void require(bool holds, const char* property, std::string_view text)
{
    if (!holds)
        fail(property, text);
}

// Written out here rather than taken from the code under test, so that a
// message that loses or alters part of the text is caught.
std::string expectedMessage(std::string_view text)
{
    return "'" + std::string(text) + "' is not a valid floating point value";
}

bool sameFloat(float a, float b)
{
    return a == b && std::signbit(a) == std::signbit(b);
}

// The conversion of one cell with every property checked; nullopt when the
// text was rejected.
std::optional<float> convertChecked(std::string_view text, char separator)
{
    const std::string padded = "  " + std::string(text) + " ";
    try {
        const float value = cellTextToFloat(text, separator);
        require(std::isfinite(value), "an accepted text gives a finite value", text);
        try {
            require(sameFloat(cellTextToFloat(padded, separator), value),
                    "spaces around an accepted text keep its value", text);
        } catch (const EConvertError&) {
            fail("spaces around an accepted text keep it accepted", text);
        }
        return value;
    } catch (const EConvertError& e) {
        require(e.message() == expectedMessage(text), "the message names the exact text", text);
        try {
            cellTextToFloat(padded, separator);
            fail("spaces around a rejected text keep it rejected", text);
        } catch (const EConvertError& padError) {
            require(padError.message() == expectedMessage(padded),
                    "the message names the exact text, spaces included", padded);
        }
        return std::nullopt;
    }
}

// The cells in table order: real part, then imaginary part, row by row.
constexpr int columnOf(int cell) { return cell % RootTable::kColumnCount; }
constexpr int rowOf(int cell) { return RootTable::kFirstRootRow + cell / RootTable::kColumnCount; }

FakeRootTable splitCells(const std::uint8_t* data, std::size_t size)
{
    FakeRootTable cells;
    const std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::size_t begin = 0;
    for (int i = 0; i < kCellCount && begin <= rest.size(); ++i) {
        const std::size_t end = i + 1 < kCellCount ? rest.find('\n', begin) : std::string_view::npos;
        const std::size_t length = end == std::string_view::npos ? rest.size() - begin : end - begin;
        cells.setCell(columnOf(i), rowOf(i), std::string(rest.substr(begin, length)));
        begin = begin + length + 1;
    }
    return cells;
}

void checkFilter(unsigned char byte, char separator)
{
    const char32_t applied = filterKey(byte, separator);
    const bool allowed = applied == 0 || (applied >= U'0' && applied <= U'9') ||
                         applied == char32_t(separator) || applied == U'-' || applied == kBackspace;
    const char text[] = {char(byte)};
    require(allowed, "the key filter lets through only digits, the separator, '-' and Backspace",
            std::string_view(text, 1));
    if (byte >= '0' && byte <= '9')
        require(applied == byte, "the key filter keeps digits", std::string_view(text, 1));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const char separator = (data[0] & 2) ? '.' : ',';
    const FakeRootTable cells = splitCells(data + 1, size - 1);

    // What the command must do, worked out cell by cell: rows in order,
    // half-filled rows skipped, the real part before the imaginary part, and
    // the first bad text ends it.
    std::vector<RootPoint> expected;
    std::optional<std::string> expectedError;
    for (int row = RootTable::kFirstRootRow; row <= RootTable::kLastRootRow && !expectedError; ++row) {
        const std::string re = cells.cellText(RootTable::kRealColumn, row);
        const std::string im = cells.cellText(RootTable::kImaginaryColumn, row);
        if (re.empty() || im.empty())
            continue;
        const std::optional<float> x = convertChecked(re, separator);
        if (!x) {
            expectedError = expectedMessage(re);
            break;
        }
        const std::optional<float> y = convertChecked(im, separator);
        if (!y) {
            expectedError = expectedMessage(im);
            break;
        }
        expected.push_back(plottedRoot(row, *x, *y));
    }
    // Cells the command never reaches must still convert safely.
    for (int i = 0; i < kCellCount; ++i)
        convertChecked(cells.cellText(columnOf(i), rowOf(i)), separator);

    FakeRootSeries series;
    series.points.push_back({"stale", 1, 1, clRed});
    std::optional<std::string> error;
    try {
        showRoots(cells, series, separator);
    } catch (const EConvertError& e) {
        error = e.message();
    } catch (const std::out_of_range& e) {
        fail("the command reads only the root cells", e.what());
    }
    require(error == expectedError, "the command fails exactly at the first bad cell, naming it",
            error.value_or("(no error)"));
    require(series.points.size() <= kMaxPoints, "the series never holds more than six points", "");
    require(series.points.size() == expected.size(), "one point per complete row before the bad one", "");
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const RootPoint& got = series.points[i];
        require(got.label == expected[i].label, "labels follow rows", got.label);
        require(got.x == expected[i].x && std::signbit(got.x) == std::signbit(expected[i].x) &&
                    got.y == expected[i].y && std::signbit(got.y) == std::signbit(expected[i].y),
                "a point lies at its row's converted parts", got.label);
        require(got.color == kRootColor, "points are green", got.label);
    }

    for (std::size_t i = 0; i < size; ++i)
        checkFilter(data[i], separator);
    return 0;
}
