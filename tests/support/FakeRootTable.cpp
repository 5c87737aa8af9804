// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "FakeRootTable.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace {

std::size_t rootIndex(int row)
{
    if (row < RootTable::kFirstRootRow || row > RootTable::kLastRootRow)
        throw std::out_of_range("row " + std::to_string(row) + " is not a root row");
    return std::size_t(row - RootTable::kFirstRootRow);
}

} // namespace

FakeRootTable& FakeRootTable::row(int row, std::string re, std::string im)
{
    cell(RootTable::kRealColumn, row) = std::move(re);
    cell(RootTable::kImaginaryColumn, row) = std::move(im);
    return *this;
}

void FakeRootTable::setCell(int column, int row, std::string text)
{
    cell(column, row) = std::move(text);
}

std::string FakeRootTable::cellText(int column, int row) const
{
    const std::string& text = cells_[rootIndex(row)].at(std::size_t(column));
    ++reads_[rootIndex(row)];
    return text;
}

int FakeRootTable::reads(int row) const
{
    return reads_[rootIndex(row)];
}

std::string& FakeRootTable::cell(int column, int row)
{
    return cells_[rootIndex(row)].at(std::size_t(column));
}
