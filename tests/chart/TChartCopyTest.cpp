// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "Exception.h"
#include "ImageClipboard.h"
#include "PixelChecks.h"
#include "TChart.h"
#include "TPointSeries.h"

#include <QClipboard>
#include <QGuiApplication>

#include <gtest/gtest.h>

namespace {

class RecordingClipboard : public ImageClipboard {
public:
    void setImage(const QImage& image) override { images.push_back(image); }
    std::vector<QImage> images;
};

class UnavailableClipboard : public ImageClipboard {
public:
    void setImage(const QImage&) override { throw Exception(std::string(kCannotOpenClipboard)); }
};

struct SizeCase {
    const char* name;
    QSize size;
};

class TChartCopy : public testing::TestWithParam<SizeCase> {};

TEST_P(TChartCopy, PutsTheWholeChartAtItsSizeOnAWhiteBackground)
{
    TChart chart;
    chart.resize(GetParam().size);
    chart.series()->addPoint({"p1", -1, 1, clGreen});
    RecordingClipboard clipboard;
    chart.setClipboard(&clipboard);

    chart.copyToClipboard();

    ASSERT_EQ(clipboard.images.size(), 1u);
    const QImage& image = clipboard.images.front();
    EXPECT_EQ(image.deviceIndependentSize(), QSizeF(GetParam().size));
    EXPECT_EQ(image.devicePixelRatio(), chart.devicePixelRatioF());
    EXPECT_TRUE(isWhite(image.pixelColor(0, 0)));
    EXPECT_TRUE(isWhite(image.pixelColor(image.width() - 1, image.height() - 1)));
    EXPECT_GT(countPixels(image, image.rect(), isBlue), 20) << "the title";
    EXPECT_GT(countPixels(image, image.rect(), isGreen), 0) << "the root";
    EXPECT_GT(countPixels(image, image.rect(), isLightYellow), 0) << "its mark";
}

INSTANTIATE_TEST_SUITE_P(Sizes, TChartCopy,
    testing::Values(SizeCase{"DesignSize", {609, 425}}, SizeCase{"Resized", {800, 500}}),
    [](const auto& info) { return info.param.name; });

TEST(TChartCopyFailure, AnUnusableClipboardGivesCannotOpenClipboard)
{
    TChart chart;
    UnavailableClipboard clipboard;
    chart.setClipboard(&clipboard);
    try {
        chart.copyToClipboard();
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Cannot open clipboard");
    }
}

TEST(TChartCopySystem, ReplacesTheSystemClipboardsContentsByTheImage)
{
    QGuiApplication::clipboard()->setText("before");
    TChart chart;
    chart.resize(609, 425);
    chart.copyToClipboard();
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), QSize(609, 425) * chart.devicePixelRatioF());
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

} // namespace
