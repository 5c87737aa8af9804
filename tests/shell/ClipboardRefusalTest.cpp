// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "Exception.h"
#include "ImageClipboard.h"
#include "Maincode.h"
#include "TChart.h"
#include "TPointSeries.h"

#include "WindowDriver.h"

#include <QClipboard>
#include <QGuiApplication>

#include <gtest/gtest.h>

namespace {

// Stands for a clipboard another program holds open: it refuses until it is
// let go, then takes pictures like any other.
class BusyClipboard : public ImageClipboard {
public:
    void setImage(const QImage& image) override
    {
        if (busy)
            throw Exception(std::string(kCannotOpenClipboard));
        images.push_back(image);
    }

    bool busy = true;
    std::vector<QImage> images;
};

TEST(ClipboardRefusal, ShowsTheBoxAndTheNextCopyWorks)
{
    auto form = openMainForm(',');
    form->StringGrid1->setCell(0, 1, "-1");
    form->StringGrid1->setCell(1, 1, "1");
    form->Button1Click();
    BusyClipboard clipboard;
    form->Chart->setClipboard(&clipboard);

    // Through the menu item, as the user reaches it.
    const ErrorBoxes refused = closingErrorBoxes([&] { form->N1->trigger(); });
    EXPECT_EQ(refused.count, 1);
    EXPECT_EQ(refused.title, "Roots");
    EXPECT_EQ(refused.text, "Cannot open clipboard.");
    EXPECT_TRUE(refused.critical);
    EXPECT_TRUE(clipboard.images.empty());
    EXPECT_EQ(form->Series1->points().size(), 1u) << "the chart is as it was";

    clipboard.busy = false;
    const ErrorBoxes taken = closingErrorBoxes([&] { form->N1->trigger(); });
    EXPECT_EQ(taken.count, 0);
    ASSERT_EQ(clipboard.images.size(), 1u);
    EXPECT_EQ(clipboard.images[0].deviceIndependentSize().toSize(), form->Chart->size());

    // And back on the system clipboard.
    form->Chart->setClipboard(nullptr);
    QGuiApplication::clipboard()->clear();
    const ErrorBoxes system = closingErrorBoxes([&] { form->N1->trigger(); });
    EXPECT_EQ(system.count, 0);
    EXPECT_EQ(QGuiApplication::clipboard()->image(), clipboard.images[0]);
}

} // namespace
