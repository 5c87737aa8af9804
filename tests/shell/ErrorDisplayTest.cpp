// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "ErrorDisplay.h"
#include "Exception.h"

#include "WindowDriver.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

struct TextCase {
    const char* name;
    QString message;
    QString shown;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class ErrorBoxText : public testing::TestWithParam<TextCase> {};

TEST_P(ErrorBoxText, AddsAFullStopOnlyAfterLaterCharacters)
{
    EXPECT_EQ(errorBoxText(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Table, ErrorBoxText, testing::Values(
    TextCase{"Ordinary", "Cannot open clipboard", "Cannot open clipboard."},
    TextCase{"EndsInFullStop", "Done.", "Done."},
    TextCase{"EndsInSpace", "Trailing ", "Trailing "},
    TextCase{"EndsInComma", "a,", "a,"},
    TextCase{"EndsInMinus", "a-", "a-"},
    TextCase{"EndsInSlash", "a/", "a/."},
    TextCase{"EndsInQuote", "'1-2' is", "'1-2' is."},
    TextCase{"EndsInCyrillic", QString::fromUtf8("корни"), QString::fromUtf8("корни.")},
    TextCase{"Empty", "", ""}
), [](const auto& info) { return std::string(info.param.name); });

TEST(ApplicationTitle, IsTheProgramFileNameCapitalised)
{
    EXPECT_EQ(applicationTitle("roots"), "Roots");
    EXPECT_EQ(applicationTitle("/usr/bin/roots"), "Roots");
    EXPECT_EQ(applicationTitle("C:\\Program Files\\ROOTS.EXE"), "Roots");
    EXPECT_EQ(applicationTitle("my.roots.bin"), "My");
}

TEST(ErrorDisplay, HandlerExceptionsEndInOneCriticalBox)
{
    QCoreApplication::setApplicationName(QStringLiteral("roots"));
    const ErrorBoxes shown = closingErrorBoxes([] {
        runHandler([] { throw Exception("Cannot open clipboard"); });
    });
    EXPECT_EQ(shown.count, 1);
    EXPECT_EQ(shown.title, "Roots");
    EXPECT_EQ(shown.text, "Cannot open clipboard.");
    EXPECT_TRUE(shown.critical);
    EXPECT_TRUE(shown.plainText) << "pasted text is never read as markup";

    const ErrorBoxes empty = closingErrorBoxes([] { runHandler([] { throw Exception(""); }); });
    EXPECT_EQ(empty.count, 1);
    EXPECT_EQ(empty.text, "");

    const ErrorBoxes other = closingErrorBoxes([] {
        runHandler([] { throw std::runtime_error("out of memory"); });
    });
    EXPECT_EQ(other.text, "out of memory.");
}

} // namespace
