// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

// Drives the real window many times over: show-roots runs alternating tables
// that plot with tables that end in the error box, and copies of the chart
// to the clipboard through the menu item. Every run must give the same
// answer, and the live heap must not grow once the first runs have filled
// Qt's caches.

#include "ErrorDisplay.h"
#include "HeapGrowthCheck.h"
#include "Maincode.h"
#include "PlottedRoot.h"
#include "TChart.h"
#include "TPointSeries.h"

#include "WindowDriver.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <iostream>
#include <vector>

namespace {

constexpr int kRuns = 10000;
constexpr int kWarmUpRuns = 1000;
constexpr int kRunsPerCopy = kRuns / 1000;

struct SoakTable {
    QStringList cells; ///< twelve texts, row by row, real part first
    std::vector<RootPoint> points; ///< in the series' order, by x
    QString boxText; ///< empty when the table plots
};

std::vector<SoakTable> plottingTables()
{
    return {
        {{"1", "1", "-1", "-1", "0,5", "-0,5", "-4", "2", "1e0", "-2E0", "  3,25 ", "0"},
         {plottedRoot(4, -4, 2), plottedRoot(2, -1, -1), plottedRoot(3, 0.5, -0.5), plottedRoot(1, 1, 1),
          plottedRoot(5, 1, -2), plottedRoot(6, 3.25, 0)},
         {}},
        {{"", "", "-1", "1", "", "", "", "7", "0,25", "-3", "", ""},
         {plottedRoot(2, -1, 1), plottedRoot(5, 0.25, -3)},
         {}},
    };
}

// What the error box shows when `cell` cannot be converted.
QString boxText(const QString& cell)
{
    return errorBoxText("'" + cell + "' is not a valid floating point value");
}

std::vector<SoakTable> failingTables()
{
    // Long enough to be shown by its ends, short enough not to slow every
    // repaint of the table.
    const QString junk = QString::fromUtf8("1,5\t\xd0\xba e+-").repeated(100);
    return {
        {{"1", "1", "2", "2", "3", "1-2", "4", "4", "", "", "", ""},
         {plottedRoot(1, 1, 1), plottedRoot(2, 2, 2)},
         boxText("1-2")},
        {{"   ", "1", "", "", "", "", "", "", "", "", "", ""},
         {},
         boxText("   ")},
        {{"-1", "0", "", "", "-2", "0", "-3", "1e5000", "", "", "", ""},
         {plottedRoot(3, -2, 0), plottedRoot(1, -1, 0)},
         boxText("1e5000")},
        {{"1", "0", "2", "0", "3", "0", "4", "0", "5", "0", junk, "0"},
         {plottedRoot(1, 1, 0), plottedRoot(2, 2, 0), plottedRoot(3, 3, 0), plottedRoot(4, 4, 0), plottedRoot(5, 5, 0)},
         boxText(junk)},
    };
}

void fillTable(TMainForm& form, const QStringList& cells)
{
    for (int i = 0; i < cells.size(); ++i)
        form.StringGrid1->setCell(i % 2, 1 + i / 2, cells[i]);
}

// Lets Qt finish what the run left queued (repaints, deferred deletes), so
// two snapshots see the program at rest.
void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(WindowSoak, TenThousandRunsAndAThousandCopiesWithoutHeapGrowth)
{
    const std::vector<SoakTable> plotting = plottingTables();
    const std::vector<SoakTable> failing = failingTables();
    auto form = openMainForm(',');
    int wrongAnswers = 0;
    int copies = 0;
    int copyBoxes = 0;
    HeapGrowthCheck heap(kRuns, kWarmUpRuns);

    for (int run = 1; run <= kRuns; ++run) {
        // Odd runs fail, even runs plot; the last run plots.
        const std::vector<SoakTable>& kind = run % 2 ? failing : plotting;
        const SoakTable& expected = kind[std::size_t(run / 2) % kind.size()];
        fillTable(*form, expected.cells);
        const ErrorBoxes boxes = closingErrorBoxes([&] { form->Button1Click(); });
        const bool rightBox = expected.boxText.isEmpty()
            ? boxes.count == 0
            : boxes.count == 1 && boxes.text == expected.boxText && boxes.title == "Roots";
        if (!rightBox || form->Series1->points() != expected.points || rootCellTexts(*form) != expected.cells)
            ++wrongAnswers;
        if (run % kRunsPerCopy == 0) {
            copyBoxes += closingErrorBoxes([&] { form->N1->trigger(); }).count;
            ++copies;
        }
        settle();
        heap.afterRun(run);
    }

    EXPECT_EQ(wrongAnswers, 0);
    EXPECT_EQ(copies, 1000);
    EXPECT_EQ(copyBoxes, 0);
    EXPECT_EQ(form->Series1->points(), plotting[std::size_t(kRuns / 2) % plotting.size()].points);
    EXPECT_EQ(QGuiApplication::clipboard()->image().deviceIndependentSize().toSize(), form->Chart->size());
    // Qt keeps strings and pictures in malloc'ed blocks, which operator new
    // does not see; the sanitizer build counts those too. (glibc's own
    // figures are no use here: they count blocks parked in its per-thread
    // caches as in use.)
    EXPECT_TRUE(heap.heapDidNotGrow());
    std::cout << "copies " << copies << ", " << heap.summary() << "\n";
}

} // namespace
