// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "Maincode.h"
#include "WindowPlacement.h"

#include "WindowDriver.h"

#include <QScreen>

#include <gtest/gtest.h>

namespace {

const QPoint kDesigned(152, 154);
const QSize kWindow(793, 452);

struct PlacementCase {
    const char* name;
    QRect available;
    QMargins frame;
    QSize size;
    QPoint placed;
};

void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.name; }

class WindowPosition : public testing::TestWithParam<PlacementCase> {};

TEST_P(WindowPosition, KeepsTheDesignUnlessTheWindowWouldLeaveItsScreen)
{
    const PlacementCase& c = GetParam();
    EXPECT_EQ(WindowPlacement::position(c.available, c.frame, c.size, kDesigned), c.placed);
}

INSTANTIATE_TEST_SUITE_P(Table, WindowPosition, testing::Values(
    PlacementCase{"FitsOnFullHd", {0, 0, 1920, 1080}, {}, kWindow, kDesigned},
    PlacementCase{"FitsWithItsFrame", {0, 0, 1920, 1080}, {4, 30, 4, 4}, kWindow, kDesigned},
    PlacementCase{"FitsExactlyWithItsFrame", {0, 0, 152 + 801, 154 + 490}, {4, 34, 4, 4}, kWindow,
                  kDesigned},
    // Full HD at scale factor 2: 960 by 540 device-independent pixels.
    PlacementCase{"ScaledFullHdMovesUp", {0, 0, 960, 540}, {}, kWindow, {152, 540 - 452}},
    PlacementCase{"ScaledFullHdMovesUpByItsFrameToo", {0, 0, 960, 540}, {4, 30, 4, 4}, kWindow,
                  {152, 540 - 486}},
    PlacementCase{"PanelOnTheRightMovesLeft", {0, 0, 900, 1000}, {4, 30, 4, 4}, kWindow,
                  {900 - 801, 154}},
    PlacementCase{"AreaNotAtTheOrigin", {200, 300, 1000, 1000}, {}, kWindow, {200, 300}},
    PlacementCase{"SecondScreenLeftOfThePrimary", {-1280, 0, 1280, 1024}, {}, kWindow,
                  {-1280 + 1280 - 793, 154}},
    PlacementCase{"WiderThanTheArea", {0, 0, 640, 1000}, {}, kWindow, {0, 154}},
    PlacementCase{"TallerThanTheArea", {0, 0, 1920, 400}, {}, kWindow, {152, 0}},
    PlacementCase{"LargerThanTheAreaAtItsCorner", {10, 20, 640, 400}, {4, 30, 4, 4}, kWindow, {10, 20}}
), [](const auto& info) { return std::string(info.param.name); });

// The tests' screen is 800 by 600 pixels: the window would end 145 pixels
// beyond its right edge at the designed place.
TEST(WindowPlacement, MainWindowOpensWhollyOnItsScreen)
{
    auto form = openMainForm(',');
    const QRect available = form->screen()->availableGeometry();
    EXPECT_TRUE(available.contains(form->frameGeometry()))
        << "window on the screen's available area";
    if (available.contains(QRect(kDesigned, form->frameGeometry().size())))
        EXPECT_EQ(form->frameGeometry().topLeft(), kDesigned);
    else
        EXPECT_NE(form->frameGeometry().topLeft(), kDesigned);
    const QRect button(form->Button1->mapToGlobal(QPoint(0, 0)), form->Button1->size());
    EXPECT_TRUE(available.contains(button)) << "«Показать корни» within reach";
}

} // namespace
