// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "TChart.h"
#include "TPointSeries.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QLocale>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// One event as assistive technology would have received it.
struct Heard {
    QAccessible::Event type;
    QAccessible::Role role;
    QString name;

    friend bool operator==(const Heard&, const Heard&) = default;
};

std::ostream& operator<<(std::ostream& out, const Heard& heard)
{
    return out << "{event " << heard.type << ", role " << heard.role << ", " << heard.name.toStdString() << '}';
}

std::vector<Heard>* heardEvents = nullptr;

void recordEvent(QAccessibleEvent* event)
{
    QAccessibleInterface* iface = event->accessibleInterface();
    // Only what the chart and its roots say counts here.
    if (!heardEvents || !iface
        || (iface->role() != QAccessible::Chart && iface->role() != QAccessible::Graphic))
        return;
    heardEvents->push_back({event->type(), iface->role(), iface->text(QAccessible::Name)});
}

const QString kBottomAxis = QStringLiteral("действительная ось");
const QString kLeftAxis = QStringLiteral("мнимая ось");

class ChartAccessibility : public testing::Test {
protected:
    ChartAccessibility()
    {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        chart.resize(609, 425);
        previousHandler = QAccessible::installUpdateHandler(recordEvent);
        heardEvents = &heard;
    }
    ~ChartAccessibility() override
    {
        heardEvents = nullptr;
        QAccessible::installUpdateHandler(previousHandler);
        QLocale::setDefault(QLocale::c());
    }

    QAccessibleInterface* chartInterface() { return QAccessible::queryAccessibleInterface(&chart); }

    QStringList childNames()
    {
        QStringList names;
        QAccessibleInterface* iface = chartInterface();
        for (int i = 0; i < iface->childCount(); ++i)
            names << iface->child(i)->text(QAccessible::Name);
        return names;
    }

    // As the show-roots command fills the series.
    void plot(const std::vector<RootPoint>& points)
    {
        chart.series()->clear();
        for (const RootPoint& point : points)
            chart.series()->addPoint(point);
    }

    TChart chart;
    std::vector<Heard> heard;
    QAccessible::UpdateHandler previousHandler = nullptr;
};

TEST_F(ChartAccessibility, IsAChartNamedByItsTitleThatTellsItsAxes)
{
    QAccessibleInterface* iface = chartInterface();
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::Chart);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Корни"));
    const QString description = iface->text(QAccessible::Description);
    EXPECT_TRUE(description.contains(kBottomAxis + QStringLiteral(" от \u22124 до 1"))) << description.toStdString();
    EXPECT_TRUE(description.contains(kLeftAxis + QStringLiteral(" от \u22122 до 2"))) << description.toStdString();
    EXPECT_TRUE(description.contains(QStringLiteral("Корней на графике нет"))) << description.toStdString();
    EXPECT_EQ(iface->childCount(), 0);
    EXPECT_FALSE(iface->state().focusable) << "the chart takes no focus";
}

TEST_F(ChartAccessibility, DescriptionAndChildrenFollowTheSeries)
{
    QAccessibleInterface* iface = chartInterface();
    plot({{"p1", -1, 1}, {"p2", -0.5, 0.25}, {"p3", 3, 0}, {"p4", -2, 1}});

    const QStringList expected{QStringLiteral("p4: \u22122; 1"), QStringLiteral("p1: \u22121; 1"),
                               QStringLiteral("p2: \u22120,5; 0,25"),
                               QStringLiteral("p3: 3; 0 (вне видимой области)")};
    EXPECT_EQ(childNames(), expected);
    const QString description = iface->text(QAccessible::Description);
    EXPECT_TRUE(description.endsWith(QStringLiteral("Корней на графике: 4. ") + expected.join(QStringLiteral(". "))
                                     + QLatin1Char('.')))
        << description.toStdString();

    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* root = iface->child(i);
        EXPECT_EQ(root->role(), QAccessible::Graphic);
        EXPECT_EQ(root->parent(), iface);
        EXPECT_EQ(iface->indexOfChild(root), i);
    }
    // A screen magnifier or a touch explorer finds the star where it is drawn.
    const QPoint star = chart.mapToGlobal(chart.chartGeometry().mapToWidget(-1, 1).toPoint());
    EXPECT_TRUE(iface->child(1)->rect().contains(star));
    EXPECT_EQ(iface->childAt(star.x(), star.y()), iface->child(1));
    EXPECT_TRUE(iface->child(3)->rect().isEmpty()) << "a root outside the ranges has no place on the screen";

    plot({});
    EXPECT_EQ(iface->childCount(), 0);
    EXPECT_TRUE(iface->text(QAccessible::Description).endsWith(QStringLiteral("Корней на графике нет.")));
}

TEST_F(ChartAccessibility, NumbersTakeTheTablesDecimalSeparator)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    plot({{"p1", -0.5, 1.5}});
    EXPECT_EQ(childNames(), QStringList{QStringLiteral("p1: \u22120.5; 1.5")});
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    EXPECT_EQ(childNames(), QStringList{QStringLiteral("p1: \u22120,5; 1,5")});
}

// Qt hands accessibility events on only while assistive technology listens,
// which needs a platform with an accessibility bridge and its bus; CTest runs
// these once more inside such a session (tests/shell/atspi_session.py), where
// ROOTS_REQUIRE_ACCESSIBILITY makes a missing bridge a failure.
class ChartAccessibilityEvents : public ChartAccessibility {
protected:
    void SetUp() override
    {
        // The bridge becomes active once it has found the bus.
        const bool bridge = QGuiApplication::platformName() == QLatin1String("xcb");
        if (bridge && QTest::qWaitFor([] { return QAccessible::isActive(); }, 60000))
            return;
        if (qEnvironmentVariableIsSet("ROOTS_REQUIRE_ACCESSIBILITY"))
            FAIL() << "the accessibility bridge did not become active";
        GTEST_SKIP() << "no assistive technology bus here; the AT-SPI session runs these";
    }
};

TEST_F(ChartAccessibilityEvents, EveryChangeOfTheSeriesIsAnnounced)
{
    const QString chartName = QStringLiteral("Корни");
    chart.series()->addPoint({"p1", -1, 1});
    EXPECT_TRUE(heard.empty()) << "nothing is announced before anyone asked for the chart";

    chartInterface();
    chart.series()->addPoint({"p2", -2, 0});
    EXPECT_EQ(heard, (std::vector<Heard>{
                         {QAccessible::ObjectCreated, QAccessible::Graphic, QStringLiteral("p2: \u22122; 0")},
                         {QAccessible::ObjectCreated, QAccessible::Graphic, QStringLiteral("p1: \u22121; 1")},
                         {QAccessible::DescriptionChanged, QAccessible::Chart, chartName},
                     }));

    // p3 goes between p2 and p1, so the children are made anew.
    heard.clear();
    chart.series()->addPoint({"p3", -1.5, 0});
    EXPECT_EQ(heard, (std::vector<Heard>{
                         {QAccessible::ObjectDestroyed, QAccessible::Graphic, QStringLiteral("p2: \u22122; 0")},
                         {QAccessible::ObjectDestroyed, QAccessible::Graphic, QStringLiteral("p1: \u22121; 1")},
                         {QAccessible::ObjectCreated, QAccessible::Graphic, QStringLiteral("p2: \u22122; 0")},
                         {QAccessible::ObjectCreated, QAccessible::Graphic, QStringLiteral("p3: \u22121,5; 0")},
                         {QAccessible::ObjectCreated, QAccessible::Graphic, QStringLiteral("p1: \u22121; 1")},
                         {QAccessible::DescriptionChanged, QAccessible::Chart, chartName},
                     }));

    heard.clear();
    chart.series()->clear();
    EXPECT_EQ(heard, (std::vector<Heard>{
                         {QAccessible::ObjectDestroyed, QAccessible::Graphic, QStringLiteral("p2: \u22122; 0")},
                         {QAccessible::ObjectDestroyed, QAccessible::Graphic, QStringLiteral("p3: \u22121,5; 0")},
                         {QAccessible::ObjectDestroyed, QAccessible::Graphic, QStringLiteral("p1: \u22121; 1")},
                         {QAccessible::DescriptionChanged, QAccessible::Chart, chartName},
                     }));
}

TEST_F(ChartAccessibilityEvents, ZoomingRetellsTheRangesAndWhichRootsAreOutside)
{
    QAccessibleInterface* iface = chartInterface();
    plot({{"p1", -1, 1}});
    heard.clear();

    chart.zoomTo({-3, -1.5}, {-1, 0.5});
    const QString outside = QStringLiteral("p1: \u22121; 1 (вне видимой области)");
    EXPECT_EQ(heard, (std::vector<Heard>{
                         {QAccessible::NameChanged, QAccessible::Graphic, outside},
                         {QAccessible::DescriptionChanged, QAccessible::Chart, QStringLiteral("Корни")},
                     }));
    const QString description = iface->text(QAccessible::Description);
    EXPECT_TRUE(description.contains(kBottomAxis + QStringLiteral(" от \u22123 до \u22121,5"))) << description.toStdString();
    EXPECT_TRUE(description.contains(kLeftAxis + QStringLiteral(" от \u22121 до 0,5"))) << description.toStdString();
    EXPECT_TRUE(description.endsWith(outside + QLatin1Char('.'))) << description.toStdString();

    heard.clear();
    chart.undoZoom();
    EXPECT_EQ(childNames(), QStringList{QStringLiteral("p1: \u22121; 1")});
    EXPECT_EQ(heard.size(), 2u);
}

} // namespace
